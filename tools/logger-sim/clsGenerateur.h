#pragma once

#include <QtGlobal>

// Readings of a plausible day: a slow swing over the 24 hours of local time
// (warmest and driest at 15:00), a weather drift that changes over hours and a
// little sensor noise. Each reading depends only on the seed and its time
// stamp, so a download and a later one give the same values.
class clsGenerateur
{
public:
    // Limits of what the generator sends, tenths of °C and of % RH.
    static constexpr int TempMin = 150;
    static constexpr int TempMax = 280;
    static constexpr int HumiMin = 350;
    static constexpr int HumiMax = 700;

    explicit clsGenerateur(quint32 graine = 1) : m_graine(graine) {}

    // Time stamps in seconds since 1970 UTC.
    quint16 Temperature(qint64 secondesEpoch) const;
    quint16 Humidite(qint64 secondesEpoch) const;

private:
    // Deterministic value in [-1, 1] for (seed, channel, n).
    double Hasard(int voie, qint64 n) const;
    // Smooth value in [-1, 1]: random knots every 2 h, cosine interpolation.
    double Meteo(int voie, qint64 secondesEpoch) const;
    // -1 at 03:00 local time, +1 at 15:00.
    static double Journee(qint64 secondesEpoch);

    quint32 m_graine;
};
