#pragma once

#include "AccesPort.h"

#include <QList>
#include <QString>
#include <QStringList>

// The ports the user has been told about: one notice per port and run, kept
// until the port goes away or opens after all. Port names compare without case.
class clsRefusPorts
{
public:
    struct Entree {
        QString Port;
        RefusPort Refus = RefusPort::Aucun;
        QString Groupe; // owner of the device node, for RefusPort::Droits
    };

    // Notes the outcome of an attempt to open a port. Returns true when the notices
    // changed: a new refusal, another kind of refusal, or a refusal cleared (Aucun).
    bool Noter(const QString& port, RefusPort refus, const QString& groupe = QString());
    // Forgets the ports missing from portsPresents; true when one was forgotten.
    bool Oublier(const QStringList& portsPresents);

    QList<Entree> Entrees() const { return m_Entrees; }

private:
    int Chercher(const QString& port) const;

    QList<Entree> m_Entrees; // in the order noticed
};
