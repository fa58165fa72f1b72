#include "FichierEntete.h"

#include <QStringList>

namespace
{

const char ChiffresHexa[] = "0123456789ABCDEF";

bool Hexa(ushort c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// A key or a section name: letters, digits, "_", "-" and "." as they are, "/" as
// a backslash, any other character as %XX (up to U+00FF) or %UXXXX.
void AjouterCle(QByteArray& sortie, const QString& cle)
{
    for (const QChar qc : cle) {
        const ushort c = qc.unicode();
        if (c == '/') {
            sortie += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                   c == '_' || c == '-' || c == '.') {
            sortie += char(c);
        } else if (c <= 0xFF) {
            sortie += '%';
            sortie += ChiffresHexa[c >> 4];
            sortie += ChiffresHexa[c & 0xF];
        } else {
            sortie += "%U";
            for (int decalage = 12; decalage >= 0; decalage -= 4)
                sortie += ChiffresHexa[(c >> decalage) & 0xF];
        }
    }
}

// One text of a value. Printable ASCII stays as it is; a quote and a backslash
// take a backslash; control characters and everything beyond ASCII become
// escapes (\n, \xe9...). The reader takes every hexadecimal digit after "\x" or
// "\0": a digit that follows such an escape is escaped too. Quotes go around a
// text holding ";", "," or "=", or beginning or ending with a blank.
void AjouterTexte(QByteArray& sortie, const QString& texte)
{
    const int debut = sortie.size();
    bool guillemets = false;
    bool echapperChiffre = false;
    for (const QChar qc : texte) {
        const ushort c = qc.unicode();
        if (c == ';' || c == ',' || c == '=')
            guillemets = true;
        if (echapperChiffre && Hexa(c)) {
            sortie += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        echapperChiffre = false;
        switch (c) {
        case 0:
            sortie += "\\0";
            echapperChiffre = true;
            break;
        case '\a':
            sortie += "\\a";
            break;
        case '\b':
            sortie += "\\b";
            break;
        case '\f':
            sortie += "\\f";
            break;
        case '\n':
            sortie += "\\n";
            break;
        case '\r':
            sortie += "\\r";
            break;
        case '\t':
            sortie += "\\t";
            break;
        case '\v':
            sortie += "\\v";
            break;
        case '"':
        case '\\':
            sortie += '\\';
            sortie += char(c);
            break;
        default:
            if (c <= 0x1F || c >= 0x7F) {
                sortie += "\\x" + QByteArray::number(c, 16);
                echapperChiffre = true;
            } else {
                sortie += char(c);
            }
        }
    }
    if (guillemets ||
        (sortie.size() > debut && (sortie.at(debut) == ' ' || sortie.endsWith(' ')))) {
        sortie.insert(debut, '"');
        sortie += '"';
    }
}

// One value as the reader expects its text: the invalid value and byte arrays
// by their markers; a text holding a NUL wrapped in @String(); a text starting
// with "@" takes a second "@" (the reader reads "@..." as a type).
QString TexteValeur(const QVariant& valeur)
{
    switch (valeur.type()) {
    case QVariant::Invalid:
        return QStringLiteral("@Invalid()");
    case QVariant::ByteArray:
        return QStringLiteral("@ByteArray(") + QString::fromLatin1(valeur.toByteArray()) +
               QLatin1Char(')');
    default:
        break;
    }
    const QString texte = valeur.toString();
    if (texte.contains(QChar(0)))
        return QStringLiteral("@String(") + texte + QLatin1Char(')');
    if (texte.startsWith(QLatin1Char('@')))
        return QLatin1Char('@') + texte;
    return texte;
}

// A list as its values separated by ", " (a list read with a marked value in it
// comes as a list of values); an empty one as the invalid value, as QSettings
// writes it.
void AjouterValeur(QByteArray& sortie, const QVariant& valeur)
{
    if (valeur.type() != QVariant::StringList && valeur.type() != QVariant::List) {
        AjouterTexte(sortie, TexteValeur(valeur));
        return;
    }
    const QVariantList valeurs = valeur.toList();
    if (valeurs.isEmpty())
        sortie += "@Invalid()";
    for (int i = 0; i < valeurs.size(); ++i) {
        if (i > 0)
            sortie += ", ";
        AjouterTexte(sortie, TexteValeur(valeurs.at(i)));
    }
}

} // namespace

QByteArray TexteEntete(const QMap<QString, QVariant>& cles)
{
    // Sections by name, the general one (empty name) first; keys by name in each.
    QMap<QString, QMap<QString, QVariant>> sections;
    for (auto it = cles.cbegin(); it != cles.cend(); ++it) {
        const int barre = it.key().indexOf(QLatin1Char('/'));
        if (barre < 0)
            sections[QString()].insert(it.key(), it.value());
        else
            sections[it.key().left(barre)].insert(it.key().mid(barre + 1), it.value());
    }

    QByteArray texte;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        if (section != sections.cbegin())
            texte += '\n';
        texte += '[';
        if (section.key().isEmpty()) {
            texte += "General";
        } else {
            QByteArray nom;
            AjouterCle(nom, section.key());
            // "[General]" is the general section: a section of that name is marked.
            if (nom.compare("general", Qt::CaseInsensitive) == 0)
                texte += '%';
            texte += nom;
        }
        texte += "]\n";
        for (auto cle = section->cbegin(); cle != section->cend(); ++cle) {
            AjouterCle(texte, cle.key());
            texte += '=';
            AjouterValeur(texte, cle.value());
            texte += '\n';
        }
    }
    return texte;
}
