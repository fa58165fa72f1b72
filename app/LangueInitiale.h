#pragma once

#include "Langue.h"

#include <QString>
#include <QVariant>

// Interface language at start-up. stockee: the settings value "Langue", invalid
// when none is stored; French for 1, English for any other stored value.
// Without one (first start) the system's interface language decides:
// langueSysteme is its first user-interface language ("fr_FR", "fr-CA", "fr",
// "de-DE", "C"...): French for French in any country, English otherwise.
enm_LANGUE LangueInitiale(const QVariant& stockee, const QString& langueSysteme);
