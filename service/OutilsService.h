#pragma once

#include <QDate>
#include <QString>
#include <QUrl>

// Start-up checks happen at most once a month: due from the same day of the next
// month (or its last day when that month is shorter).
bool CheckMensuelDu(const QDate& dernierCheck, const QDate& aujourdhui);

// Address of a file of the web service: base address ("AccesTessaro") and path
// joined as text. Invalid when the result is not http or https, or leaves the
// host and port of the base address.
QUrl UrlService(const QString& base, const QString& chemin);

// A text quoted for /bin/sh: nothing inside is interpreted.
QString GuillemetsShell(const QString& texte);

// The hand-over script "Patch.sh": runs the silent installer from the data folder,
// then starts the program again from its working folder.
QString ScriptInstallation(const QString& dossierDonnees, const QString& dossierCourant,
                           const QString& programme);
