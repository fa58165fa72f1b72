#pragma once

#include "Grandeurs.h"

#include <QByteArray>
#include <QString>

class clsSerie;

// CSV copy of a recording, for spreadsheets and scripts: UTF-8 without BOM,
// comma-separated, "\n" line ends. Header "timestamp" then the recording's
// channels ("temperature_C" for sensor mask 1, "humidity_pct" for 2, both for any
// other mask), one row per point held. Temperatures in the display unit
// (UniteAffichage(): "temperature_F" and degrees Fahrenheit rounded to the
// tenth, 23.5 °C written 74.3). Readings in units with one decimal
// ("23.5", "-0.5") whatever the locale; time stamps in ISO 8601, local time with
// the offset of that instant ("2026-12-07T14:05:00+01:00", the offset changes
// with daylight saving within a file), or in UTC ("2026-12-07T13:05:00Z").
//
// Written beside the final name and renamed once complete: false when the file
// could not be written whole, any previous file of that name being left as it was.
bool EcrireCsv(const clsSerie& serie, const QString& fichier, bool utc);

// <dossier>/<nom>.csv, beside the recording's .ail.
QString CheminCsv(const QString& dossier, const QString& nom);

// The pieces of that format, for a program that writes rows as readings arrive.
// Header line for a sensor mask, "\n" included.
QByteArray EnteteCsv(int capteurs, enm_UNITE_TEMP unite = CELSIUS);
// One row, "\n" included: the time stamp (s since 1970 UTC) with decalage, the
// offset from UTC of that instant in seconds (ignored with utc), then the readings
// in tenths (of °C and of %) of the mask's channels, the temperature written in unite.
QByteArray LigneCsv(uint temps, int decalage, int temperature, int humidite, int capteurs, bool utc,
                    enm_UNITE_TEMP unite = CELSIUS);
// The time stamp alone: "2026-12-07T14:05:00+01:00", or "2026-12-07T13:05:00Z" with utc.
QByteArray DateIso8601(uint temps, int decalage, bool utc);
