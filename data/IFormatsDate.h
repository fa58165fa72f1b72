#pragma once

#include "Langue.h"

#include <QString>

// What the two views ask of the main window that hosts them: the interface
// language and its date formats. The views find it through their parent
// (dynamic_cast), so they never include the main window.
class IFormatsDate
{
public:
    virtual ~IFormatsDate() = default;

    virtual enm_LANGUE Langue() const = 0;
    virtual QString FormatDate() const = 0;      // " dd/MM/yyyy" or " MM/dd/yyyy"
    virtual QString FormatDateHeure() const = 0; // two lines: date, then time
    virtual QString FormatHeure() const = 0;     // "hh:mm:ss" or "h:mm:ss AP"
};
