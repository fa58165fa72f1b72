#pragma once

#include <QPointF>
#include <QString>
#include <QVector>
#include <qwt_interval.h>

// Arithmetic of the analysis view, free of widgets so that data tables reach it.
// Values are whole tenths (of a degree, of a percent); x values depend on the
// synchronisation mode (enm_SYNCHRO).

// x of point `index` (0-based) whose time stamp is `temps` (s since 1970 UTC):
// mode 0 the point number index + 1; mode 1 the seconds from local midnight to
// the time of day of the point; mode 2 the time stamp itself.
double ValeurX(int index, uint temps, int mode);

// Interval of a value axis over data from bas to haut: a span under 4 tenths is
// widened equally on both sides to 4, then a margin of a fifteenth of the span
// goes on each side.
QwtInterval IntervalleVertical(double bas, double haut);

// Bottom axis over x values from premier to dernier. A single x (a one-point
// recording) gets one unit on each side, so that the axis keeps a width.
QwtInterval IntervalleHorizontal(double premier, double dernier);

// Statistics of the points of a range, as the range table shows them.
struct StatsPlage {
    int Points = 0;
    int Moyenne = 0;   // tenths, truncated
    int EcartType = 0; // population deviation, tenths, truncated
    int Minimum = 0;
    int Maximum = 0;
};

// Statistics of the points whose x lies from premier to dernier, both bounds
// included, taken in point order. Each y taken counts truncated to a whole number.
StatsPlage CalculerStatsPlage(const QVector<QPointF>& points, double premier, double dernier);

// x under the mouse as a range bound: truncated to a whole number, and in mode 0
// never below the first point number, 1.
qint64 XBorne(double x, int mode);

// Range between the anchor of a drag and the current x, kept inside the bottom
// axis [axeMin, axeMax] (its bounds truncated).
struct BornesPlage {
    qint64 Premier = 0;
    qint64 Dernier = 0;
};
BornesPlage CalculerBornes(qint64 ancre, qint64 x, double axeMin, double axeMax);

// Text of a range bound: mode 0 "#12"; mode 1 the time 00:00:00 plus n seconds
// written with format; mode 2 the local date and time of n (s since 1970)
// written with format. A format holding a line break gives one line.
QString TexteBorne(qint64 n, int mode, const QString& format);

// Fixed height (px) of the range table for a header of hauteurEntete px and
// `lignes` rows of hauteurLigne px.
int HauteurPlage(int hauteurEntete, int hauteurLigne, int lignes);

// Sampling period (s) as "hh:mm:ss": 90 gives "00:01:30".
QString TexteFrequence(int secondes);
