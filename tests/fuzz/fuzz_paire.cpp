// The recording pair reader: a header (INI) and a points file from anywhere.
// What it reads agrees with the lines of the file, a cut last line is never a
// point, the pair's state is told, and what it read writes back and reads
// again exactly; a comment update changes that comment and nothing else.
#include "Fuzz.h"
#include "clsSerie.h"
#include "clsSettings.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>

namespace
{

bool Ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

// Every key of a header as its text. QSettings keeps a header it read in a
// cache that a rewrite within the same millisecond, at the same size, would not
// refresh: a header read again is read under a name of its own.
QMap<QString, QString> Cles(const QString& dir, const QString& nom, bool* lisible = nullptr)
{
    const clsSettings entete(dir, nom);
    if (lisible)
        *lisible = entete.status() == QSettings::NoError;
    QMap<QString, QString> cles;
    for (const QString& cle : entete.allKeys()) {
        // The INI reader may hand a key over as written ("\\x" gives "/x"): the
        // same key, once QSettings has dropped the slashes it ignores. A key
        // with an empty name ("=1", in a section or not, "a\\=1") cannot be
        // written back at all: QSettings would read it as another key.
        if (cle.isEmpty() || cle.endsWith(QLatin1Char('/')) ||
            cle.mid(1).contains(QLatin1String("//")))
            continue;
        const QString normale = cle.split(QLatin1Char('/'), Qt::SkipEmptyParts).join('/');
        cles.insert(normale, clsSettings::VersTexte(entete.value(cle), QString()));
    }
    return cles;
}

// Opens as the analysis view does: the points are read whatever the sensor mask.
void Ouvrir(clsSerie& serie, const QString& nom, const QString& dir)
{
    if (!serie.Ouvrir(nom, dir, 3))
        serie.LireDonnees();
}

} // namespace

int CiblePaire(const uint8_t* donnees, size_t taille)
{
    static QTemporaryDir dossier;
    static int numero = 0;
    const QString dir = dossier.path();
    const QString nom = QStringLiteral("p%1").arg(++numero);
    const Parties parties = Couper(donnees, taille);
    const QByteArray& points = parties.Seconde;
    if (!Ecrire(dir + QLatin1Char('/') + nom + QStringLiteral(".ail"), parties.Premiere) ||
        !Ecrire(dir + QLatin1Char('/') + nom + QStringLiteral(".txt"), points))
        return 0;

    clsSerie s;
    Ouvrir(s, nom, dir);
    const int lus = s.NbrePointsPresents();
    EXIGER(s.Temps.Valeurs.size() == s.Temperature.Valeurs.size() &&
               s.Temps.Valeurs.size() == s.Humidite.Valeurs.size(),
           QString());

    // The lines with their line end, counted apart from the reader: each one
    // that holds more than its line end is a point. A last line without line
    // end adds at most one, none when it lacks a field, and then the file is cut.
    const QList<QByteArray> lignes = points.split('\n');
    int entieres = 0;
    for (int i = 0; i + 1 < lignes.size(); ++i)
        if (!lignes.at(i).isEmpty() && lignes.at(i) != "\r")
            ++entieres;
    const QByteArray derniere = lignes.last();
    const bool coupee = !derniere.trimmed().isEmpty() && derniere.count('\t') < 2;
    EXIGER(s.Temps.Valeurs.size() == entieres || s.Temps.Valeurs.size() == entieres + 1,
           QStringLiteral("%1 points for %2 lines").arg(s.Temps.Valeurs.size()).arg(entieres));
    if (coupee)
        EXIGER(s.Temps.Valeurs.size() == entieres && s.EtatPaire() == clsSerie::enm_PAIRE::Coupee,
               QString());
    // The count as the reader can reach it: in a section without a name ("[]")
    // QSettings lists the key as "/NbrePoints" but gives no value for it.
    const bool compte = clsSettings(dir, nom).contains(QStringLiteral("NbrePoints"));
    switch (s.EtatPaire()) {
    case clsSerie::enm_PAIRE::Concordante:
        EXIGER(!compte || s.Temps.Valeurs.size() == s.NbrePoints, QString());
        break;
    case clsSerie::enm_PAIRE::Coupee:
        EXIGER(s.NbrePoints == s.Temps.Valeurs.size() && !derniere.trimmed().isEmpty(), QString());
        break;
    case clsSerie::enm_PAIRE::Discordante:
        EXIGER(compte && s.Temps.Valeurs.size() != s.NbrePoints, QString());
        break;
    }

    // A comment update of the header read: that comment changes, nothing else.
    bool lisible = false;
    QMap<QString, QString> avant = Cles(dir, nom, &lisible);
    const QString commentaire = QString::fromUtf8(points.left(64)) + QChar(0x263A);
    {
        clsSerie m;
        m.Chemin = dir;
        m.Nom = nom;
        m.setCommentaire(commentaire);
        const bool ecrit = m.MajCommentaire(1);
        EXIGER(ecrit == lisible, QString());
        if (ecrit) {
            const QString relu = nom + QStringLiteral("r");
            QFile::copy(dir + QLatin1Char('/') + nom + QStringLiteral(".ail"),
                        dir + QLatin1Char('/') + relu + QStringLiteral(".ail"));
            avant.insert(QStringLiteral("Temperature/Commentaire"), commentaire);
            const QMap<QString, QString> apres = Cles(dir, relu);
            QString ecarts;
            const QString aucune = QStringLiteral("<none>");
            for (const QString& cle : QSet<QString>(avant.keyBegin(), avant.keyEnd()) +
                                          QSet<QString>(apres.keyBegin(), apres.keyEnd()))
                if (avant.value(cle, aucune) != apres.value(cle, aucune))
                    ecarts += QStringLiteral("\n%1: %2 -> %3")
                                  .arg(cle, avant.value(cle, aucune), apres.value(cle, aucune));
            EXIGER(ecarts.isEmpty(), ecarts);
        }
    }

    // Written back, read again: the same recording, and a pair that agrees.
    const QString copie = nom + QStringLiteral("c");
    const int ecrits = qBound(0, s.NbrePoints, lus);
    EXIGER(s.Sauvegarder(copie, dir), QString());
    clsSerie l;
    Ouvrir(l, copie, dir);
    EXIGER(l.EtatPaire() == clsSerie::enm_PAIRE::Concordante && l.NbrePoints == ecrits,
           QStringLiteral("%1 points").arg(l.NbrePoints));
    EXIGER(l.Temps.Valeurs == s.Temps.Valeurs.mid(0, ecrits) &&
               l.Temperature.Valeurs == s.Temperature.Valeurs.mid(0, ecrits) &&
               l.Humidite.Valeurs == s.Humidite.Valeurs.mid(0, ecrits),
           QString());
    EXIGER(l.Infos.ID == s.Infos.ID && l.Infos.Unite == s.Infos.Unite &&
               l.Infos.Appareil == s.Infos.Appareil && l.Infos.Frequence == s.Infos.Frequence &&
               l.Infos.Mode == s.Infos.Mode && l.Infos.DateDebut == s.Infos.DateDebut &&
               l.Infos.Capteurs == s.Infos.Capteurs,
           l.Infos.ID);
    EXIGER(l.Temperature.Commentaire == s.Temperature.Commentaire &&
               l.Humidite.Commentaire == s.Humidite.Commentaire,
           l.Temperature.Commentaire);

    // Nothing is left beside the files: no temporary file, no lock.
    QDir d(dir);
    const QStringList reste = d.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& fichier : reste) {
        EXIGER(fichier.startsWith(nom) && (fichier.endsWith(QLatin1String(".ail")) ||
                                           fichier.endsWith(QLatin1String(".txt"))),
               fichier);
        d.remove(fichier);
    }
    return 0;
}

VORSEN_ENTREE_FUZZ(CiblePaire)
