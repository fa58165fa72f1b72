#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

// Where the program looks for the files that ship beside it (translations,
// manuals): the working directory first, then the program's own folder, then
// the install location, found from the program's folder (../share/vorsen-logger
// in an installed tree, wherever it was moved). Started from a desktop menu, the working directory is
// usually the home folder, so the working directory alone is not enough.
namespace Emplacements
{

QStringList Dossiers();

// First folder of dossiers holding nomFichier, + "/" + nomFichier; empty if none.
QString PremierExistant(const QStringList& dossiers, const QString& nomFichier);

// Loads base name + ".qm" from Dossiers(), then from the copies embedded under
// ":/i18n". Returns false when none was found.
bool ChargerTraduction(QTranslator& traducteur, const QString& base);

} // namespace Emplacements
