#pragma once

#include "clsConfigSim.h"
#include "clsEnregistreur.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QObject>
#include <QRandomGenerator>

class clsPseudoTerminal;
class QSocketNotifier;
class QTimer;

// Serves one simulated logger on a pseudo-terminal: hands each received line
// to the logger, sends its reply with the faults asked for on the command
// line, feeds downloads and the real-time stream, and unplugs on request.
class clsSimulateur : public QObject
{
    Q_OBJECT

public:
    explicit clsSimulateur(const clsConfigSim& config, QObject* parent = nullptr);

    // Creates the pty and its link; false with the reason when that fails.
    bool Demarrer(QString* erreur);
    // SIGTERM, SIGINT and SIGHUP remove the link and end the event loop with 0.
    bool InstallerSignaux(QString* erreur);

private slots:
    void SLOT_Ligne(const QByteArray& ligne);
    void SLOT_Remplir();
    void SLOT_TempsReel();
    void SLOT_Signal();
    void SLOT_Debrancher();

private:
    void Executer(const clsEnregistreur::Resultat& resultat);
    void Repondre(const QByteArray& reponse);
    void EnvoyerDonnee(const QByteArray& ligne);
    void CompterLigne();
    void Arreter();
    void Journaliser(const QByteArray& ligne);

    clsConfigSim m_config;
    clsEnregistreur m_enregistreur;
    clsPseudoTerminal* m_pty;
    QFile m_journal;
    QTimer* m_tempsReel;
    qint64 m_indexTempsReel = 0;
    qint64 m_indexTelechargement = 0;
    qint64 m_finTelechargement = 0;
    bool m_remplissage = false;
    quint64 m_generation = 0; // bumped when streaming or a download is stopped
    QMap<char, int> m_echecsFaits;
    QMap<char, int> m_recues; // commands received, by letter
    qint64 m_lignesEnvoyees = 0;
    bool m_debranchement = false;
    bool m_muet = false; // --silent-after reached: nothing is sent any more
    QTimer* m_debrancher;
    QElapsedTimer m_attenteLecture;
    QRandomGenerator m_hasard;
    QSocketNotifier* m_signal = nullptr;
};
