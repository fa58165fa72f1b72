// The update reply parser, as a hostile or broken server may answer: the
// decision follows the rule whatever the numbers, and the installer path never
// leaves the service's host.
#include "Fuzz.h"
#include "OutilsService.h"
#include "ReponseService.h"

namespace
{

// The rule in 128 bits, apart from the program's arithmetic: newer when the
// installed version is below the one offered and not below the minimum.
bool Regle(qint64 majeur, qint64 mineur, const TS_REPONSE& rep)
{
    const auto numero = [](qint64 a, qint64 b) { return __int128(a) * 1000 + b; };
    const __int128 installee = numero(majeur, mineur);
    return installee < numero(rep.VersionMajor, rep.VersionMinor) &&
           installee >= numero(rep.CompatMajor, rep.CompatMinor);
}

} // namespace

int CibleService(const uint8_t* donnees, size_t taille)
{
    // The installed version and the language come from the first line, the
    // reply from the rest: "1.3 1" or "1.3".
    const Parties parties = Couper(donnees, taille);
    QByteArray reponse = parties.Seconde;
    int majeur = 1;
    int mineur = 3;
    int langue = 1;
    if (reponse.isEmpty()) {
        reponse = parties.Premiere;
    } else {
        const QList<QByteArray> champs = parties.Premiere.split(' ');
        LireVersion(QString::fromLatin1(champs.value(0)), majeur, mineur);
        langue = champs.value(1).toInt();
    }

    const TS_REPONSE rep =
        AnalyserReponse(reponse, QStringLiteral("Vorsen_Logger"), majeur, mineur, langue);
    EXIGER(rep.Nouvelle == Regle(majeur, mineur, rep),
           QStringLiteral("installed %1.%2, offered %3.%4, minimum %5.%6")
               .arg(majeur)
               .arg(mineur)
               .arg(rep.VersionMajor)
               .arg(rep.VersionMinor)
               .arg(rep.CompatMajor)
               .arg(rep.CompatMinor));
    if (reponse.size() > TAILLE_MAX_REPONSE)
        EXIGER(!rep.Nouvelle && rep.Chemin.isEmpty(),
               QStringLiteral("an oversized reply was read"));

    // The installer is fetched from the service's own host, whatever the path says.
    const QString base = QStringLiteral("http://maj.vorsen.example/logiciels/");
    const QUrl url = UrlService(base, rep.Chemin);
    if (url.isValid())
        EXIGER(url.host() == QLatin1String("maj.vorsen.example") && url.port() == -1 &&
                   url.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) == 0 &&
                   url.userInfo().isEmpty(),
               url.toString());

    // A version written back reads the same.
    int major = 0;
    int minor = 0;
    LireVersion(QStringLiteral("%1.%2").arg(rep.VersionMajor).arg(rep.VersionMinor), major, minor);
    EXIGER(major == rep.VersionMajor && minor == rep.VersionMinor,
           QStringLiteral("%1.%2").arg(major).arg(minor));
    return 0;
}

VORSEN_ENTREE_FUZZ(CibleService)
