#include "clsGenerateur.h"

#include <QDateTime>
#include <cmath>

namespace
{
constexpr double Pi = 3.14159265358979323846;
constexpr qint64 PasMeteo = 7200; // s between two weather knots

quint64 Melange(quint64 x)
{
    // splitmix64 finaliser: well spread bits from consecutive inputs.
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

quint16 Borner(double valeur, int min, int max)
{
    const long arrondi = std::lround(valeur);
    return quint16(qBound(long(min), arrondi, long(max)));
}
} // namespace

double clsGenerateur::Hasard(int voie, qint64 n) const
{
    const quint64 h = Melange(Melange(m_graine * 4ull + quint64(voie)) ^ quint64(n));
    return double(h >> 11) / double(1ull << 53) * 2.0 - 1.0;
}

double clsGenerateur::Meteo(int voie, qint64 secondesEpoch) const
{
    const qint64 noeud =
        secondesEpoch >= 0 ? secondesEpoch / PasMeteo : (secondesEpoch - PasMeteo + 1) / PasMeteo;
    const double f = double(secondesEpoch - noeud * PasMeteo) / PasMeteo;
    const double poids = (1.0 - std::cos(Pi * f)) / 2.0;
    return Hasard(voie, noeud) * (1.0 - poids) + Hasard(voie, noeud + 1) * poids;
}

double clsGenerateur::Journee(qint64 secondesEpoch)
{
    const QTime heure = QDateTime::fromSecsSinceEpoch(secondesEpoch).time();
    const double jour = heure.msecsSinceStartOfDay() / 86400000.0;
    return std::cos(2.0 * Pi * (jour - 15.0 / 24.0));
}

quint16 clsGenerateur::Temperature(qint64 secondesEpoch) const
{
    // 21.5 °C ± 5.0 over the day, ± 1.2 of weather, ± 0.3 of noise.
    const double valeur = 215.0 + 50.0 * Journee(secondesEpoch) + 12.0 * Meteo(0, secondesEpoch) +
                          3.0 * Hasard(2, secondesEpoch);
    return Borner(valeur, TempMin, TempMax);
}

quint16 clsGenerateur::Humidite(qint64 secondesEpoch) const
{
    // 52.5 % ± 11.0 against the temperature, ± 3.5 of weather, ± 0.6 of noise.
    const double valeur = 525.0 - 110.0 * Journee(secondesEpoch) + 35.0 * Meteo(1, secondesEpoch) +
                          6.0 * Hasard(3, secondesEpoch);
    return Borner(valeur, HumiMin, HumiMax);
}
