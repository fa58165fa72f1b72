#ifndef ZOOMER_H
#define ZOOMER_H

#include <qwt_plot_zoomer.h>

// The plot's zoomer. Its tracker shows the temperature (left axis) and the
// humidity (right axis) under the mouse and, below them, the x position as
// m_ModeX says.
class Zoomer : public QwtPlotZoomer
{
public:
    // What the x axis carries.
    enum { MODE_POINT = 0, MODE_HEURE = 1, MODE_DATE_HEURE = 2 };

    explicit Zoomer(QWidget* canvas);
    ~Zoomer() override;

    QwtText trackerText(const QPoint& pos) const override;

    // Tracker text for the axis values temp and humi (tenths) and x: point
    // number (mode 0), seconds since midnight (1) or time stamp in s since 1970
    // (2). A negative x, or another mode, gives only the two value lines.
    // voies: the value axes shown, 1 temperature, 2 humidity; a hidden one has no line.
    static QString TexteSuivi(double temp, double humi, double x, int modeX, int voies = 3);
    // The value axes a plot shows, as TexteSuivi takes them.
    static int VoiesAffichees(const QwtPlot* graphe);

    int m_ModeX;
};

#endif
