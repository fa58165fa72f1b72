#pragma once

#include <QDateTime>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

// The simulator's options, read from its command line. Command letters are
// kept in upper case.
class clsConfigSim
{
public:
    enum Lecture { OK, AIDE, ERREUR };

    // Reads args (args[0] is the program name). On AIDE, message holds the
    // help text; on ERREUR, the reason.
    static Lecture Lire(const QStringList& args, clsConfigSim* config, QString* message);

    QString Lien; // symlink to the pseudo-terminal's slave
    QString ID = QStringLiteral("DEMO");
    QString Modele = QStringLiteral("71240");
    QString Info = QStringLiteral("V1.0");
    int NbrePoints = 3000; // readings, all sensors together
    int Capteurs = 3;
    int Frequence = 60; // sampling period, s
    QString Unite = QStringLiteral("M");
    QDateTime Debut;      // invalid: now minus the recording's duration
    bool Cadence = false; // 38400 baud 8N1 pacing
    double Echelle = 1.0; // wall time per logger second in real time
    QString Journal;      // log of received lines, "-" for stderr
    quint32 Graine = 1;
    QSet<char> SansReponse;
    QMap<char, int> Retards;     // command → delay of its reply, ms
    bool Scinder = false;        // replies in two writes ~50 ms apart
    bool Parasites = false;      // junk line before each reply
    bool SansCr = false;         // replies without their CR
    bool QuestionS = false;      // "?" reply to S
    QMap<char, int> Echecs;      // command → number of first replies with tag "x"
    QMap<char, int> AvantEchecs; // command → replies served normally before those failures
    int DebrancherApres = 0;     // lines sent before unplugging; 0: never
    int SilenceApres = 0;        // lines sent before falling silent, port open; 0: never

    // Delay of the split reply's second half, ms.
    static constexpr int DelaiScission = 50;
};
