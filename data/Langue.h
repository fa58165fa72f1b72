#pragma once

// Interface language, kept as an integer under the settings key "Langue".
// It also chooses the date formats: French day-first and 24-hour, any other
// value month-first and 12-hour.
enum enm_LANGUE { ANGLAIS = 0, FRANCAIS = 1 };
