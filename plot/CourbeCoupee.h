#pragma once

#include <QList>
#include <QPair>

#include <qwt_plot_curve.h>

// Runs of samples from..to along which x never goes back: the curve of a
// recording over midnight, read as times of day, goes back to 0 at midnight.
QList<QPair<int, int>> TronconsCroissants(const QwtSeriesData<QPointF>& points, int from, int to);

// A curve whose line breaks where x goes back, instead of drawing a line across
// the whole plot back to the start of the day.
class CourbeCoupee : public QwtPlotCurve
{
public:
    using QwtPlotCurve::QwtPlotCurve;

protected:
    void drawSeries(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap,
                    const QRectF& canvasRect, int from, int to) const override;
};
