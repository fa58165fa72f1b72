#ifndef APPARENCE_H
#define APPARENCE_H

#include <QString>

class QPalette;

// The program's style sheet, set on its own windows (the main window and,
// through it, every dialog it opens), never on the whole application: Qt's
// file, print and colour dialogs keep the desktop's look.
namespace Apparence
{

// Light text on dark windows: the desktop's theme is a dark one.
bool PaletteSombre(const QPalette& palette);

// ":/Style.qss" (Latin-1), followed by ":/StyleSombre.qss" for a dark palette.
// A missing file adds nothing.
QString FeuilleDeStyle(const QPalette& palette);

} // namespace Apparence

#endif
