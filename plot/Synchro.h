#pragma once

// How the curves of an analysis are laid on the x axis, fixed for the analysis
// when its first curve is added.
enum enm_SYNCHRO {
    SYNCHRO_NUMERO = 0, // point number, 1-based
    SYNCHRO_HEURE = 1,  // seconds since local midnight, 0 to 86399
    SYNCHRO_DATE = 2    // the time stamp, s since 1970-01-01 00:00 UTC
};
