#pragma once

#include <QColor>
#include <QString>

// The two measured quantities as the program shows them. Readings are whole
// tenths: of a degree Celsius and of a percent of relative humidity.

// Unit temperatures are shown in; kept as an integer (settings, "UniteTemperature").
// Files, readings and the logger's programming stay in tenths of a degree Celsius.
enum enm_UNITE_TEMP { CELSIUS = 0, FAHRENHEIT = 1 };

// The display unit of the whole program, CELSIUS until told otherwise.
void DefinirUniteAffichage(enm_UNITE_TEMP unite);
enm_UNITE_TEMP UniteAffichage();

// A temperature in tenths of a degree Celsius as tenths of the display unit:
// 370 (37.0 °C) is 986 (98.6 °F), °F = °C × 9/5 + 32.
double DixiemesAffiches(double dixiemesCelsius, enm_UNITE_TEMP unite);
// A difference of temperatures (standard deviation, spread) takes the factor
// alone: 10 (1.0 °C) is 18 (1.8 °F).
double EcartAffiche(double dixiemesCelsius, enm_UNITE_TEMP unite);
// The inverse of DixiemesAffiches(), for ticks chosen in the display unit.
double DixiemesCelsius(double dixiemesAffiches, enm_UNITE_TEMP unite);

// " °C" and " %": the suffix of the stored tenths. UniteTemp() names the
// quantity for TexteMesure(), whatever the display unit.
QString UniteTemp();
QString UniteHumi();
// Suffix of a channel: 1 temperature, 2 humidity.
QString Unite(int mesure);
// " °C" or " °F": the suffix of a unit, of the display unit.
QString UniteTemp(enm_UNITE_TEMP unite);
QString UniteTempAffichee();

// Curve, needle and axis-title colours.
QColor CouleurTemp();
QColor CouleurHumi();

// Widest value axes, in tenths: -40.0 to 100.0 °C (-40 to 212 °F), 0.0 to 100.0 %.
constexpr double TEMP_PLANCHER = -400;
constexpr double TEMP_PLAFOND = 1000;
constexpr double HUMI_PLANCHER = 0;
constexpr double HUMI_PLAFOND = 1000;

// A value in tenths as the user reads it: "17.6" in English, "17,6" in French
// (the default locale follows the interface language), no thousands separator.
// decimales < 0: as few digits as the value needs ("17", "17.5"), at most six
// significant ones, for axis labels.
QString TexteDixiemes(double dixiemes, int decimales = 1);
// A stored value followed by its unit: "17.6 °C", or "63.7 °F" when unite is
// UniteTemp() and the display unit Fahrenheit ("63,7 °F" in French).
QString TexteMesure(double dixiemes, const QString& unite);
// TexteMesure() without the unit, for a column whose title gives it.
QString TexteNombre(double dixiemes, const QString& unite);
// A difference of two stored values (standard deviation, spread) with its unit:
// 10 with UniteTemp() reads "1.8 °F" in Fahrenheit.
QString TexteEcart(double dixiemes, const QString& unite);
