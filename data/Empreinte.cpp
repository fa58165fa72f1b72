#include "Empreinte.h"

#include "clsSettings.h"

#include <QCryptographicHash>

QStringList ChampsMesures()
{
    QStringList champs{QStringLiteral("ID"),
                       QStringLiteral("Appareil"),
                       QStringLiteral("DateDebut"),
                       QStringLiteral("Frequence"),
                       QStringLiteral("Capteurs"),
                       QStringLiteral("NbrePoints"),
                       QStringLiteral("Temps/Minimum"),
                       QStringLiteral("Temps/Maximum")};
    for (const char* voie : {"Temperature/", "Humidite/"})
        for (const char* statistique : {"Moyenne", "EcartType", "Minimum", "Maximum"})
            champs << QLatin1String(voie) + QLatin1String(statistique);
    return champs;
}

QByteArray TexteChampsMesures(const QMap<QString, QVariant>& cles)
{
    QByteArray texte;
    for (const QString& champ : ChampsMesures()) {
        texte += champ.toUtf8();
        const auto valeur = cles.constFind(champ);
        if (valeur != cles.cend())
            texte += '=' + clsSettings::VersTexte(*valeur, QString()).toUtf8().toPercentEncoding();
        texte += '\n';
    }
    return texte;
}

QString Sha256(const QByteArray& octets)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(octets, QCryptographicHash::Sha256).toHex());
}
