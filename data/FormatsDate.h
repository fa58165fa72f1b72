#pragma once

#include "Langue.h"

#include <QString>

// The date and time formats the program shows, by interface language: French
// day-first and 24-hour, English month-first and 12-hour. Files keep their own
// stored formats (TexteDate).

QString FormatDate(enm_LANGUE langue);      // " dd/MM/yyyy" or " MM/dd/yyyy"
QString FormatHeure(enm_LANGUE langue);     // "hh:mm:ss" or "h:mm:ss AP"
QString FormatDateHeure(enm_LANGUE langue); // the two on two lines

// An axis value as whole seconds for the date and time functions: truncated
// toward zero, NaN as 0, held within +-2^40 s (35 000 years) so that no
// conversion overflows. An axis may run below 0 or beyond 32 bits.
qint64 SecondesAxe(double valeur);

// A count of seconds read as a time of day: past 24 h it wraps, before 0 it
// counts back from midnight. 90061 gives 3661 (01:01:01).
int SecondesDuJour(qint64 secondes);
// That time of day written with a time format: "01:01:01".
QString TexteHeureDuJour(qint64 secondes, const QString& format);
