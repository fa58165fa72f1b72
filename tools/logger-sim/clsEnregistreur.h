#pragma once

#include "clsGenerateur.h"

#include <QByteArray>
#include <QString>

// The logger itself, without any I/O: its state (identification, recording
// parameters, alarms, clock) and its answer to one command line. Times are
// logger seconds (clsTempsLogger); the caller passes the PC's current logger
// time so that everything here stays reproducible.
class clsEnregistreur
{
public:
    enum Action {
        AUCUNE,
        TELECHARGEMENT, // send NbreLignesDonnees() data lines after the reply
        TEMPS_REEL,     // send one data line per period from now on
        ARRET           // stop streaming and any download in progress
    };

    struct Resultat {
        QByteArray Reponse; // reply line without its CR; empty: no reply
        Action Suite = AUCUNE;
    };

    // Start codes of command "S" up to this value are modes; above, a programmed start.
    static constexpr quint32 DernierMode = 5;
    static constexpr quint32 ModeTempsReel = 2;

    void SetIdentifiants(const QString& id, const QString& modele, const QString& info);
    void SetParametres(quint16 nbrePoints, quint16 frequence, const QString& unite, quint32 debut,
                       quint8 capteurs);
    void SetGraine(quint32 graine) { m_generateur = clsGenerateur(graine); }

    // Carries out one command line (without its line end). Malformed or unknown
    // commands are ignored, as the logger does: no reply, no change.
    Resultat Traiter(const QByteArray& ligne, qint64 maintenantPc);

    // "i ID MODEL INFO"
    QByteArray LigneIdentifiants() const;
    // "m NbrePoints Frequence Unite HIGH LOW Capteurs", start in hexadecimal halves.
    QByteArray LigneParametres() const;
    // Data lines of a download: NbrePoints / 2 with both sensors, NbrePoints otherwise.
    int NbreLignesDonnees() const;
    // "d T H", "d T" or "d H": the reading taken at Debut + index × Frequence.
    QByteArray LigneDonnees(qint64 index) const;
    // The logger's clock at the PC's logger time maintenantPc.
    qint64 Horloge(qint64 maintenantPc) const { return maintenantPc + m_decalageHorloge; }

    QString ID() const { return m_id; }
    QString Modele() const { return m_modele; }
    bool Lcd() const { return m_lcd; }
    quint16 NbrePoints() const { return m_nbrePoints; }
    quint16 Frequence() const { return m_frequence; }
    QString Unite() const { return m_unite; }
    quint32 Debut() const { return m_debut; }
    quint8 Capteurs() const { return m_capteurs; }
    quint32 Mode() const { return m_mode; }
    // Thresholds as received: mask, TempMax, TempMin, HumiMax, HumiMin (tenths).
    const int* Alarmes() const { return m_alarmes; }

private:
    Resultat Programmer(const QList<QByteArray>& champs, qint64 maintenantPc);
    Resultat ProgrammerAlarmes(const QList<QByteArray>& champs);

    QString m_id = QStringLiteral("DEMO");
    QString m_modele = QStringLiteral("71240");
    QString m_info = QStringLiteral("V1.0");
    bool m_lcd = true;
    quint16 m_nbrePoints = 3000;
    quint16 m_frequence = 60;
    QString m_unite = QStringLiteral("M");
    quint32 m_debut = 0;
    quint8 m_capteurs = 3;
    quint32 m_mode = 1;
    int m_alarmes[5] = {0, 0, 0, 0, 0};
    qint64 m_decalageHorloge = 0; // logger clock minus PC clock, s
    clsGenerateur m_generateur;
};
