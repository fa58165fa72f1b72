#pragma once

#include <QString>

class QPalette;

// The program's style sheet, set on the main window's content (and through it
// on the views and every dialog they open), never on the whole application nor
// on the main window itself: Qt's file, print and colour dialogs, its children,
// keep the desktop's look.
namespace Apparence
{

// Light text on dark windows: the desktop's theme is a dark one.
bool PaletteSombre(const QPalette& palette);

// ":/Style.qss" (Latin-1), followed by ":/StyleSombre.qss" for a dark palette.
// A missing file adds nothing.
QString FeuilleDeStyle(const QPalette& palette);

} // namespace Apparence
