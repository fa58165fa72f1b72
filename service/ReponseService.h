#pragma once

#include <QByteArray>
#include <QString>

// What the web service published for the calling program (reply to "index.php").
struct TS_REPONSE {
    bool Nouvelle = false; // a newer version the installed one may update to
    int VersionMajor = 0;  // available version
    int VersionMinor = 0;
    int CompatMajor = 0; // oldest installed version allowed to update
    int CompatMinor = 0;
    QString Chemin;  // installer path, relative to "AccesTessaro"
    QString Details; // HTML, the caller's language section only
    QString Sha256;  // hexadecimal digest of the installer; empty when not published
};

// Replies are untrusted: anything larger is ignored.
constexpr int TAILLE_MAX_REPONSE = 1024 * 1024;

// A version major.minor as one comparable number, major x 1000 + minor, in
// 64 bits: any two 32-bit parts fit.
qint64 NumeroVersion(int major, int minor);

// "1.10" -> 1 and 10; missing or unparsable parts give 0.
void LireVersion(const QString& texte, int& major, int& minor);

// Newer when installed < available and installed >= compatibility floor.
bool EstPlusRecente(qint64 installee, qint64 disponible, qint64 plancher);

// Keeps the "[FR]...[/FR]" section (language != 0) or "[UK]...[/UK]" (language 0).
QString ExtraireDetails(const QString& details, int langue);

// Reads the XML reply: the first "item" whose "software_name" matches
// nomApplication (any letter case) decides. A reply that is too large, malformed
// or carries a document type declaration gives no newer version.
TS_REPONSE AnalyserReponse(const QByteArray& xml, const QString& nomApplication, int major,
                           int minor, int langue);
