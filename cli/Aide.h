#pragma once

#include "LigneCommande.h"

#include <QCoreApplication>
#include <QString>

// The texts of --help and --version, in the interface language.
class Aide
{
    Q_DECLARE_TR_FUNCTIONS(Aide)

public:
    // The program's help without a command, the command's help otherwise.
    static QString Texte(enm_COMMANDE commande);
    static QString Version();
    // After a usage error: where to find the right use.
    static QString Renvoi(enm_COMMANDE commande);
};
