#include "GraduationTemps.h"

#include "FormatsDate.h"

#include <QDateTime>

#include <cmath>

namespace
{

constexpr double Jour = 86400.0;
// No label of a time axis is narrower, pixels.
constexpr int LargeurMin = 20;

// Round steps, s, shortest first.
const double Pas[] = {1,         2,          5,          10,         15,          30,
                      60,        120,        300,        600,        900,         1800,
                      3600,      7200,       10800,      14400,      21600,       43200,
                      Jour,      2 * Jour,   7 * Jour,   14 * Jour,  28 * Jour,   56 * Jour,
                      91 * Jour, 182 * Jour, 364 * Jour, 728 * Jour, 1820 * Jour, 3640 * Jour};

// The shortest round step that divides pas into at most 6 parts, 0 if none.
double PasMineur(double pas)
{
    for (double p : Pas) {
        if (p >= pas)
            break;
        if (pas / p <= 6 && std::fmod(pas, p) == 0.0)
            return p;
    }
    return 0.0;
}

// Multiples of pas, read with decalage, that fall inside [debut, fin].
QList<double> Multiples(double debut, double fin, double pas, int decalage)
{
    QList<double> valeurs;
    for (double t = std::ceil((debut + decalage) / pas) * pas - decalage; t <= fin; t += pas)
        valeurs << t;
    return valeurs;
}

} // namespace

TS_GRADUATION GraduationTemps(double debut, double fin, int maxIntervalles, int decalage)
{
    TS_GRADUATION g;
    if (!(fin > debut))
        return g;
    const double etendue = fin - debut;
    const int intervalles = qMax(1, maxIntervalles);
    g.Pas = Pas[std::size(Pas) - 1];
    for (double p : Pas) {
        if (etendue / p <= intervalles) {
            g.Pas = p;
            break;
        }
    }
    g.Majeures = Multiples(debut, fin, g.Pas, decalage);
    const double mineur = PasMineur(g.Pas);
    if (mineur > 0.0) {
        for (double t : Multiples(debut, fin, mineur, decalage)) {
            if (std::fmod(t + decalage, g.Pas) != 0.0)
                g.Mineures << t;
        }
    }
    return g;
}

MoteurEchelleTemps::MoteurEchelleTemps(bool horodatage, std::function<int()> place,
                                       std::function<int(double)> etiquette)
    : m_Horodatage(horodatage), m_Place(std::move(place)), m_Etiquette(std::move(etiquette))
{
}

QwtScaleDiv MoteurEchelleTemps::divideScale(double x1, double x2, int maxMajor, int, double) const
{
    const double debut = qMin(x1, x2);
    const double fin = qMax(x1, x2);
    int decalage = 0;
    if (m_Horodatage)
        decalage = QDateTime::fromSecsSinceEpoch(SecondesAxe(debut)).offsetFromUtc();
    TS_GRADUATION g = GraduationTemps(debut, fin, maxMajor, decalage);
    if (m_Place && m_Etiquette) {
        // From the shortest step down: the first whose labels all fit.
        const int place = m_Place();
        for (int n = qMax(1, place / LargeurMin); n >= 1; --n) {
            g = GraduationTemps(debut, fin, n, decalage);
            if ((fin - debut) / g.Pas * m_Etiquette(g.Pas) <= place)
                break;
        }
    }
    QwtScaleDiv division(x1, x2);
    division.setTicks(QwtScaleDiv::MajorTick, g.Majeures);
    division.setTicks(QwtScaleDiv::MinorTick, g.Mineures);
    return division;
}
