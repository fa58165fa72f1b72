#pragma once

#include "Limites.h"

#include <QString>
#include <QVector>

// Figures of storage and transport under controlled temperature: mean kinetic
// temperature, dew point, excursions past limits. Free of widgets; values are
// tenths (of a degree Celsius, of a percent) held as doubles, NaN where a curve
// has no value (a dew point out of the formula's range).

// Activation energy over the gas constant, K: 10 000 K is 83.144 kJ/mol.
constexpr double DELTA_H_SUR_R_DEFAUT = 10000;

// Mean kinetic temperature, tenths of °C, of readings in tenths of °C taken at a
// fixed period (each weighs the same):
//   MKT = (ΔH/R) / (−ln((1/n) Σ exp(−(ΔH/R) / T_i))), T_i in kelvin.
// NaN values are left out; NaN when none is left or deltaHsurR is not positive.
double TemperatureCinetiqueMoyenne(const QVector<double>& dixiemes,
                                   double deltaHsurR = DELTA_H_SUR_R_DEFAUT);

// Dew point over water by the Magnus formula (a = 17.62, b = 243.12 °C), tenths
// of °C, from a temperature and a relative humidity in tenths. NaN outside the
// formula's range: a temperature below −45 °C or above 60 °C, a humidity of 0 %
// or less.
double PointDeRosee(double temperature, double humidite);

// Excursions of a curve past its limits over a range.
struct StatsExcursions {
    int Points = 0;           // points of the range holding a value
    int PointsSous = 0;       // of them, below the lower limit
    int PointsSur = 0;        // above the upper limit
    int Nombre = 0;           // maximal runs of consecutive points outside
    int PointsPlusLongue = 0; // points of the longest run, the first of equal ones
    uint DebutPlusLongue = 0; // time stamp of its first point, s since 1970 UTC
};

// The points i whose x[i] lies from premier to dernier (both included) and whose
// valeurs[i] is not NaN, in point order. Runs are of consecutive points: a point
// left out (outside the range, or NaN) ends a run. The three vectors are
// parallel; temps holds the time stamps.
StatsExcursions CalculerExcursions(const QVector<double>& valeurs, const QVector<uint>& temps,
                                   const QVector<double>& x, double premier, double dernier,
                                   const TS_LIMITES& limites);

// A duration given in points of `periode` s, as hours and minutes "h:mm" rounded
// to the minute; hours go past 24 ("27:05").
QString TexteDuree(int points, int periode);

// Limits as the legend shows them, in the default locale: "2.0 … 8.0 °C" with
// both, "≥ 2.0 °C" with a lower one alone, "≤ 8.0 °C" with an upper one alone,
// "" without any. unite: the suffix of TexteMesure().
QString TexteLimites(const TS_LIMITES& limites, const QString& unite);

// Share of `partie` in `total` points, in tenths of a percent, rounded; 0 when
// total is 0. 1 of 8 gives 125 (12.5 %).
int PartDixiemes(int partie, int total);
