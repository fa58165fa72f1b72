#include "CourbeMesure.h"

#include "DonneesMesure.h"
#include "ReductionColonnes.h"

#include <QPainter>

#include <cmath>

#include <qwt_clipper.h>
#include <qwt_painter.h>
#include <qwt_point_mapper.h>
#include <qwt_scale_map.h>

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
    const bool arrondi = QwtPainter::roundingAlignment(painter);
    QPolygonF ligne;
    const auto* donnees = dynamic_cast<const DonneesMesure*>(data());
    if (donnees && donnees->Arbre().Taille() == int(dataSize())) {
        // Only the samples that shape each pixel column, found through the tree.
        auto pixels = [arrondi](const QwtScaleMap& map, double v) {
            const double p = map.transform(v);
            return arrondi ? double(qRound(p)) : p;
        };
        // Samples left or right of the canvas share a column each side: their
        // lines are not seen, only the segments that enter the canvas.
        const double gauche = canvasRect.left() - 1;
        const double droite = canvasRect.right() + 1;
        const QVector<int> indices = donnees->Arbre().Representants(from, to, [&](double x) {
            return int(std::floor(qBound(gauche, pixels(xMap, x), droite)));
        });
        QPolygonF choisis;
        choisis.reserve(indices.size());
        for (int i : indices) {
            const QPointF p = sample(size_t(i));
            choisis << QPointF(pixels(xMap, p.x()), pixels(yMap, p.y()));
        }
        ligne = ReduireColonnes(choisis);
    } else {
        QwtPointMapper projection;
        projection.setFlag(QwtPointMapper::RoundPoints, arrondi);
        projection.setFlag(QwtPointMapper::WeedOutPoints, testPaintAttribute(FilterPoints));
        projection.setBoundingRect(canvasRect);
        ligne = ReduireColonnes(projection.toPolygonF(xMap, yMap, data(), from, to));
    }
    if (testPaintAttribute(ClipPolygons)) {
        const qreal largeur = qMax(qreal(1.0), painter->pen().widthF());
        ligne = QwtClipper::clipPolygonF(canvasRect.adjusted(-largeur, -largeur, largeur, largeur),
                                         ligne, false);
    }
    QwtPainter::drawPolyline(painter, ligne);
}
