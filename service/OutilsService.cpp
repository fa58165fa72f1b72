#include "OutilsService.h"

#include <QStringList>

bool CheckMensuelDu(const QDate& dernierCheck, const QDate& aujourdhui)
{
    return dernierCheck.addMonths(1) <= aujourdhui;
}

QUrl UrlService(const QString& base, const QString& chemin)
{
    const QUrl urlBase(base, QUrl::StrictMode);
    const QUrl url(base + chemin, QUrl::StrictMode);
    const QString schema = urlBase.scheme().toLower();
    if (!urlBase.isValid() || !url.isValid() || urlBase.host().isEmpty() ||
        (schema != QLatin1String("http") && schema != QLatin1String("https")))
        return QUrl();
    if (url.scheme().toLower() != schema ||
        url.host().compare(urlBase.host(), Qt::CaseInsensitive) != 0 ||
        url.port() != urlBase.port() || url.userInfo() != urlBase.userInfo())
        return QUrl();
    return url;
}

QString GuillemetsShell(const QString& texte)
{
    QString t = texte;
    t.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + t + QLatin1Char('\'');
}

QString ScriptInstallation(const QString& dossierDonnees, const QString& dossierCourant,
                           const QString& programme)
{
    const QStringList lignes = {
        QStringLiteral("cd ") + GuillemetsShell(dossierDonnees) + QStringLiteral(" || exit 1"),
        QStringLiteral("./Patch.exe /SILENT"),
        QStringLiteral("cd ") + GuillemetsShell(dossierCourant),
        QStringLiteral("exec ") + GuillemetsShell(programme),
    };
    // No line end after the last line.
    return lignes.join(QLatin1Char('\n'));
}
