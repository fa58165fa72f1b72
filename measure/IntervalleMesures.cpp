#include "IntervalleMesures.h"

QwtInterval IntervalleMesures(int minimum, int maximum)
{
    // 64 bits: raw readings reach 65535 and a preset maximum may sit below the minimum.
    qint64 marge = (qint64(maximum) - qint64(minimum)) / 8;
    if (marge == 0)
        marge = 1;
    return QwtInterval(double(minimum - marge), double(maximum + marge));
}
