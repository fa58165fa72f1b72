#include "LecteurClasseur.h"

#include <QFile>
#include <QXmlStreamReader>

#include <zlib.h>

namespace
{

quint32 Lire32(const QByteArray& d, qint64 pos)
{
    const auto* p = reinterpret_cast<const uchar*>(d.constData() + pos);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 Lire16(const QByteArray& d, qint64 pos)
{
    const auto* p = reinterpret_cast<const uchar*>(d.constData() + pos);
    return quint16(p[0] | p[1] << 8);
}

// Raw deflate data (no zlib header) of a zip entry.
bool Inflater(const QByteArray& compresse, int taille, QByteArray& sortie)
{
    sortie.resize(taille);
    z_stream z = {};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return false;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compresse.constData()));
    z.avail_in = uInt(compresse.size());
    z.next_out = reinterpret_cast<Bytef*>(sortie.data());
    z.avail_out = uInt(taille);
    const int r = inflate(&z, Z_FINISH);
    const bool ok = r == Z_STREAM_END && z.total_out == uLong(taille);
    inflateEnd(&z);
    return ok;
}

// Column number (from 1) of a cell reference such as "C12".
int Colonne(const QString& ref)
{
    int c = 0;
    for (const QChar ch : ref) {
        if (ch < QLatin1Char('A') || ch > QLatin1Char('Z'))
            break;
        c = c * 26 + (ch.unicode() - 'A' + 1);
    }
    return c;
}

int Ligne(const QString& ref)
{
    int i = 0;
    while (i < ref.size() && ref.at(i).isLetter())
        ++i;
    return ref.mid(i).toInt();
}

// Every <t> text under the current element, concatenated (rich text runs).
QString TexteDe(QXmlStreamReader& xml)
{
    QString texte;
    const QString fin = xml.name().toString();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("t"))
            texte += xml.readElementText();
        else if (xml.isEndElement() && xml.name() == fin)
            break;
    }
    return texte;
}

QStringList ChainesPartagees(const QByteArray& partie)
{
    QStringList chaines;
    QXmlStreamReader xml(partie);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("si"))
            chaines << TexteDe(xml);
    return chaines;
}

// Number format code of each cell style (the "s" attribute of a cell), in order:
// the codes the workbook defines, "" for the general format, "builtin N" for
// another built-in format.
QStringList FormatsDesStyles(const QByteArray& partie)
{
    QMap<int, QString> codes;
    QStringList formats;
    bool dansCellXfs = false;
    QXmlStreamReader xml(partie);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("cellXfs"))
            dansCellXfs = false;
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("numFmt")) {
            codes.insert(a.value(QLatin1String("numFmtId")).toInt(),
                         a.value(QLatin1String("formatCode")).toString());
        } else if (xml.name() == QLatin1String("cellXfs")) {
            dansCellXfs = true;
        } else if (dansCellXfs && xml.name() == QLatin1String("xf")) {
            const int id = a.value(QLatin1String("numFmtId")).toInt();
            formats << (id == 0 ? QString()
                                : codes.value(id, QStringLiteral("builtin %1").arg(id)));
        }
    }
    return formats;
}

// Target of each relationship by id: "rId1" -> "xl/worksheets/sheet1.xml".
QMap<QString, QString> Relations(const QByteArray& partie, const QString& dossier)
{
    QMap<QString, QString> cibles;
    QXmlStreamReader xml(partie);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement ||
            xml.name() != QLatin1String("Relationship"))
            continue;
        QString cible = xml.attributes().value(QLatin1String("Target")).toString();
        cible = cible.startsWith(QLatin1Char('/')) ? cible.mid(1) : dossier + cible;
        cibles.insert(xml.attributes().value(QLatin1String("Id")).toString(), cible);
    }
    return cibles;
}

Tableau LireFeuille(const QByteArray& partie, const QStringList& partagees,
                    const QStringList& formats, QString& erreur)
{
    Tableau lignes;
    QXmlStreamReader xml(partie);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("c"))
            continue;
        const QString ref = xml.attributes().value(QLatin1String("r")).toString();
        const QString type = xml.attributes().value(QLatin1String("t")).toString();
        Cellule cellule;
        const QStringRef style = xml.attributes().value(QLatin1String("s"));
        if (!style.isEmpty()) {
            if (style.toInt() >= formats.size()) {
                erreur = QStringLiteral("no style %1 for %2").arg(style.toString(), ref);
                return {};
            }
            cellule.Format = formats.at(style.toInt());
        }
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement() && xml.name() == QLatin1String("c"))
                break;
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("v")) {
                const QString v = xml.readElementText();
                if (type == QLatin1String("s"))
                    cellule.Texte = partagees.value(v.toInt());
                else if (type == QLatin1String("str"))
                    cellule.Texte = v;
                else {
                    cellule.Texte = v;
                    cellule.Nombre = true;
                }
            } else if (xml.name() == QLatin1String("is")) {
                cellule.Texte = TexteDe(xml);
            }
        }
        const int l = Ligne(ref);
        const int col = Colonne(ref);
        if (l < 1 || col < 1) {
            erreur = QStringLiteral("bad cell reference ") + ref;
            return {};
        }
        if (lignes.size() < l)
            lignes.resize(l);
        if (lignes[l - 1].size() < col)
            lignes[l - 1].resize(col);
        lignes[l - 1][col - 1] = cellule;
    }
    if (xml.hasError())
        erreur = xml.errorString();
    return lignes;
}

} // namespace

QMap<QString, QByteArray> LireZip(const QByteArray& zip, QString& erreur)
{
    QMap<QString, QByteArray> parties;
    // End of central directory: 22 bytes, possibly followed by a comment.
    qint64 fin = -1;
    for (qint64 i = zip.size() - 22; i >= 0 && i >= zip.size() - 22 - 0xFFFF; --i)
        if (Lire32(zip, i) == 0x06054b50) {
            fin = i;
            break;
        }
    if (fin < 0) {
        erreur = QStringLiteral("no end of central directory");
        return {};
    }
    const int nbre = Lire16(zip, fin + 10);
    qint64 pos = Lire32(zip, fin + 16);
    for (int e = 0; e < nbre; ++e) {
        if (pos + 46 > zip.size() || Lire32(zip, pos) != 0x02014b50) {
            erreur = QStringLiteral("bad central directory entry %1").arg(e);
            return {};
        }
        const int methode = Lire16(zip, pos + 10);
        const quint32 crc = Lire32(zip, pos + 16);
        const qint64 compresse = Lire32(zip, pos + 20);
        const int taille = int(Lire32(zip, pos + 24));
        const int lnom = Lire16(zip, pos + 28);
        const int lextra = Lire16(zip, pos + 30);
        const int lcomm = Lire16(zip, pos + 32);
        const qint64 local = Lire32(zip, pos + 42);
        const QString nom = QString::fromUtf8(zip.mid(pos + 46, lnom));
        pos += 46 + lnom + lextra + lcomm;

        if (local + 30 > zip.size() || Lire32(zip, local) != 0x04034b50) {
            erreur = QStringLiteral("bad local header of %1").arg(nom);
            return {};
        }
        const qint64 debut = local + 30 + Lire16(zip, local + 26) + Lire16(zip, local + 28);
        if (debut + compresse > zip.size()) {
            erreur = QStringLiteral("truncated %1").arg(nom);
            return {};
        }
        const QByteArray donnees = zip.mid(debut, compresse);
        QByteArray contenu;
        if (methode == 0)
            contenu = donnees;
        else if (methode != 8 || !Inflater(donnees, taille, contenu)) {
            erreur = QStringLiteral("cannot inflate %1").arg(nom);
            return {};
        }
        if (crc32(0, reinterpret_cast<const Bytef*>(contenu.constData()), uInt(contenu.size())) !=
            crc) {
            erreur = QStringLiteral("bad CRC of %1").arg(nom);
            return {};
        }
        parties.insert(nom, contenu);
    }
    return parties;
}

Classeur LireClasseur(const QString& chemin)
{
    Classeur c;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        c.Erreur = QStringLiteral("cannot open ") + chemin;
        return c;
    }
    const QMap<QString, QByteArray> parties = LireZip(fichier.readAll(), c.Erreur);
    if (!c.Erreur.isEmpty())
        return c;
    c.Parties = parties.keys();

    const QMap<QString, QString> relations = Relations(
        parties.value(QStringLiteral("xl/_rels/workbook.xml.rels")), QStringLiteral("xl/"));
    QStringList chemins;
    QXmlStreamReader classeur(parties.value(QStringLiteral("xl/workbook.xml")));
    while (!classeur.atEnd())
        if (classeur.readNext() == QXmlStreamReader::StartElement &&
            classeur.name() == QLatin1String("sheet")) {
            const QXmlStreamAttributes a = classeur.attributes();
            c.Feuilles << a.value(QLatin1String("name")).toString();
            chemins << relations.value(a.value(QLatin1String("r:id")).toString());
        }
    if (c.Feuilles.isEmpty()) {
        c.Erreur = QStringLiteral("no sheet");
        return c;
    }

    const QStringList partagees =
        ChainesPartagees(parties.value(QStringLiteral("xl/sharedStrings.xml")));
    const QStringList formats = FormatsDesStyles(parties.value(QStringLiteral("xl/styles.xml")));
    for (int f = 0; f < chemins.size(); ++f) {
        if (!parties.contains(chemins.at(f))) {
            c.Erreur = QStringLiteral("no part for sheet ") + c.Feuilles.at(f);
            return c;
        }
        c.Contenus << LireFeuille(parties.value(chemins.at(f)), partagees, formats, c.Erreur);
        if (!c.Erreur.isEmpty())
            return c;
    }
    c.Lignes = c.Contenus.first();

    // docProps/core.xml: one element per property, its local name as the key.
    QXmlStreamReader proprietes(parties.value(QStringLiteral("docProps/core.xml")));
    while (!proprietes.atEnd())
        if (proprietes.readNext() == QXmlStreamReader::StartElement &&
            proprietes.name() != QLatin1String("coreProperties")) {
            const QString nom = proprietes.name().toString();
            c.Proprietes.insert(nom, proprietes.readElementText());
        }
    return c;
}
