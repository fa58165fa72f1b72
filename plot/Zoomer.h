#pragma once

#include "Synchro.h"

#include <qwt_plot_zoomer.h>

// The plot's zoomer. Its tracker shows the temperature (left axis) and the
// humidity (right axis) under the mouse and, below them, the x position as
// m_ModeX says.
class Zoomer : public QwtPlotZoomer
{
public:
    explicit Zoomer(QWidget* canvas);
    ~Zoomer() override;

    QwtText trackerText(const QPoint& pos) const override;

    // Tracker text for the axis values temp and humi (tenths) and x as the x
    // mode (enm_SYNCHRO) reads it: point number, seconds since midnight or time
    // stamp. A negative x, or another mode, gives only the value lines.
    // voies: the value axes shown, 1 temperature, 2 humidity; a hidden one has no line.
    static QString TexteSuivi(double temp, double humi, double x, int modeX, int voies = 3);
    // The value axes a plot shows, as TexteSuivi takes them.
    static int VoiesAffichees(const QwtPlot* graphe);

    enm_SYNCHRO m_ModeX;
};
