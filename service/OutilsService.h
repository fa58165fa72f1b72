#pragma once

#include "DLL_Service1_global.h"

#include <QDate>
#include <QString>
#include <QUrl>

// Start-up checks happen at most once a month: due from the same day of the next
// month (or its last day when that month is shorter).
DLL_SERVICE1_EXPORT bool CheckMensuelDu(const QDate& dernierCheck, const QDate& aujourdhui);

// Address of a file of the web service: base address ("AccesTessaro") and path
// joined as text. Invalid when the result is not http or https, or leaves the
// host and port of the base address.
DLL_SERVICE1_EXPORT QUrl UrlService(const QString& base, const QString& chemin);

// A text quoted for /bin/sh: nothing inside is interpreted.
DLL_SERVICE1_EXPORT QString GuillemetsShell(const QString& texte);

// The hand-over script "Patch.sh": runs the silent installer from the data folder,
// then starts the program again from its working folder.
DLL_SERVICE1_EXPORT QString ScriptInstallation(const QString& dossierDonnees,
                                               const QString& dossierCourant,
                                               const QString& programme);
