#pragma once

#include "Presentation.h"
#include "Sortie.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>

class CPortSerie;

// vorsen's link to one logger: the port opened by path or found by the logger's
// identifier, the identification and parameters read, the commands sent with the
// retries the program makes, and every failure turned into an exit status with
// its message.
class clsLiaison
{
    Q_DECLARE_TR_FUNCTIONS(clsLiaison)

public:
    // Attempts in all: a read is tried three times, a programming command twice.
    static constexpr int EssaisLecture = 3;
    static constexpr int EssaisProgrammation = 2;

    clsLiaison();
    ~clsLiaison();

    // portOuId: a device path, a device name under /dev, or the identifier of a
    // logger on one of the listed ports. Opens the port and reads the logger's
    // identification and parameters.
    enm_SORTIE Ouvrir(const QString& portOuId);
    void Fermer();

    enm_SORTIE LireIdentifiants();
    enm_SORTIE LireParametres();
    // Sends a programming command (nom: its letter, for the message) until the
    // logger takes it, EssaisProgrammation times at most.
    enm_SORTIE Programmer(const QString& nom, const std::function<bool(CPortSerie&)>& commande);
    // Ends a real-time stream: the logger's reply is not needed.
    void ArreterFlux();

    CPortSerie* Port() const { return m_Port.get(); }
    const TS_ENREGISTREUR& Enregistreur() const { return m_Enregistreur; }
    // Why the last operation failed: one message a line.
    QString Message() const { return m_Message; }

    // One listed port, as `list` reports it: opened, identified, closed.
    static enm_SORTIE Sonder(const QString& port, TS_ENREGISTREUR* enregistreur, QString* message);

private:
    enm_SORTIE OuvrirPort(const QString& port);
    // Identification at the first contact (essais attempts): silence there means no logger.
    enm_SORTIE Identifier(int essais);
    // After a failed command: lost, silent or refused.
    enm_SORTIE Echec(const QString& nom);

    std::unique_ptr<CPortSerie> m_Port;
    TS_ENREGISTREUR m_Enregistreur;
    QString m_Message;
};
