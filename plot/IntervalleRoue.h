#pragma once

#include <qwt_interval.h>

class QwtPlot;

// The span wheels beside the plot set the width of a value axis, in tenths.
// New interval of an axis at [min, max] given the span `etendue`: the centre
// stays where it is, then the interval is moved back inside [plancher, plafond].
QwtInterval IntervalleRoue(double min, double max, double etendue, double plancher, double plafond);

// Applies IntervalleRoue to an axis of the plot; Qwt chooses the step.
void AppliquerRoue(QwtPlot* plot, int axe, double etendue, double plancher, double plafond);
