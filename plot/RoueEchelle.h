#pragma once

#include <QObject>

class QwtPlot;
class QwtWheel;

// A span wheel beside the plot, bound to a value axis (tenths). Turning it sets
// the axis's width around its centre, kept inside [plancher, plafond]; Regler()
// sets the wheel from the axis after a zoom or a rescale. The wheel goes from
// etendueMini, the narrowest axis the window computes (a recording whose values
// are all equal), to the whole of [plancher, plafond]. It lives as a child of
// the wheel.
class RoueEchelle : public QObject
{
    Q_OBJECT

public:
    RoueEchelle(QwtWheel* roue, QwtPlot* graphe, int axe, double plancher, double plafond,
                double etendueMini);

    // The wheel takes the axis's width; a width it cannot show is brought to its
    // nearest end, and the axis takes that span.
    void Regler();

private:
    void Appliquer(double etendue);

    QwtWheel* m_Roue;
    QwtPlot* m_Graphe;
    int m_Axe;
    double m_Plancher;
    double m_Plafond;
};
