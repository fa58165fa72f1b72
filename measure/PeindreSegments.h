#pragma once

#include <QVector>

class QwtPlot;
class QwtPlotCurve;

// Samples De to A of one curve, the part of it not on screen yet.
struct TS_SEGMENTS {
    QwtPlotCurve* Courbe = nullptr;
    int De = 0;
    int A = 0;
};

// Paints the new parts of several curves of a plot in one go: into the canvas's
// backing store, then one update of the region they cover, which the next paint
// copies to the screen. When the backing store is out of date (a replot waits),
// that paint redraws the whole canvas with every sample anyway.
void PeindreSegments(QwtPlot* graphe, const QVector<TS_SEGMENTS>& segments);
