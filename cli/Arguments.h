#pragma once

#include "ClesReglages.h"
#include "DAC.h"
#include "LigneCommande.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

// A programming as the command line asks for it.
struct TS_PROGRAMMATION {
    DAC::TS_PARAMETRES Params; // as sent: DateDebut holds the mode code or the start
    int Mode = 1;              // 1 immediate, 2 real time, 3 manual, 4 programmable, 5 continuous
    QDateTime Debut;           // programmable start, local time
};

// The values of vorsen's options, read and checked without any I/O. Each reader
// returns false with a translated message in *erreur when the text is refused.
class Arguments
{
    Q_DECLARE_TR_FUNCTIONS(Arguments)

public:
    // Sampling period: seconds ("60") or H:MM:SS ("1:30:00"), 1 s to 6:59:59.
    static bool Periode(const QString& texte, int* secondes, QString* erreur);
    // Readings of all sensors together: 1000 to 32000, whole thousands.
    static bool Points(const QString& texte, int* milliers, QString* erreur);
    // "temp", "humi" or both separated by a comma ("temperature", "humidity" too):
    // the sensor mask 1, 2 or 3.
    static bool Capteurs(const QString& texte, int* masque, QString* erreur);
    // immediate, realtime, manual, programmable, continuous: mode code 1 to 5.
    static bool Mode(const QString& texte, int* code, QString* erreur);
    // metric or imperial: "M" or "I".
    static bool Unite(const QString& texte, QString* unite, QString* erreur);
    // ISO 8601 date and time, local unless it carries an offset or Z
    // ("2026-12-08T08:00", "2026-12-08 08:00:30", "2026-12-08T07:00Z"), within
    // the logger's calendar (2010 to 2099). Returned in local time.
    static bool Debut(const QString& texte, QDateTime* debut, QString* erreur);
    // A threshold in degrees or percent with one decimal at most ("-5", "8.5",
    // "8,5"), within [min, max] tenths: tenths.
    static bool Seuil(const QString& texte, int min, int max, int* dixiemes, QString* erreur);
    // on or off.
    static bool Afficheur(const QString& texte, bool* allume, QString* erreur);

    // program: the mode, and period, points, sensors and unit when given (else
    // those the logger has now: actuels), checked as the programming dialog checks
    // them: a start only in programmable mode, required there and in the future; no
    // humidity sensor when the model has none.
    static bool Programmation(const TS_LIGNE& ligne, const DAC::TS_PARAMETRES& actuels,
                              bool humidite, const QDateTime& maintenant, TS_PROGRAMMATION* prog,
                              QString* erreur);
    // monitor: real-time mode with the logger's own settings, --period aside.
    static bool TempsReel(const TS_LIGNE& ligne, const DAC::TS_PARAMETRES& actuels, bool humidite,
                          TS_PROGRAMMATION* prog, QString* erreur);
    // alarms: the thresholds given are in force, the others off; a minimum below its
    // maximum; no humidity threshold when the model has none.
    static bool Alarmes(const TS_LIGNE& ligne, bool humidite, ClesReglages::SeuilsAlarmes* seuils,
                        QString* erreur);
    // set-id: NEWID (letters turned into capitals) and the display (on unless given).
    static bool Identifiant(const TS_LIGNE& ligne, QString* id, bool* afficheur, QString* erreur);
};
