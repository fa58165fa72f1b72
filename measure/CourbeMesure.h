#pragma once

#include <qwt_plot_curve.h>

// A curve of the measurement window. A replot during a download draws up to
// 16000 points per curve every 50 points: long runs are thinned per pixel column
// first (ReduireColonnes), the samples that shape each column found through the
// min/max tree of its DonneesMesure, so that a replot costs about the same
// whatever the number of samples. Short runs, such as the new segments of one
// frame, are drawn as Qwt draws them.
class CourbeMesure : public QwtPlotCurve
{
public:
    using QwtPlotCurve::QwtPlotCurve;

protected:
    void drawLines(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap,
                   const QRectF& canvasRect, int from, int to) const override;
};
