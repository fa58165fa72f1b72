#pragma once

#include "DAC.h"
#include "Langue.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// One logger as vorsen reports it.
struct TS_ENREGISTREUR {
    QString Port;
    DAC::TS_IDENTIFIANTS Ids;
    DAC::TS_PARAMETRES Params;
};

// What vorsen writes, without any I/O: loggers as JSON objects and as text, the
// progress bar, durations. Texts in the interface language; JSON in fixed English
// keys, numbers as numbers, times in ISO 8601 with the offset of their instant.
class Presentation
{
    Q_DECLARE_TR_FUNCTIONS(Presentation)

public:
    // {"port", "id", "model", "info", "readings", "points", "period", "unit",
    //  "sensors", "start"}: readings counts all sensors together, points the
    // instants (readings / 2 with both sensors); period in s; unit "metric" or
    // "imperial"; sensors a list of "temperature" and "humidity".
    static QJsonObject Json(const TS_ENREGISTREUR& e);
    // "2026-12-07T14:05:00+01:00": local time of a time stamp with its offset.
    static QString DateIso(uint temps);

    // "Label : value" lines of `info`.
    static QStringList Fiche(const TS_ENREGISTREUR& e, enm_LANGUE langue);
    // The table of `list`: a header line, then one line per logger, columns aligned.
    static QStringList Tableau(const QList<TS_ENREGISTREUR>& enregistreurs, enm_LANGUE langue);

    // The sensors of a mask: "température, humidité".
    static QString TexteCapteurs(int capteurs);
    // Seconds as "0:07", "12:30" or "1:02:03".
    static QString Duree(qint64 secondes);
    // A progress line of `largeur` characters of bar, then the points, the rate and
    // the time left: "[#####.....] 800/1600 points, 400 points/s, 0:02 restantes".
    // secondes: time since the first point was awaited.
    static QString Barre(int recus, int attendus, double secondes, int largeur = 30);
};
