#include "CourbeCoupee.h"

QList<QPair<int, int>> TronconsCroissants(const QwtSeriesData<QPointF>& points, int from, int to)
{
    QList<QPair<int, int>> troncons;
    if (to < 0)
        to = int(points.size()) - 1;
    from = qMax(from, 0);
    if (from > to)
        return troncons;
    int debut = from;
    for (int i = from + 1; i <= to; ++i) {
        if (points.sample(size_t(i)).x() < points.sample(size_t(i - 1)).x()) {
            troncons << qMakePair(debut, i - 1);
            debut = i;
        }
    }
    troncons << qMakePair(debut, to);
    return troncons;
}

void CourbeCoupee::drawSeries(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap,
                              const QRectF& canvasRect, int from, int to) const
{
    if (!data())
        return;
    for (const QPair<int, int>& troncon : TronconsCroissants(*data(), from, to))
        QwtPlotCurve::drawSeries(painter, xMap, yMap, canvasRect, troncon.first, troncon.second);
}
