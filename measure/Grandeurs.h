#ifndef GRANDEURS_H
#define GRANDEURS_H

#include <QColor>
#include <QString>

// The two measured quantities as the plots and tables show them. Readings are
// whole tenths: of a degree Celsius and of a percent of relative humidity.

// " °C" and " %": the suffix after a value divided by 10.
QString UniteTemp();
QString UniteHumi();

// Curve and axis-title colours.
QColor CouleurTemp();
QColor CouleurHumi();

// Widest value axes, in tenths: -40.0 to 100.0 °C, 0.0 to 100.0 %.
constexpr double TEMP_PLANCHER = -400;
constexpr double TEMP_PLAFOND = 1000;
constexpr double HUMI_PLANCHER = 0;
constexpr double HUMI_PLAFOND = 1000;

#endif
