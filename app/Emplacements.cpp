#include "Emplacements.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>

namespace Emplacements
{

QStringList Dossiers()
{
    QStringList dossiers{QDir::currentPath(), QCoreApplication::applicationDirPath()};
#ifdef VORSEN_DATADIR_RELATIF
    // The installed tree moves as a whole (prefix, package, copied folder).
    dossiers << QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                QStringLiteral("/" VORSEN_DATADIR_RELATIF));
#endif
    dossiers.removeDuplicates();
    return dossiers;
}

QString PremierExistant(const QStringList& dossiers, const QString& nomFichier)
{
    for (const QString& dossier : dossiers) {
        const QString chemin = dossier + QLatin1Char('/') + nomFichier;
        if (QFileInfo(chemin).isFile())
            return chemin;
    }
    return QString();
}

bool ChargerTraduction(QTranslator& traducteur, const QString& base)
{
    const QString nom = base + QStringLiteral(".qm");
    const QString chemin = PremierExistant(Dossiers(), nom);
    if (!chemin.isEmpty() && traducteur.load(chemin))
        return true;
    return traducteur.load(QStringLiteral(":/i18n/") + nom);
}

} // namespace Emplacements
