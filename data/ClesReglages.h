#pragma once

#include "Grandeurs.h"

#include <QColor>
#include <QString>

// Application settings, keys of the default QSettings (organisation
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
//   "EnergieActivation"
//                  int, K: the activation energy over the gas constant (ΔH/R) of
//                  the analysis' mean kinetic temperature. Default 10000 (83.144
//                  kJ/mol); a value below 1 reads as the default.
//   "UniteTemperature"
//                  int, the unit temperatures are shown in (enm_UNITE_TEMP: 0 °C,
//                  1 °F). Default 0; any value other than 1 means °C.
//
// And one group per logger:
//
//   "Alarmes/<identifier>/Actives", ".../TempMax", ".../TempMin", ".../HumiMax",
//   ".../HumiMin"
//                  int, the alarm thresholds last programmed into that logger from
//                  this program: the enable mask (1 TempMax, 2 TempMin, 4 HumiMax,
//                  8 HumiMin) and the four thresholds in tenths of a degree or of a
//                  percent, enabled or not. <identifier> is the logger's identifier
//                  percent-encoded, lower-case letters included (CleAlarmes), so that
//                  a "/", a backslash or a change of case never merges two loggers.
//                  No default: absent until the logger is programmed; an empty
//                  identifier is never stored.
//
//   "Telechargements/<identifier>/DateDebut", ".../Points"
//                  unsigned 32-bit and int, the recording last downloaded whole from
//                  that logger: its start (s since 1970 UTC) and its points per
//                  sensor, so that a later programming knows whether it erases
//                  readings that were never downloaded. <identifier> encoded as
//                  for the alarms. Absent until a download completes.
//
// Values are read and written through short-lived default QSettings objects at the
// point of use (window constructors and destructors, language change, the alarm
// dialog).
namespace ClesReglages
{

inline constexpr char Langue[] = "Langue";
inline constexpr char CheminDatas[] = "CheminDatas";
inline constexpr char UniteTemperature[] = "UniteTemperature";
inline constexpr char EnergieActivation[] = "EnergieActivation";
inline constexpr int EnergieActivationParDefaut = 10000; // K

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

// Alarm thresholds of one logger, tenths.
struct SeuilsAlarmes {
    int Actives = 0; // 1 TempMax, 2 TempMin, 4 HumiMax, 8 HumiMin
    int TempMax = 0;
    int TempMin = 0;
    int HumiMax = 0;
    int HumiMin = 0;
};

// Group of one logger's thresholds: "Alarmes/" followed by the encoded identifier.
QString CleAlarmes(const QString& identifiant);

// Readers with their defaults, and writers.
int LireLangue();
void EcrireLangue(int langue);
QString LireCheminDatas();
void EcrireCheminDatas(const QString& chemin);
enm_UNITE_TEMP LireUniteTemp();
void EcrireUniteTemp(enm_UNITE_TEMP unite);
QColor LirePalette(int position);
void EcrirePalette(int position, const QColor& couleur);
int LireEnergieActivation();
void EcrireEnergieActivation(int kelvins);
// False when nothing is stored for this identifier; a stored group fills *seuils,
// each missing value keeping what *seuils held.
bool LireAlarmes(const QString& identifiant, SeuilsAlarmes* seuils);
void EcrireAlarmes(const QString& identifiant, const SeuilsAlarmes& seuils);

// The recording last downloaded whole from a logger.
struct Telechargement {
    uint DateDebut = 0; // s since 1970 UTC
    int Points = 0;     // per sensor
};
// False, *telechargement unchanged, when none is stored for this identifier.
bool LireTelechargement(const QString& identifiant, Telechargement* telechargement);
void EcrireTelechargement(const QString& identifiant, const Telechargement& telechargement);

} // namespace ClesReglages
