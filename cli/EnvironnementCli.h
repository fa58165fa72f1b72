#pragma once

#include "Langue.h"

#include <QByteArray>

// What vorsen takes from its environment: the language of its messages and
// whether a stream is a terminal.
class EnvironnementCli
{
public:
    // French when the first of LC_ALL, LC_MESSAGES and LANG that is set and not
    // empty names French ("fr", "fr_FR.UTF-8", "fr_CA"), English otherwise (C and
    // POSIX included).
    static enm_LANGUE Langue(const QByteArray& lcAll, const QByteArray& lcMessages,
                             const QByteArray& lang);
    // The same from this process's environment.
    static enm_LANGUE LangueDuSysteme();
    // Installs the embedded translation of the language for every tr() text; the
    // application object must exist.
    static void InstallerTraduction(enm_LANGUE langue);
    // Whether the standard stream fd (1 or 2) is a terminal.
    static bool Terminal(int fd);
};
