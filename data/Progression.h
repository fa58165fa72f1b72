#pragma once

#include <QtGlobal>

// A progress bar repaints itself through the style sheet each time its value
// moves: a download or an export of 16000 rows moves it when the whole
// percentage it shows changes, about 100 times, not 16000.

// Whether a bar running from minimum to maximum shows another whole percentage
// at valeur than at precedent.
inline bool PourcentageChange(qint64 precedent, qint64 valeur, qint64 minimum, qint64 maximum)
{
    const qint64 etendue = maximum - minimum;
    if (etendue <= 0)
        return precedent != valeur;
    return (precedent - minimum) * 100 / etendue != (valeur - minimum) * 100 / etendue;
}
