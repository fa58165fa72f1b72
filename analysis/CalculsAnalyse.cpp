#include "CalculsAnalyse.h"

#include "FormatsDate.h"
#include "Synchro.h"
#include "clsSerie.h"

#include <QDateTime>
#include <QLocale>
#include <QTime>

#include <cmath>

double ValeurX(int index, uint temps, int mode)
{
    switch (mode) {
    case SYNCHRO_HEURE:
        return QDateTime::fromSecsSinceEpoch(temps, Qt::LocalTime).time().msecsSinceStartOfDay() /
               1000;
    case SYNCHRO_DATE:
        return double(temps);
    default:
        return index + 1.0;
    }
}

QwtInterval IntervalleVertical(double bas, double haut)
{
    const double etendueMini = 4; // tenths
    if (haut - bas < etendueMini) {
        const double ajout = (etendueMini - (haut - bas)) / 2;
        bas -= ajout;
        haut += ajout;
    }
    const double marge = (haut - bas) / 15;
    return QwtInterval(bas - marge, haut + marge);
}

QwtInterval IntervalleHorizontal(double premier, double dernier)
{
    if (dernier <= premier)
        return QwtInterval(premier - 1, premier + 1);
    return QwtInterval(premier, dernier);
}

StatsPlage CalculerStatsPlage(const QVector<QPointF>& points, double premier, double dernier)
{
    // A fresh channel whose count is the number of points taken so far: its mean
    // and deviation are those of the range, truncated like the recording's.
    int nbre = 0;
    TS_VOIE voie(&nbre);
    // Every point inside, not only the first run of them: in mode 1 a recording
    // over midnight comes back to 0, and its points of the next morning count too.
    for (const QPointF& point : points) {
        if (point.x() < premier || point.x() > dernier)
            continue;
        ++nbre;
        voie.Ajouter(static_cast<int>(point.y()));
    }
    StatsPlage stats;
    stats.Points = nbre;
    stats.Moyenne = voie.Moyenne;
    stats.EcartType = voie.EcartType;
    stats.Minimum = voie.Minimum;
    stats.Maximum = voie.Maximum;
    return stats;
}

qint64 XBorne(double x, int mode)
{
    const qint64 n = SecondesAxe(x);
    if (mode == SYNCHRO_NUMERO && n < 1)
        return 1;
    return n;
}

BornesPlage CalculerBornes(qint64 ancre, qint64 x, double axeMin, double axeMax)
{
    BornesPlage bornes;
    bornes.Premier = qMin(ancre, x);
    bornes.Dernier = qMax(ancre, x);
    if (bornes.Premier < axeMin)
        bornes.Premier = SecondesAxe(axeMin);
    if (bornes.Dernier > axeMax)
        bornes.Dernier = SecondesAxe(axeMax);
    return bornes;
}

QString TexteBorne(qint64 n, int mode, const QString& format)
{
    // A line edit shows one line: the two-line axis format is joined.
    QString f = format.simplified();
    switch (mode) {
    case SYNCHRO_HEURE:
        return TexteHeureDuJour(n, f);
    case SYNCHRO_DATE:
        return QLocale::c().toString(QDateTime::fromSecsSinceEpoch(n, Qt::LocalTime), f);
    default:
        return QStringLiteral("#%1").arg(n);
    }
}

int HauteurPlage(int hauteurEntete, int hauteurLigne, int lignes)
{
    return (hauteurEntete - 1) + 4 + lignes * (2 * hauteurLigne + 1) / 2;
}

QString TexteFrequence(int secondes)
{
    return QTime(0, 0).addSecs(secondes).toString(QStringLiteral("hh:mm:ss"));
}
