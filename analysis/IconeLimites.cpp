#include "IconeLimites.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace
{
// Drawn on a grid of 20 units, like the other tool icons' 64.
QPixmap Dessin(int taille)
{
    QPixmap image(taille, taille);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.scale(taille / 20.0, taille / 20.0);
    QPen tirets(QColor(0x1F, 0x1F, 0x1F), 1.6, Qt::CustomDashLine, Qt::FlatCap);
    tirets.setDashPattern({2, 1.5});
    peintre.setPen(tirets);
    peintre.drawLine(QPointF(1, 4.5), QPointF(19, 4.5));
    peintre.drawLine(QPointF(1, 15.5), QPointF(19, 15.5));
    QPainterPath courbe(QPointF(1.5, 11));
    courbe.cubicTo(QPointF(5, 5), QPointF(8, 15), QPointF(11, 10));
    courbe.cubicTo(QPointF(13.5, 6), QPointF(15, 1), QPointF(18.5, 2.5));
    peintre.setPen(QPen(QColor(224, 30, 46), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    peintre.drawPath(courbe);
    return image;
}
} // namespace

QIcon IconeLimites()
{
    QIcon icone;
    icone.addPixmap(Dessin(20));
    icone.addPixmap(Dessin(40));
    return icone;
}
