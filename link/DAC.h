#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QObject>
#include <QString>

// One raw reading as the logger sends it (tenths of °C or of % RH).
typedef quint16 word;

// Scope of the three records exchanged with a logger. Carries meta-object
// information only, so the records can be registered and travel in signals.
class DAC
{
    Q_GADGET

public:
    // Identification of one logger (reply to "I").
    struct TS_IDENTIFIANTS {
        QString ID;     // chosen by the user
        QString Modele; // "71240", "71240VX" or "71246"
        QString Info;   // third field of the reply, kept as is
    };

    // Recording parameters (reply to "M", download header, command "S").
    struct TS_PARAMETRES {
        quint16 NbrePoints = 0; // readings, all enabled sensors together
        quint16 Frequence = 0;  // sampling period, s
        QString Unite;          // "M" metric, "I" imperial
        quint32 DateDebut = 0;  // read: start, s since 1970 UTC; written: start code
        quint8 Capteurs = 0;    // 1 temperature, 2 humidity, 3 both
    };

    // Alarm thresholds (command "A"), tenths.
    struct TS_ALARMES {
        quint8 Actives = 0; // 1 TempMax, 2 TempMin, 4 HumiMax, 8 HumiMin
        qint16 TempMax = 0;
        qint16 TempMin = 0;
        qint16 HumiMax = 0;
        qint16 HumiMin = 0;
    };
};

Q_DECLARE_METATYPE(DAC::TS_IDENTIFIANTS)
Q_DECLARE_METATYPE(DAC::TS_PARAMETRES)
Q_DECLARE_METATYPE(DAC::TS_ALARMES)

// Seconds from 2010-01-01 00:00:00.000 local time (the logger's clock base) to t.
// A logger takes the low 32 bits as an unsigned number.
qint64 SecondesDepuis2010(const QDateTime& t);

// Logger time given as two hexadecimal 16-bit halves -> seconds since
// 1970-01-01 00:00:00 UTC. A half that does not parse counts as 0.
quint32 DateDepuisHexa(const QString& haut, const QString& bas);

// Number of instants a recording holds: with both sensors (Capteurs 3) the logger
// interleaves two readings per instant, so NbrePoints / 2; otherwise NbrePoints.
int PointsParCapteur(quint16 NbrePoints, quint8 Capteurs);
int PointsParCapteur(const DAC::TS_PARAMETRES& Params);
