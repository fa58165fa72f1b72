#include "PeindreSegments.h"

#include <QPainter>
#include <QPixmap>
#include <QRegion>

#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_map.h>

namespace
{

// Room around a segment for the pen and the antialiasing, pixels.
constexpr int Marge = 3;

} // namespace

void PeindreSegments(QwtPlot* graphe, const QVector<TS_SEGMENTS>& segments)
{
    auto* canevas = qobject_cast<QwtPlotCanvas*>(graphe->canvas());
    if (!canevas)
        return;
    const QRect interieur = canevas->contentsRect();
    QRegion region;
    QVector<TS_SEGMENTS> aPeindre;
    for (const TS_SEGMENTS& s : segments) {
        if (!s.Courbe || !s.Courbe->isVisible() || s.A <= s.De)
            continue;
        const QwtScaleMap x = graphe->canvasMap(s.Courbe->xAxis());
        const QwtScaleMap y = graphe->canvasMap(s.Courbe->yAxis());
        QRectF zone;
        for (int i = s.De; i <= s.A; ++i) {
            const QPointF p = s.Courbe->sample(size_t(i));
            zone |= QRectF(x.transform(p.x()), y.transform(p.y()), 0.0, 0.0).normalized();
        }
        // A zero-width rectangle is still united: one pixel at least.
        const QRect pixels =
            QRectF(zone.topLeft(), zone.size().expandedTo(QSizeF(1, 1))).toAlignedRect();
        region += pixels.adjusted(-Marge, -Marge, Marge, Marge) & interieur;
        aPeindre << s;
    }
    if (region.isEmpty())
        return;

    const QPixmap* fond = canevas->backingStore();
    if (canevas->testPaintAttribute(QwtPlotCanvas::BackingStore) && fond && !fond->isNull()) {
        QPainter peintre(const_cast<QPixmap*>(fond));
        // Inside the rounded border only, as a replot draws.
        if (canevas->borderRadius() > 0)
            peintre.setClipPath(canevas->borderPath(canevas->rect()));
        peintre.setClipRegion(region, Qt::IntersectClip);
        for (const TS_SEGMENTS& s : qAsConst(aPeindre)) {
            peintre.setRenderHint(QPainter::Antialiasing,
                                  s.Courbe->testRenderHint(QwtPlotItem::RenderAntialiased));
            s.Courbe->drawSeries(&peintre, graphe->canvasMap(s.Courbe->xAxis()),
                                 graphe->canvasMap(s.Courbe->yAxis()), interieur, s.De, s.A);
        }
    }
    canevas->update(region);
}
