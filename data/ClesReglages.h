#pragma once

#include <QColor>
#include <QString>

// Application settings, all top-level keys of the default QSettings (organisation
// "Vorsen", application "Vorsen_Logger", set by main() before any window exists).
// Every key the program stores is listed here with its default.
//
//   "Langue"       int, interface language (enm_LANGUE: 0 English, 1 French).
//                  Default 0. Any value other than 1 means English.
//   "CheminDatas"  text, data folder shared by the two views.
//                  Default: the home folder; an empty text also means the home folder.
//   "Palette0" ... "Palette13"
//                  unsigned 32-bit colour (QColor::rgb(), alpha in the top byte) of
//                  each analysis palette position. Default: PaletteParDefaut(position).
//
// Values are read and written through short-lived default QSettings objects at the
// point of use (window constructors and destructors, language change).
namespace ClesReglages
{

inline constexpr char Langue[] = "Langue";
inline constexpr char CheminDatas[] = "CheminDatas";

// Number of palette positions, keys "Palette0" to "Palette13".
inline constexpr int NbreCouleursPalette = 14;

// Key of one palette position: "Palette" followed by the position, no separator.
inline QString Palette(int position)
{
    return QStringLiteral("Palette") + QString::number(position);
}

// Default analysis colour of a palette position (red stands at 0 and 10).
// A position outside 0..13 gives black.
QColor PaletteParDefaut(int position);

// Readers with their defaults, and writers.
int LireLangue();
void EcrireLangue(int langue);
QString LireCheminDatas();
void EcrireCheminDatas(const QString& chemin);
QColor LirePalette(int position);
void EcrirePalette(int position, const QColor& couleur);

} // namespace ClesReglages
