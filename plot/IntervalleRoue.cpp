#include "IntervalleRoue.h"

#include <qwt_plot.h>

QwtInterval IntervalleRoue(double min, double max, double etendue, double plancher, double plafond)
{
    double bas = (min + max - etendue) / 2;
    if (bas < plancher)
        bas = plancher;
    if (bas + etendue > plafond)
        return QwtInterval(plafond - etendue, plafond);
    return QwtInterval(bas, bas + etendue);
}

void AppliquerRoue(QwtPlot* plot, int axe, double etendue, double plancher, double plafond)
{
    // axisInterval() lags behind setAxisScale() until the axes are updated,
    // which only a replot does when auto-replot is off.
    plot->updateAxes();
    const QwtInterval actuel = plot->axisInterval(axe);
    const QwtInterval nouveau =
        IntervalleRoue(actuel.minValue(), actuel.maxValue(), etendue, plancher, plafond);
    plot->setAxisScale(axe, nouveau.minValue(), nouveau.maxValue());
}
