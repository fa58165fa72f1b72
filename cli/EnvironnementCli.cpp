#include "EnvironnementCli.h"

#include "ressources.h"

#include <QCoreApplication>
#include <QTranslator>

#include <unistd.h>

enm_LANGUE EnvironnementCli::Langue(const QByteArray& lcAll, const QByteArray& lcMessages,
                                    const QByteArray& lang)
{
    for (const QByteArray& valeur : {lcAll, lcMessages, lang}) {
        if (valeur.isEmpty())
            continue;
        const bool francais = valeur == "fr" || valeur.startsWith("fr_") ||
                              valeur.startsWith("fr.") || valeur.startsWith("fr@");
        return francais ? FRANCAIS : ANGLAIS;
    }
    return ANGLAIS;
}

enm_LANGUE EnvironnementCli::LangueDuSysteme()
{
    return Langue(qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG"));
}

void EnvironnementCli::InstallerTraduction(enm_LANGUE langue)
{
    initRessources();
    // The French one puts back the accents the source texts lack.
    static QTranslator traducteur;
    const QString nom = langue == FRANCAIS ? QStringLiteral("Vorsen_Logger_fr")
                                           : QStringLiteral("Vorsen_Logger_en");
    if (traducteur.load(QStringLiteral(":/i18n/") + nom + QStringLiteral(".qm")))
        QCoreApplication::installTranslator(&traducteur);
}

bool EnvironnementCli::Terminal(int fd)
{
    return ::isatty(fd) == 1;
}
