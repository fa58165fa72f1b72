#pragma once

#include <QFont>
#include <QList>
#include <QPair>
#include <QRectF>
#include <QString>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

// Pages of the report and of the printouts: margins of 10 mm from the paper's
// edges, everything drawn in the device units of the printer or PDF writer.

// Device units in `mm` millimetres.
double Millimetres(const QPaintDevice* device, double mm);

// The part of the page inside the margins, in the painter's coordinates (a
// printer that is not in full-page mode puts the origin at its own margins).
QRectF ZonePage(QPagedPaintDevice* device);

// The application's font at `points`.
QFont PoliceImpression(double points, bool gras = false, bool italique = false);

// Lines "label value" one under the other from the top of `zone`, the values
// lined up after the widest label and wrapped between words; returns the
// height used.
double DessinerEtiquettes(QPainter* painter, const QRectF& zone,
                          const QList<QPair<QString, QString>>& lignes, double points);
