#include "CalculsConservation.h"

#include "Grandeurs.h"

#include <cmath>
#include <limits>

namespace
{
const double ZeroKelvin = 273.15; // °C
const double MagnusA = 17.62;
const double MagnusB = 243.12;    // °C
const double RoseeTempMin = -450; // tenths of °C
const double RoseeTempMax = 600;  // tenths of °C
const double Rien = std::numeric_limits<double>::quiet_NaN();
} // namespace

double TemperatureCinetiqueMoyenne(const QVector<double>& dixiemes, double deltaHsurR)
{
    if (!(deltaHsurR > 0))
        return Rien;
    // exp(−(ΔH/R)/T) is about 1e-15 at room temperature and would underflow
    // below −200 °C with a large ΔH/R: the terms are summed relative to the
    // largest one.
    double plusGrand = -std::numeric_limits<double>::infinity();
    int n = 0;
    for (double t : dixiemes) {
        if (std::isnan(t))
            continue;
        plusGrand = qMax(plusGrand, -deltaHsurR / (t / 10 + ZeroKelvin));
        ++n;
    }
    if (n == 0)
        return Rien;
    double somme = 0;
    for (double t : dixiemes)
        if (!std::isnan(t))
            somme += std::exp(-deltaHsurR / (t / 10 + ZeroKelvin) - plusGrand);
    const double logMoyenne = plusGrand + std::log(somme / n);
    return (deltaHsurR / -logMoyenne - ZeroKelvin) * 10;
}

double PointDeRosee(double temperature, double humidite)
{
    if (!(temperature >= RoseeTempMin && temperature <= RoseeTempMax) || !(humidite > 0))
        return Rien;
    const double t = temperature / 10;
    const double gamma = std::log(humidite / 1000) + MagnusA * t / (MagnusB + t);
    return MagnusB * gamma / (MagnusA - gamma) * 10;
}

StatsExcursions CalculerExcursions(const QVector<double>& valeurs, const QVector<uint>& temps,
                                   const QVector<double>& x, double premier, double dernier,
                                   const TS_LIMITES& limites)
{
    StatsExcursions stats;
    const int n = qMin(valeurs.size(), qMin(temps.size(), x.size()));
    int longueur = 0; // of the run going on
    uint debut = 0;
    for (int i = 0; i < n; ++i) {
        const double v = valeurs.at(i);
        const bool pris = !std::isnan(v) && x.at(i) >= premier && x.at(i) <= dernier;
        const bool sous = pris && limites.Basse && v < *limites.Basse;
        const bool sur = pris && limites.Haute && v > *limites.Haute;
        stats.Points += pris;
        stats.PointsSous += sous;
        stats.PointsSur += sur;
        if (!sous && !sur) {
            longueur = 0;
            continue;
        }
        if (longueur++ == 0) {
            ++stats.Nombre;
            debut = temps.at(i);
        }
        if (longueur > stats.PointsPlusLongue) {
            stats.PointsPlusLongue = longueur;
            stats.DebutPlusLongue = debut;
        }
    }
    return stats;
}

QString TexteDuree(int points, int periode)
{
    const qint64 minutes = (qint64(qMax(points, 0)) * qMax(periode, 0) + 30) / 60;
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString TexteLimites(const TS_LIMITES& limites, const QString& unite)
{
    if (limites.Basse && limites.Haute)
        return TexteNombre(*limites.Basse, unite) + QStringLiteral(" \u2026 ") +
               TexteMesure(*limites.Haute, unite);
    if (limites.Basse)
        return QStringLiteral("\u2265 ") + TexteMesure(*limites.Basse, unite);
    if (limites.Haute)
        return QStringLiteral("\u2264 ") + TexteMesure(*limites.Haute, unite);
    return QString();
}

int PartDixiemes(int partie, int total)
{
    if (total <= 0)
        return 0;
    return int((qint64(partie) * 2000 + total) / (2 * qint64(total)));
}
