#pragma once

#include "ClesReglages.h"
#include "DAC.h"

#include <QDateTime>
#include <QString>

// What a logger takes when it is programmed, and the checks made before anything
// is sent: the same for the programming dialogs and the command line.
namespace ReglesProgrammation
{

// Sampling period, s: 1 s to 6:59:59.
constexpr int PeriodeMin = 1;
constexpr int PeriodeMax = 25199;
// Readings of all sensors together, in thousands: 1000 to 32000.
constexpr int MilliersMin = 1;
constexpr int MilliersMax = 32;
// Identifier: 1 to 20 of A-Z, 0-9 and "_" (one field of the command line, no blank).
constexpr int LongueurMaxIdentifiant = 20;
// Alarm thresholds, tenths: what the sensors measure, -40.0 to 100.0 °C and
// 0.0 to 100.0 % RH.
constexpr int TemperatureMin = -400;
constexpr int TemperatureMax = 1000;
constexpr int HumiditeMin = 0;
constexpr int HumiditeMax = 1000;

// Mode codes of a programming (DateDebut of the "S" command); a programmable
// start is sent as its time in logger seconds instead.
enum enm_MODE {
    MODE_IMMEDIAT = 1,
    MODE_TEMPS_REEL = 2,
    MODE_MANUEL = 3,
    MODE_PROGRAMMABLE = 4,
    MODE_CONTINU = 5
};

// A programmable start from 2010-01-01 00:00:00 to 2099-12-31 23:59:59, local time.
QDateTime DebutMin();
QDateTime DebutMax();

// A programmable start that is not after the present second, compared in the
// logger's seconds as it is sent (the logger's clock is set from the PC's just
// before).
bool DebutPasse(const QDateTime& debut, const QDateTime& maintenant);

// 1 to LongueurMaxIdentifiant characters, each of A-Z, 0-9 and "_".
bool IdentifiantValide(const QString& id);

// Whether a model measures humidity: every model but the 71246 (code 3).
bool MesureHumidite(int codeModele);

// The thresholds sent to a logger: the enabled mask limited to temperature on a
// logger without humidity, and 0 for every threshold not in force.
DAC::TS_ALARMES AlarmesEnvoyees(const ClesReglages::SeuilsAlarmes& seuils, bool humidite);
// A minimum not below its maximum, both in force, for either sensor.
bool SeuilsInverses(const DAC::TS_ALARMES& alarmes);

// Readings a programming may erase without their having been downloaded: the
// logger reports pointsEnregistreur per sensor, pointsTelecharges of them have
// been received (and are in a file). 0 when nothing would be lost.
int MesuresNonTelechargees(int pointsEnregistreur, int pointsTelecharges);

} // namespace ReglesProgrammation
