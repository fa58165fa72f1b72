#include "ReponseService.h"

#include <QXmlStreamReader>

qint64 NumeroVersion(int major, int minor)
{
    return qint64(major) * 1000 + minor;
}

void LireVersion(const QString& texte, int& major, int& minor)
{
    const QString t = texte.trimmed();
    const int point = t.indexOf(QLatin1Char('.'));
    const QString gauche = point < 0 ? t : t.left(point);
    const QString droite = point < 0 ? QString() : t.mid(point + 1);
    bool ok = false;
    major = gauche.toInt(&ok, 10);
    if (!ok)
        major = 0;
    minor = droite.toInt(&ok, 10);
    if (!ok)
        minor = 0;
}

bool EstPlusRecente(qint64 installee, qint64 disponible, qint64 plancher)
{
    return installee < disponible && installee >= plancher;
}

QString ExtraireDetails(const QString& details, int langue)
{
    const QString section = langue != 0 ? QStringLiteral("FR") : QStringLiteral("UK");
    const QString ouverture = QStringLiteral("[%1]").arg(section);
    const QString fermeture = QStringLiteral("[/%1]").arg(section);

    QString texte = details;
    const int debut = texte.indexOf(ouverture);
    if (debut >= 0)
        texte.remove(0, debut + ouverture.size());
    const int fin = texte.indexOf(fermeture);
    if (fin > 0)
        texte.truncate(fin);
    return texte;
}

namespace
{

// Reads one "item"; the reader stands on its start element. Returns whether its
// software name matched; the fields of rep hold what the item published.
bool LireItem(QXmlStreamReader& xml, const QString& nomApplication, int langue, TS_REPONSE& rep)
{
    bool trouve = false;
    while (xml.readNextStartElement()) {
        const QStringRef nom = xml.name();
        if (nom == QLatin1String("software_name")) {
            trouve =
                xml.readElementText().trimmed().compare(nomApplication, Qt::CaseInsensitive) == 0;
            rep.VersionMajor = rep.VersionMinor = 0;
            rep.CompatMajor = rep.CompatMinor = 0;
            rep.Chemin.clear();
            rep.Details.clear();
            rep.Sha256.clear();
        } else if (nom == QLatin1String("version")) {
            LireVersion(xml.readElementText(), rep.VersionMajor, rep.VersionMinor);
        } else if (nom == QLatin1String("compatibilite")) {
            LireVersion(xml.readElementText(), rep.CompatMajor, rep.CompatMinor);
        } else if (nom == QLatin1String("path")) {
            rep.Chemin = xml.readElementText().trimmed();
        } else if (nom == QLatin1String("details")) {
            rep.Details = ExtraireDetails(
                xml.readElementText(QXmlStreamReader::IncludeChildElements), langue);
        } else if (nom == QLatin1String("sha256")) {
            rep.Sha256 = xml.readElementText().trimmed().toLower();
        } else {
            xml.skipCurrentElement();
        }
    }
    return trouve;
}

} // namespace

TS_REPONSE AnalyserReponse(const QByteArray& texte, const QString& nomApplication, int major,
                           int minor, int langue)
{
    TS_REPONSE rep;
    if (texte.size() > TAILLE_MAX_REPONSE)
        return rep;

    QXmlStreamReader xml(texte);
    // Declarations come before the root element: refuse them before any expansion.
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType jeton = xml.readNext();
        if (jeton == QXmlStreamReader::DTD || jeton == QXmlStreamReader::EntityReference)
            return TS_REPONSE();
        if (jeton == QXmlStreamReader::StartElement)
            break;
    }
    if (xml.hasError() || !xml.isStartElement() || xml.name() != QLatin1String("software"))
        return TS_REPONSE();

    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("item")) {
            xml.skipCurrentElement();
            continue;
        }
        const bool trouve = LireItem(xml, nomApplication, langue, rep);
        if (xml.hasError())
            return TS_REPONSE();
        if (trouve) {
            rep.Nouvelle = EstPlusRecente(NumeroVersion(major, minor),
                                          NumeroVersion(rep.VersionMajor, rep.VersionMinor),
                                          NumeroVersion(rep.CompatMajor, rep.CompatMinor));
            return rep;
        }
    }
    return TS_REPONSE();
}
