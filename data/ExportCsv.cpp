#include "ExportCsv.h"

#include "HeureLocale.h"
#include "clsSerie.h"

#include <QByteArray>
#include <QDate>
#include <QSaveFile>

#include <cstdio>

namespace
{

// Reading in tenths as units with one decimal, "-0.5" for -5: the C way, never
// the locale's decimal comma or thousands separator.
void AjouterDixiemes(QByteArray& ligne, qint64 v)
{
    const qint64 absolu = v < 0 ? -v : v;
    if (v < 0)
        ligne += '-';
    ligne += QByteArray::number(absolu / 10);
    ligne += '.';
    ligne += char('0' + absolu % 10);
}

// "2026-12-07T14:05:00+01:00" for an offset from UTC of 3600 s, or with utc (and
// an offset of 0) "2026-12-07T13:05:00Z". Not QDateTime's ISO text, which writes
// "Z" for a local offset of 0 (London in winter): "Z" marks the UTC option only.
void AjouterDate(QByteArray& ligne, uint temps, int decalage, bool utc)
{
    const qint64 secondes = qint64(temps) + decalage;
    const qint64 jours = secondes / 86400 - (secondes % 86400 < 0 ? 1 : 0); // floor
    const int dansLeJour = int(secondes - jours * 86400);
    const QDate date = QDate(1970, 1, 1).addDays(jours);
    char texte[40];
    int n = std::snprintf(texte, sizeof texte, "%04d-%02d-%02dT%02d:%02d:%02d", date.year(),
                          date.month(), date.day(), dansLeJour / 3600, dansLeJour / 60 % 60,
                          dansLeJour % 60);
    if (utc) {
        texte[n++] = 'Z';
    } else {
        const int minutes = (decalage < 0 ? -decalage : decalage) / 60; // offsets in whole minutes
        n += std::snprintf(texte + n, sizeof texte - n, "%c%02d:%02d", decalage < 0 ? '-' : '+',
                           minutes / 60, minutes % 60);
    }
    ligne.append(texte, n);
}

// Appends one row and its "\n".
void AjouterLigne(QByteArray& ligne, uint temps, int decalage, int temperature, int humidite,
                  int voies, bool utc, enm_UNITE_TEMP unite)
{
    AjouterDate(ligne, temps, utc ? 0 : decalage, utc);
    if (voies & 1) {
        ligne += ',';
        // A tenth of °C is 0.18 °F: never half a tenth, no tie to round.
        AjouterDixiemes(ligne, unite == CELSIUS ? qint64(temperature)
                                                : qRound64(DixiemesAffiches(temperature, unite)));
    }
    if (voies & 2) {
        ligne += ',';
        AjouterDixiemes(ligne, humidite);
    }
    ligne += '\n';
}

} // namespace

QByteArray EnteteCsv(int capteurs, enm_UNITE_TEMP unite)
{
    const int voies = VoiesMesurees(capteurs);
    QByteArray entete("timestamp");
    if (voies & 1)
        entete += unite == FAHRENHEIT ? ",temperature_F" : ",temperature_C";
    if (voies & 2)
        entete += ",humidity_pct";
    entete += '\n';
    return entete;
}

QByteArray LigneCsv(uint temps, int decalage, int temperature, int humidite, int capteurs, bool utc,
                    enm_UNITE_TEMP unite)
{
    QByteArray ligne;
    AjouterLigne(ligne, temps, decalage, temperature, humidite, VoiesMesurees(capteurs), utc,
                 unite);
    return ligne;
}

QByteArray DateIso8601(uint temps, int decalage, bool utc)
{
    QByteArray texte;
    AjouterDate(texte, temps, utc ? 0 : decalage, utc);
    return texte;
}

QString CheminCsv(const QString& dossier, const QString& nom)
{
    return dossier + QLatin1Char('/') + nom + QStringLiteral(".csv");
}

bool EcrireCsv(const clsSerie& serie, const QString& fichier, bool utc)
{
    const int voies = VoiesMesurees(serie.Infos.Capteurs);
    const enm_UNITE_TEMP unite = UniteAffichage();

    // Written beside the final name, renamed on commit: a failure leaves no half
    // file, and the previous one whole.
    QSaveFile sortie(fichier);
    if (!sortie.open(QIODevice::WriteOnly)) // binary: "\n" on every platform
        return false;

    QByteArray tampon = EnteteCsv(voies, unite);
    const int taillePaquet = 64 * 1024; // bytes per write
    tampon.reserve(taillePaquet + 128);
    const auto ecrire = [&sortie, &tampon] {
        const bool ecrit = sortie.write(tampon) == tampon.size();
        tampon.clear();
        return ecrit;
    };
    HeureLocale heureLocale;
    // Never past the lists: a short points file may have left NbrePoints above them.
    const int nbre = serie.NbrePointsPresents();
    for (int i = 0; i < nbre; ++i) {
        // The list holds the 32-bit pattern of an unsigned time stamp.
        const uint temps = static_cast<uint>(serie.Temps.Valeurs.at(i));
        AjouterLigne(tampon, temps, utc ? 0 : heureLocale.Convertir(temps).offsetFromUtc(),
                     serie.Temperature.Valeurs.at(i), serie.Humidite.Valeurs.at(i), voies, utc,
                     unite);
        if (tampon.size() >= taillePaquet && !ecrire())
            return false; // the temporary file goes with sortie
    }
    if (!ecrire())
        return false;

    // commit() reports success even when its own last flush failed (full disk):
    // the flush and the error are checked first.
    if (!sortie.flush() || sortie.error() != QFileDevice::NoError)
        return false;
    return sortie.commit();
}
