// The program's own save and read of a recording pair, for the full-disk and
// kill -9 experiments of experiences.sh. Not a benchmark: it reports what a
// user would find, it measures no time.
//
//   essai_sauvegarde boucle DOSSIER          saves DOSSIER/essai again and again
//                                            until killed: save i has the
//                                            identifier SAVE-i and humidity i in
//                                            every point, 8436 or 31517 points
//   essai_sauvegarde sauver DOSSIER N I      one save of N points numbered I, with
//                                            an automatic backup of them first;
//                                            prints "ok" or "echec", and whether
//                                            the backup is still there
//   essai_sauvegarde verifier DOSSIER        opens DOSSIER/essai as the analysis
//                                            view does and prints what it finds
#include "clsSerie.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace
{

QTextStream sortie(stdout);

// Save i: its points, one a minute, humidity i in every one of them.
void Remplir(clsSerie& s, int points, int numero)
{
    s.Infos.ID = QStringLiteral("SAVE-%1").arg(numero);
    s.Infos.Appareil = 1;
    s.Infos.Frequence = 60;
    s.Infos.DateDebut = 1459339509;
    s.EffacerVoies();
    s.NbrePoints = 0;
    for (int i = 0; i < points; ++i)
        s.AjouterPoint(1459339509u + 60u * uint(i), 200 + i % 50, numero);
}

int Boucle(const QString& dossier)
{
    clsSerie s;
    for (int numero = 1;; ++numero) {
        Remplir(s, numero % 2 ? 8436 : 31517, numero);
        if (!s.Sauvegarder(QStringLiteral("essai"), dossier))
            return 1;
    }
}

int Sauver(const QString& dossier, int points, int numero)
{
    clsSerie s;
    Remplir(s, points, numero);
    // The backup goes to the home folder (another disk in the experiment).
    if (!s.SauvegardeAuto())
        return 2;
    const QString sauvegarde = s.CheminAuto + QLatin1Char('/') + s.NomAuto + QStringLiteral(".txt");
    const bool ok = s.Sauvegarder(QStringLiteral("essai"), dossier);
    const bool gardee = QFileInfo::exists(sauvegarde);
    sortie << (ok ? "ok" : "echec") << (gardee ? " sauvegarde-gardee" : " sauvegarde-supprimee")
           << Qt::endl;
    QFile::remove(sauvegarde);
    QFile::remove(s.CheminAuto + QLatin1Char('/') + s.NomAuto + QStringLiteral(".ail"));
    return 0;
}

// One word for the pair, then its numbers: "entiere I N" (header and points of
// save I, N points), "signalee-discordante", "signalee-coupee", "melangee I J"
// (header of save I beside points of save J, and nothing said: the fault),
// "illisible"; then the leftovers beside it.
int Verifier(const QString& dossier)
{
    clsSerie s;
    if (!QFileInfo(dossier + QStringLiteral("/essai.ail")).isFile() ||
        !QFileInfo(dossier + QStringLiteral("/essai.txt")).isFile()) {
        sortie << "absente";
    } else if (!s.Ouvrir(QStringLiteral("essai"), dossier, 3)) {
        sortie << "illisible";
    } else if (s.EtatPaire() == clsSerie::enm_PAIRE::Discordante) {
        sortie << "signalee-discordante";
    } else if (s.EtatPaire() == clsSerie::enm_PAIRE::Coupee) {
        sortie << "signalee-coupee";
    } else {
        const int entete = s.Infos.ID.mid(5).toInt();
        const QList<int>& humidites = s.Humidite.Valeurs;
        const int points = humidites.isEmpty() ? -1 : humidites.first();
        bool meme = true;
        for (const int h : humidites)
            meme = meme && h == points;
        if (meme && points == entete)
            sortie << "entiere " << entete << ' ' << humidites.size();
        else
            sortie << "melangee " << entete << ' ' << points;
    }
    // A lock left by an interrupted write, or temporary files of QSaveFile.
    const QStringList autres = QDir(dossier).entryList(QStringList{QStringLiteral("essai*")},
                                                       QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& nom : autres)
        if (nom != QLatin1String("essai.ail") && nom != QLatin1String("essai.txt"))
            sortie << (nom.endsWith(QLatin1String(".lock")) ? " verrou:" : " temporaire:") << nom;
    sortie << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.value(1);
    const QString dossier = args.value(2);
    if (mode == QLatin1String("boucle") && !dossier.isEmpty())
        return Boucle(dossier);
    if (mode == QLatin1String("sauver") && args.size() == 5)
        return Sauver(dossier, args.at(3).toInt(), args.at(4).toInt());
    if (mode == QLatin1String("verifier") && !dossier.isEmpty())
        return Verifier(dossier);
    std::fputs("usage: essai_sauvegarde boucle|verifier DOSSIER | sauver DOSSIER N I\n", stderr);
    return 1;
}
