#pragma once

#include "Langue.h"

#include <QString>

// The analysis report of one saved recording, every rubric, its curves in their
// palette colours: the only part of vorsen that needs widgets and the plot. Runs
// inside a QApplication (on the offscreen platform when there is no display).
class RapportPdf
{
public:
    // ail: the recording's header file; pdf: the report written. False when the
    // recording could not be read or the report written (no file is left then).
    static bool Ecrire(const QString& ail, const QString& pdf, enm_LANGUE langue);
};
