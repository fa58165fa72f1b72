#pragma once

#include <QList>

#include <functional>

#include <qwt_scale_engine.h>

// Ticks of a time axis on round steps: 1, 2, 5, 10, 15, 30 s; 1, 2, 5, 10, 15,
// 30 min; 1, 2, 3, 4, 6, 12 h; 1, 2, 7, 14 days and longer.
struct TS_GRADUATION {
    double Pas = 0.0;       // s between two major ticks, 0 for an empty interval
    QList<double> Majeures; // inside [debut, fin]
    QList<double> Mineures; // between and around them, inside [debut, fin]
};

// debut, fin: the axis interval in s. maxIntervalles: most steps the axis has room
// for. decalage: s to add to a value to read it as a local time of day (the UTC
// offset for a time stamp, 0 for seconds since midnight), so that the ticks fall
// on round local times.
TS_GRADUATION GraduationTemps(double debut, double fin, int maxIntervalles, int decalage);

// Scale engine of a time axis. Time stamps (s since 1970 UTC) get ticks on round
// local times, offset taken at the start of the interval; seconds since midnight
// need no offset.
// Given its room, the engine takes the shortest step whose labels fit: place()
// gives the axis's width in pixels, and etiquette(pas) the width a label needs
// on steps of pas seconds, gap included. Without them, at most maxMajor steps.
class MoteurEchelleTemps : public QwtLinearScaleEngine
{
public:
    explicit MoteurEchelleTemps(bool horodatage, std::function<int()> place = {},
                                std::function<int(double pas)> etiquette = {});

    QwtScaleDiv divideScale(double x1, double x2, int maxMajor, int maxMinor,
                            double stepSize = 0.0) const override;

private:
    bool m_Horodatage;
    std::function<int()> m_Place;
    std::function<int(double)> m_Etiquette;
};
