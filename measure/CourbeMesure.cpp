#include "CourbeMesure.h"

#include "ReductionColonnes.h"

#include <QPainter>

#include <qwt_clipper.h>
#include <qwt_painter.h>
#include <qwt_point_mapper.h>

namespace
{
// Below this many points a run is drawn as it is.
constexpr int SeuilReduction = 64;
} // namespace

void CourbeMesure::drawLines(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap,
                             const QRectF& canvasRect, int from, int to) const
{
    if (to - from < SeuilReduction || brush().style() != Qt::NoBrush ||
        testCurveAttribute(Fitted)) {
        QwtPlotCurve::drawLines(painter, xMap, yMap, canvasRect, from, to);
        return;
    }
    QwtPointMapper projection;
    projection.setFlag(QwtPointMapper::RoundPoints, QwtPainter::roundingAlignment(painter));
    projection.setFlag(QwtPointMapper::WeedOutPoints, testPaintAttribute(FilterPoints));
    projection.setBoundingRect(canvasRect);
    QPolygonF ligne = ReduireColonnes(projection.toPolygonF(xMap, yMap, data(), from, to));
    if (testPaintAttribute(ClipPolygons)) {
        const qreal largeur = qMax(qreal(1.0), painter->pen().widthF());
        ligne = QwtClipper::clipPolygonF(canvasRect.adjusted(-largeur, -largeur, largeur, largeur),
                                         ligne, false);
    }
    QwtPainter::drawPolyline(painter, ligne);
}
