#pragma once

#include <QDateTime>

// The three tied quantities of a programmable-start recording:
// end = start + points per sensor × period.
struct TS_PROGRAMME {
    QDateTime Debut;
    QDateTime Fin;
    int Periode = 1;   // sampling period, s
    int Milliers = 32; // readings of all sensors together, thousands (1 to 32)
};

// Which of the three quantities is derived from the two others.
enum enm_AJUSTE { AJUSTE_FIN, AJUSTE_PERIODE, AJUSTE_POINTS };

// Derives the adjusted quantity of p from the two others, for nCapteurs sensors
// (1 or 2) and a period of at most periodeMax seconds. Integer arithmetic,
// divisions truncated toward zero; durations are real elapsed seconds, so a
// daylight-saving change inside the span counts as it happens.
TS_PROGRAMME CalculProgramme(TS_PROGRAMME p, enm_AJUSTE ajuste, int nCapteurs, int periodeMax);
