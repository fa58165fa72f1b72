#pragma once

#include <qwt_interval.h>

// Value axis of a recording whose readings (tenths) lie in [minimum, maximum]:
// an eighth of the range (integer division, at least 1) is added on each side,
// so that 180..260 gives [170, 270] and 200..200 gives [199, 201].
QwtInterval IntervalleMesures(int minimum, int maximum);
