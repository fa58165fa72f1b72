#pragma once

// Starts the logger simulator (VORSEN_BIN_DIR/logger-sim) for a test: its
// pseudo-terminal is reached through a symlink inside a temporary folder, and
// every line it receives is logged to a file there. Stopped (SIGTERM) at
// destruction at the latest.
//
//     Simulateur sim;
//     QVERIFY2(sim.Demarrer({"--points", "200"}), qPrintable(sim.Erreur()));
//     CPortSerie port(sim.Lien());
//     ...
//     QTRY_COMPARE(sim.LignesRecues().last(), QString("S 60 M 1 32 3"));

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class Simulateur : public QObject
{
    Q_OBJECT

public:
    explicit Simulateur(QObject* parent = nullptr);
    ~Simulateur() override;

    // Path of the simulator's binary.
    static QString Programme();
    static bool Disponible();

    // Starts it with --link and --log set here, followed by options; returns once
    // it has printed its ready line (false on failure, see Erreur()).
    bool Demarrer(const QStringList& options = {}, int delaiMs = 10000);
    // SIGTERM, then waits for the exit (kills after delaiMs). Returns whether it
    // exited by itself with code 0.
    bool Arreter(int delaiMs = 5000);

    bool EnMarche() const { return m_processus.state() != QProcess::NotRunning; }
    // The symlink to the simulator's pseudo-terminal: give it to CPortSerie.
    QString Lien() const { return m_lien; }
    // Lines the simulator received, oldest first, without CR LF.
    QStringList LignesRecues() const;
    // Why Demarrer failed, with what the simulator wrote on stderr.
    QString Erreur() const { return m_erreur; }
    QProcess& Processus() { return m_processus; }

private:
    QTemporaryDir m_dossier;
    QString m_lien;
    QString m_journal;
    QProcess m_processus;
    QString m_erreur;
};
