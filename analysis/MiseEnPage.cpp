#include "MiseEnPage.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

namespace
{
const double MargeMm = 10;
}

double Millimetres(const QPaintDevice* device, double mm)
{
    return mm * device->logicalDpiX() / 25.4;
}

QRectF ZonePage(QPagedPaintDevice* device)
{
    const QPageLayout mise = device->pageLayout();
    const int resolution = device->logicalDpiX();
    const QRectF papier = mise.fullRectPixels(resolution);
    const QRectF peinte = mise.paintRectPixels(resolution);
    const double marge = Millimetres(device, MargeMm);
    const QRectF zone = papier.adjusted(marge, marge, -marge, -marge) & peinte;
    return zone.translated(-peinte.topLeft());
}

QFont PoliceImpression(double points, bool gras, bool italique)
{
    QFont police = QGuiApplication::font();
    police.setPointSizeF(points);
    police.setBold(gras);
    police.setItalic(italique);
    return police;
}

double DessinerEtiquettes(QPainter* painter, const QRectF& zone,
                          const QList<QPair<QString, QString>>& lignes, double points)
{
    const QFont etiquette = PoliceImpression(points, true);
    const QFont valeur = PoliceImpression(points);
    const QFontMetricsF mesureEtiquette(etiquette, painter->device());
    const QFontMetricsF mesureValeur(valeur, painter->device());
    double largeurEtiquettes = 0;
    for (const auto& ligne : lignes)
        largeurEtiquettes = qMax(largeurEtiquettes, mesureEtiquette.horizontalAdvance(ligne.first));
    const double ecart = mesureValeur.horizontalAdvance(QStringLiteral("  "));
    const double xValeur = zone.left() + largeurEtiquettes + ecart;

    double y = zone.top();
    painter->save();
    for (const auto& ligne : lignes) {
        const QRectF cadreValeur(xValeur, y, zone.right() - xValeur, zone.bottom() - y);
        const int options = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        const double hauteur =
            qMax(mesureEtiquette.height(),
                 mesureValeur.boundingRect(cadreValeur, options, ligne.second).height());
        painter->setFont(etiquette);
        painter->drawText(QRectF(zone.left(), y, largeurEtiquettes, hauteur),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, ligne.first);
        painter->setFont(valeur);
        painter->drawText(cadreValeur, options, ligne.second);
        y += hauteur + mesureValeur.leading();
    }
    painter->restore();
    return y - zone.top();
}
