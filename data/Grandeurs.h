#pragma once

#include <QColor>
#include <QString>

// The two measured quantities as the program shows them. Readings are whole
// tenths: of a degree Celsius and of a percent of relative humidity.

// " °C" and " %": the suffix after a value divided by 10.
QString UniteTemp();
QString UniteHumi();
// Suffix of a channel: 1 temperature, 2 humidity.
QString Unite(int mesure);

// Curve, needle and axis-title colours.
QColor CouleurTemp();
QColor CouleurHumi();

// Widest value axes, in tenths: -40.0 to 100.0 °C, 0.0 to 100.0 %.
constexpr double TEMP_PLANCHER = -400;
constexpr double TEMP_PLAFOND = 1000;
constexpr double HUMI_PLANCHER = 0;
constexpr double HUMI_PLAFOND = 1000;

// A value in tenths as the user reads it: "17.6" in English, "17,6" in French
// (the default locale follows the interface language), no thousands separator.
// decimales < 0: as few digits as the value needs ("17", "17.5"), at most six
// significant ones, for axis labels.
QString TexteDixiemes(double dixiemes, int decimales = 1);
// The same followed by its unit: "17.6 °C".
QString TexteMesure(double dixiemes, const QString& unite);
