#pragma once

#include <QObject>

class QwtPlot;
class QwtScaleDraw;

// The bottom axis of a plot as a time axis: round steps, as many as the canvas
// has room for (recomputed when it is resized), labels drawn by the given scale
// draw and, for time stamps, the dates covered as the axis title. Both windows
// and their printouts use it. It lives as a child of the plot.
class AxeTemps : public QObject
{
    Q_OBJECT

public:
    // dessin: the labels (the plot takes it). horodatage: values are time stamps
    // (s since 1970 UTC, shown in local time), else seconds since midnight.
    static void Installer(QwtPlot* graphe, QwtScaleDraw* dessin, bool horodatage);
    // A plain axis again (point numbers): linear steps, plain labels, no title.
    static void Retirer(QwtPlot* graphe);

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    explicit AxeTemps(QwtPlot* graphe);
    static AxeTemps* De(QwtPlot* graphe);
    void MajTitre();
    int LargeurEtiquette(double pas) const;

    QwtPlot* m_Graphe;
};
