// Recording files: writing and reading back, the reference pair, names, the
// automatic backup, comment rewrites, and saves that cannot be written.
#include "Environnement.h"

#include <clsSerie.h>
#include <clsSettings.h>

#include <QDir>
#include <QSettings>

#include <csignal>
#include <sys/resource.h>

class TestFichiers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void ecrireRelire();
    void lireReference();
    void lireReferenceEnTeteSeul();
    void ecrireReproduitReference();
    void sauvegarderNoms_data();
    void sauvegarderNoms();
    void ouvrirNomAvecAilAuMilieu();
    void rouvrirSousSonPropreNom();
    void temperatureSeuleOuverteEnHumidite();
    void enTeteSansNbrePoints();
    void sauvegardeAuto();
    void sauvegardeAutoSansSousDossier();
    void sauvegardeSurLaSauvegardeAuto();
    void majCommentaire_data();
    void majCommentaire();
    void majCommentaireSansEnTete();
    void sauvegardeImpossible_data();
    void sauvegardeImpossible();
    void fichierDePointsInterrompu();
    void fichierDePointsCourt();

private:
    QString Dossier() const { return m_Dossier->path(); }
    QString Maison() const { return m_Dossier->path() + QStringLiteral("/maison"); }

    QScopedPointer<QTemporaryDir> m_Dossier;
    QByteArray m_AncienneMaison;
};

namespace
{

const QString DossierReference = QStringLiteral(VORSEN_SOURCE_DIR "/tests/data/reference");

QByteArray Lire(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool Ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

// Two points a minute apart from 30 March 2016 12:05:09 UTC.
void RemplirSerie(clsSerie& s, int nbre)
{
    s.Infos.ID = QStringLiteral("LOG1");
    s.Infos.Appareil = 1;
    s.Infos.Frequence = 60;
    s.Infos.DateDebut = 1459339509;
    s.NbrePoints = 0;
    for (int i = 0; i < nbre; ++i)
        s.AjouterPoint(1459339509u + 60u * i, 200 + i % 50, 500 + i % 70);
}

void ComparerVoies(const TS_VOIE& lue, const TS_VOIE& ecrite)
{
    QCOMPARE(lue.Valeurs, ecrite.Valeurs);
    QCOMPARE(lue.Moyenne, ecrite.Moyenne);
    QCOMPARE(lue.EcartType, ecrite.EcartType);
    QCOMPARE(lue.Minimum, ecrite.Minimum);
    QCOMPARE(lue.Maximum, ecrite.Maximum);
    QCOMPARE(lue.Somme, ecrite.Somme);
    QCOMPARE(lue.SommeCarres, ecrite.SommeCarres);
}

QStringList Fichiers(const QString& dossier)
{
    return QDir(dossier).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

void TestFichiers::init()
{
    m_Dossier.reset(new QTemporaryDir);
    QVERIFY(m_Dossier->isValid());
    QVERIFY(QDir().mkdir(Maison()));
    m_AncienneMaison = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(Maison()));
}

void TestFichiers::cleanup()
{
    qputenv("HOME", m_AncienneMaison);
    m_Dossier.reset();
}

void TestFichiers::ecrireRelire()
{
    clsSerie s;
    s.Infos.Appareil = 2;
    s.Infos.ID = QStringLiteral("Réserve B");
    s.Infos.Frequence = 25199;
    s.Infos.Unite = QStringLiteral("I");
    s.Infos.Mode = 5;
    s.Infos.DateDebut = 4000000000u; // beyond 2^31: stored unsigned
    s.Infos.Capteurs = 3;
    s.NbrePoints = 0;
    s.AjouterPoint(4000000000u, 65535, 0);
    s.AjouterPoint(4000025199u, 0, 1000);
    s.AjouterPoint(4000050398u, 235, 512);
    s.setCommentaire(QStringLiteral("Zone \"B\"; porte=ouverte, été\\nuit #2\n2e ligne"));
    QVERIFY(s.Sauvegarder(QStringLiteral("essai"), Dossier()));

    clsSerie l;
    QVERIFY(l.Ouvrir(QStringLiteral("essai"), Dossier(), 3));
    QCOMPARE(l.Nom, QStringLiteral("essai"));
    QCOMPARE(l.Chemin, Dossier());
    QCOMPARE(l.NomAuto, QString());
    QCOMPARE(l.NbrePoints, s.NbrePoints);
    QCOMPARE(l.Infos.Appareil, s.Infos.Appareil);
    QCOMPARE(l.Infos.ID, s.Infos.ID);
    QCOMPARE(l.Infos.Frequence, s.Infos.Frequence);
    QCOMPARE(l.Infos.Unite, s.Infos.Unite);
    QCOMPARE(l.Infos.Mode, s.Infos.Mode);
    QCOMPARE(l.Infos.DateDebut, s.Infos.DateDebut);
    QCOMPARE(l.Infos.Capteurs, s.Infos.Capteurs);
    ComparerVoies(l.Temps, s.Temps);
    ComparerVoies(l.Temperature, s.Temperature);
    ComparerVoies(l.Humidite, s.Humidite);
    QCOMPARE(l.Temperature.Commentaire, s.Temperature.Commentaire);
    QCOMPARE(l.Humidite.Commentaire, s.Humidite.Commentaire);
    QCOMPARE(static_cast<uint>(l.Temps.Valeurs.last()), 4000050398u);
}

void TestFichiers::lireReference()
{
    clsSerie s;
    QVERIFY(s.Ouvrir(QStringLiteral("reference"), DossierReference, 1));
    QCOMPARE(s.Nom, QStringLiteral("reference"));
    QCOMPARE(s.Infos.Appareil, 3);
    QCOMPARE(s.Infos.ID, QStringLiteral("SALLE-3"));
    QCOMPARE(s.NbrePoints, 4);
    QCOMPARE(s.Infos.Frequence, 60);
    QCOMPARE(s.Infos.Unite, QStringLiteral("M"));
    QCOMPARE(s.Infos.Mode, 3);
    QCOMPARE(s.Infos.DateDebut, 1459339509u);
    QCOMPARE(s.Infos.Capteurs, 3);
    QCOMPARE(s.Temps.Valeurs, (QList<int>{1459339509, 1459339569, 1459339629, 1459339689}));
    QCOMPARE(s.Temperature.Valeurs, (QList<int>{235, 240, 250, 215}));
    QCOMPARE(s.Humidite.Valeurs, (QList<int>{512, 520, 498, 530}));
    QCOMPARE(s.Temps.Minimum, 1459339509);
    QCOMPARE(s.Temps.Maximum, 1459339689);
    QCOMPARE(s.Temperature.Moyenne, 235);
    QCOMPARE(s.Temperature.EcartType, 12); // sqrt(162.5)
    QCOMPARE(s.Temperature.Minimum, 215);
    QCOMPARE(s.Temperature.Maximum, 250);
    QCOMPARE(s.Humidite.Moyenne, 515);
    QCOMPARE(s.Humidite.EcartType, 11); // sqrt(137)
    QCOMPARE(s.Humidite.Minimum, 498);
    QCOMPARE(s.Humidite.Maximum, 530);
    QCOMPARE(s.Commentaire(), QStringLiteral("Chambre froide, porte été"));
    QCOMPARE(s.Humidite.Commentaire, QStringLiteral("Chambre froide, porte été"));
}

void TestFichiers::lireReferenceEnTeteSeul()
{
    // No sensor in common: the header's own statistics, no points.
    clsSerie s;
    QVERIFY(!s.Ouvrir(QStringLiteral("reference.AIL"), DossierReference, 0));
    QCOMPARE(s.Nom, QStringLiteral("reference"));
    QCOMPARE(s.NbrePoints, 4);
    QVERIFY(s.Temps.Valeurs.isEmpty());
    QCOMPARE(s.Temps.Minimum, 1459339509);
    QCOMPARE(s.Temps.Maximum, 1459339689);
    QCOMPARE(s.Temperature.Moyenne, 235);
    QCOMPARE(s.Temperature.EcartType, 12);
    QCOMPARE(s.Humidite.Minimum, 498);
    QCOMPARE(s.Humidite.Maximum, 530);
    QCOMPARE(s.Commentaire(), QStringLiteral("Chambre froide, porte été"));
}

void TestFichiers::ecrireReproduitReference()
{
    // Writing what was read gives the same pair back, line ends aside.
    clsSerie s;
    QVERIFY(s.Ouvrir(QStringLiteral("reference"), DossierReference, 3));
    QVERIFY(s.Ecrire(QStringLiteral("copie"), Dossier()));
    for (const char* extension : {".ail", ".txt"}) {
        QByteArray attendu = Lire(DossierReference + QStringLiteral("/reference") + extension);
        QVERIFY(attendu.contains("\r\n"));
        attendu.replace("\r\n", "\n");
        QCOMPARE(Lire(Dossier() + QStringLiteral("/copie") + extension), attendu);
    }
}

void TestFichiers::sauvegarderNoms_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("nomGarde");
    QTest::newRow("sans extension") << "essai"
                                    << "essai";
    QTest::newRow(".AIL majuscules") << "essai.AIL"
                                     << "essai";
    QTest::newRow(".ail au milieu seulement") << "a.ail.b"
                                              << "a.ail.b";
    QTest::newRow(".ail au milieu et à la fin") << "a.ail.b.Ail"
                                                << "a.b";
    QTest::newRow(".txt reste") << "mesure.txt"
                                << "mesure.txt";
}

void TestFichiers::sauvegarderNoms()
{
    QFETCH(QString, nom);
    QFETCH(QString, nomGarde);
    clsSerie s;
    RemplirSerie(s, 3);
    QVERIFY(s.Sauvegarder(nom, Dossier()));
    QCOMPARE(s.Nom, nomGarde);
    QCOMPARE(s.Chemin, Dossier());
    QCOMPARE(s.NbrePointsSauves, 3);
    QStringList attendus{nomGarde + QStringLiteral(".ail"), nomGarde + QStringLiteral(".txt"),
                         QStringLiteral("maison")};
    attendus.sort();
    QCOMPARE(Fichiers(Dossier()), attendus);
}

void TestFichiers::ouvrirNomAvecAilAuMilieu()
{
    // Saving "a.ail.b" writes a.ail.b.ail; opening that file drops both ".ail"
    // and reads a.b.ail.
    clsSerie s;
    RemplirSerie(s, 2);
    QVERIFY(s.Sauvegarder(QStringLiteral("a.ail.b"), Dossier()));
    s.Infos.ID = QStringLiteral("AUTRE");
    QVERIFY(s.Ecrire(QStringLiteral("a.b"), Dossier()));

    clsSerie l;
    QVERIFY(l.Ouvrir(QStringLiteral("a.ail.b.ail"), Dossier(), 3));
    QCOMPARE(l.Nom, QStringLiteral("a.b"));
    QCOMPARE(l.Infos.ID, QStringLiteral("AUTRE"));
}

void TestFichiers::rouvrirSousSonPropreNom()
{
    // Reloading a series from its own Nom and Chemin.
    clsSerie s;
    RemplirSerie(s, 2);
    QVERIFY(s.Sauvegarder(QStringLiteral("recharge"), Dossier()));
    QVERIFY(s.Ouvrir(s.Nom, s.Chemin, 3));
    QCOMPARE(s.Nom, QStringLiteral("recharge"));
    QCOMPARE(s.Chemin, Dossier());
    QCOMPARE(s.Infos.ID, QStringLiteral("LOG1"));
    QCOMPARE(s.NbrePointsPresents(), 2);
}

void TestFichiers::temperatureSeuleOuverteEnHumidite()
{
    clsSerie s;
    s.Infos.Capteurs = 1;
    s.NbrePoints = 0;
    s.AjouterPoint(1459339509, 235, 0);
    s.AjouterPoint(1459339514, 241, 0);
    QVERIFY(s.Sauvegarder(QStringLiteral("temp"), Dossier()));
    QCOMPARE(Lire(Dossier() + QStringLiteral("/temp.txt")),
             QByteArray("1459339509\t235\t0\n1459339514\t241\t0\n"));
    QSettings brut(Dossier() + QStringLiteral("/temp.ail"), QSettings::IniFormat);
    QCOMPARE(brut.value(QStringLiteral("Capteurs")).toString(), QStringLiteral("1"));

    clsSerie l;
    QVERIFY(!l.Ouvrir(QStringLiteral("temp"), Dossier(), 2));
    QCOMPARE(l.Infos.Capteurs, 1);
    QCOMPARE(l.NbrePoints, 2);
    QCOMPARE(l.Temperature.Moyenne, 238);
    QCOMPARE(l.Temperature.Maximum, 241);
    QVERIFY(l.Temps.Valeurs.isEmpty());
    QVERIFY(l.Temperature.Valeurs.isEmpty());
    QVERIFY(l.Humidite.Valeurs.isEmpty());

    QVERIFY(l.Ouvrir(QStringLiteral("temp"), Dossier(), 1));
    QCOMPARE(l.Temperature.Valeurs, (QList<int>{235, 241}));
    QCOMPARE(l.Humidite.Valeurs, (QList<int>{0, 0}));
}

void TestFichiers::enTeteSansNbrePoints()
{
    clsSerie s;
    s.NbrePoints = 0;
    s.AjouterPoint(1459339509, 32000, 0);
    s.AjouterPoint(1459339514, 64000, 0);
    QVERIFY(s.Sauvegarder(QStringLiteral("sans"), Dossier()));
    {
        QSettings brut(Dossier() + QStringLiteral("/sans.ail"), QSettings::IniFormat);
        brut.remove(QStringLiteral("NbrePoints"));
    }
    clsSerie l;
    QVERIFY(l.Ouvrir(QStringLiteral("sans"), Dossier(), 3));
    QCOMPARE(l.NbrePoints, 32000);
    QCOMPARE(l.NbrePointsPresents(), 2);
    QCOMPARE(l.Temperature.Moyenne, 3); // 96000 / 32000
    QCOMPARE(l.Temps.Moyenne, 91208);   // 2918679023 / 32000
}

void TestFichiers::sauvegardeAuto()
{
    clsSerie s;
    RemplirSerie(s, 2);
    QDateTime instant(QDate(2016, 3, 30), QTime(14, 5, 9), Qt::LocalTime);
    s.setHorloge([&instant] { return instant; });

    QVERIFY(s.SauvegardeAuto());
    const QString dossierAuto = Maison() + QStringLiteral("/Vorsen_Logger");
    const QString nomAuto = QStringLiteral("LOG1_20160330_140509");
    QCOMPARE(s.CheminAuto, dossierAuto);
    QCOMPARE(s.NomAuto, nomAuto);
    const QStringList paire{nomAuto + QStringLiteral(".ail"), nomAuto + QStringLiteral(".txt")};
    QCOMPARE(Fichiers(dossierAuto), paire);
    // A backup is not a save.
    QCOMPARE(s.Nom, QStringLiteral("New"));
    QCOMPARE(s.NbrePointsSauves, 0);

    // Later backups of the same recording rewrite the same pair.
    instant = instant.addSecs(3600);
    s.AjouterPoint(1459339629, 210, 520);
    QVERIFY(s.SauvegardeAuto());
    QCOMPARE(Fichiers(dossierAuto), paire);
    QCOMPARE(Lire(dossierAuto + QStringLiteral("/") + nomAuto + QStringLiteral(".txt")).count('\n'),
             3);
    QCOMPARE(clsSettings(dossierAuto, nomAuto).LireEntier(QStringLiteral("NbrePoints"), 0), 3);

    // The user's save deletes them.
    const QString ailleurs = Dossier() + QStringLiteral("/ailleurs");
    QVERIFY(QDir().mkdir(ailleurs));
    QVERIFY(s.Sauvegarder(QStringLiteral("essai.ail"), ailleurs));
    QCOMPARE(Fichiers(dossierAuto), QStringList());
    QCOMPARE(s.NomAuto, QString());
    QCOMPARE(s.NbrePointsSauves, 3);
    QCOMPARE(Fichiers(ailleurs), QStringList({"essai.ail", "essai.txt"}));

    // The next backup starts a new pair, named at its own time.
    QVERIFY(s.SauvegardeAuto());
    QCOMPARE(s.NomAuto, QStringLiteral("LOG1_20160330_150509"));
}

void TestFichiers::sauvegardeAutoSansSousDossier()
{
    // A regular file named Vorsen_Logger in the home folder: the backup goes to
    // the home folder itself.
    QVERIFY(Ecrire(Maison() + QStringLiteral("/Vorsen_Logger"), "pas un dossier"));
    clsSerie s;
    RemplirSerie(s, 2);
    s.setHorloge([] { return QDateTime(QDate(2016, 3, 30), QTime(14, 5, 9), Qt::LocalTime); });
    QVERIFY(s.SauvegardeAuto(QString()));
    QCOMPARE(s.CheminAuto, Maison());
    QVERIFY(QFile::exists(Maison() + QStringLiteral("/LOG1_20160330_140509.txt")));
}

void TestFichiers::sauvegardeSurLaSauvegardeAuto()
{
    // Saving under the backup's own name and folder must not delete the save.
    clsSerie s;
    RemplirSerie(s, 2);
    QVERIFY(s.SauvegardeAuto());
    const QString nom = s.NomAuto;
    const QString dossier = s.CheminAuto;
    QVERIFY(s.Sauvegarder(nom, dossier));
    QCOMPARE(s.NomAuto, QString());
    QVERIFY(QFile::exists(dossier + QLatin1Char('/') + nom + QStringLiteral(".ail")));
    QVERIFY(QFile::exists(dossier + QLatin1Char('/') + nom + QStringLiteral(".txt")));
}

void TestFichiers::majCommentaire_data()
{
    QTest::addColumn<int>("voie");
    QTest::addColumn<QString>("groupe");
    QTest::newRow("température") << 1 << "[Temperature]";
    QTest::newRow("humidité") << 2 << "[Humidite]";
    QTest::newRow("toute autre voie: humidité") << 0 << "[Humidite]";
}

void TestFichiers::majCommentaire()
{
    QFETCH(int, voie);
    QFETCH(QString, groupe);

    clsSerie s;
    RemplirSerie(s, 3);
    s.setCommentaire(QStringLiteral("avant"));
    QVERIFY(s.Sauvegarder(QStringLiteral("commentaire"), Dossier()));
    const QString entete = Dossier() + QStringLiteral("/commentaire.ail");
    const QString points = Dossier() + QStringLiteral("/commentaire.txt");
    const QByteArray enteteAvant = Lire(entete);
    const QByteArray pointsAvant = Lire(points);

    const QString nouveau = QStringLiteral("après, modifié");
    s.Temperature.Commentaire = voie == 1 ? nouveau : QStringLiteral("ignoré");
    s.Humidite.Commentaire = voie == 1 ? QStringLiteral("ignoré") : nouveau;
    s.Temps.Valeurs.clear(); // the points file must not be rewritten
    QVERIFY(s.MajCommentaire(voie));

    // Same lines but one, and that one is the comment of the right group.
    const QList<QByteArray> avant = enteteAvant.split('\n');
    const QList<QByteArray> apres = Lire(entete).split('\n');
    QCOMPARE(apres.size(), avant.size());
    int differentes = 0;
    QByteArray groupeCourant;
    for (int i = 0; i < avant.size(); ++i) {
        if (avant.at(i).startsWith('['))
            groupeCourant = avant.at(i);
        if (avant.at(i) != apres.at(i)) {
            ++differentes;
            QCOMPARE(QString::fromLatin1(groupeCourant), groupe);
            QVERIFY(apres.at(i).startsWith("Commentaire="));
        }
    }
    QCOMPARE(differentes, 1);
    QCOMPARE(Lire(points), pointsAvant);

    clsSerie l;
    QVERIFY(l.Ouvrir(QStringLiteral("commentaire"), Dossier(), 3));
    QCOMPARE(voie == 1 ? l.Temperature.Commentaire : l.Humidite.Commentaire, nouveau);
    QCOMPARE(voie == 1 ? l.Humidite.Commentaire : l.Temperature.Commentaire,
             QStringLiteral("avant"));
}

void TestFichiers::majCommentaireSansEnTete()
{
    // No header to rewrite: nothing is created.
    clsSerie s;
    s.Chemin = Dossier();
    s.Nom = QStringLiteral("absent");
    s.setCommentaire(QStringLiteral("x"));
    QVERIFY(!s.MajCommentaire(1));
    QCOMPARE(Fichiers(Dossier()), QStringList({"maison"}));
}

void TestFichiers::sauvegardeImpossible_data()
{
    // Failures that root cannot bypass.
    QTest::addColumn<QString>("cas");
    QTest::newRow("dossier qui est un fichier") << "fichier";
    QTest::newRow("nom plus long que NAME_MAX") << "long";
    QTest::newRow("fichier de points qui est un dossier") << "points";
    QTest::newRow("en-tête qui est un dossier") << "entete";
    QTest::newRow("dossier inexistant") << "inexistant";
}

void TestFichiers::sauvegardeImpossible()
{
    QFETCH(QString, cas);

    // A recording saved once, then backed up with unsaved points.
    clsSerie s;
    RemplirSerie(s, 3);
    QVERIFY(s.Sauvegarder(QStringLiteral("premier"), Dossier()));
    s.AjouterPoint(1459339689, 250, 530);
    QVERIFY(s.SauvegardeAuto());
    const QString autoTxt = s.CheminAuto + QLatin1Char('/') + s.NomAuto + QStringLiteral(".txt");
    const QString autoAil = s.CheminAuto + QLatin1Char('/') + s.NomAuto + QStringLiteral(".ail");
    const QByteArray sauvegardeAuto = Lire(autoTxt);
    const QString nomAuto = s.NomAuto;

    QString dossier = Dossier() + QStringLiteral("/cible");
    QString nom = QStringLiteral("essai");
    if (cas == QLatin1String("fichier")) {
        QVERIFY(Ecrire(dossier, "fichier ordinaire"));
    } else if (cas == QLatin1String("long")) {
        QVERIFY(QDir().mkdir(dossier));
        nom = QString(300, QLatin1Char('n'));
    } else if (cas == QLatin1String("points")) {
        QVERIFY(QDir().mkpath(dossier + QStringLiteral("/essai.txt")));
    } else if (cas == QLatin1String("entete")) {
        QVERIFY(QDir().mkpath(dossier + QStringLiteral("/essai.ail")));
    }

    QVERIFY(!s.Sauvegarder(nom, dossier));
    QCOMPARE(s.Nom, QStringLiteral("premier"));
    QCOMPARE(s.Chemin, Dossier());
    QCOMPARE(s.NbrePointsSauves, 3);
    QCOMPARE(s.NomAuto, nomAuto);
    QCOMPARE(Lire(autoTxt), sauvegardeAuto);
    QVERIFY(QFile::exists(autoAil));
    // Nothing half-written is left behind: no header without its points, and
    // no points without their header.
    if (cas != QLatin1String("entete"))
        QVERIFY(!QFile::exists(dossier + QLatin1Char('/') + nom + QStringLiteral(".ail")));
    if (cas != QLatin1String("points"))
        QVERIFY(!QFile::exists(dossier + QLatin1Char('/') + nom + QStringLiteral(".txt")));
    if (cas == QLatin1String("inexistant"))
        QVERIFY(!QFile::exists(dossier));

    QVERIFY(!s.Ecrire(nom, dossier));
    QVERIFY(!s.SauvegardeAuto(dossier + QStringLiteral("/sous")));
}

void TestFichiers::fichierDePointsInterrompu()
{
    clsSerie ancienne;
    RemplirSerie(ancienne, 10);
    QVERIFY(ancienne.Sauvegarder(QStringLiteral("essai"), Dossier()));
    const QString entete = Dossier() + QStringLiteral("/essai.ail");
    const QString points = Dossier() + QStringLiteral("/essai.txt");
    const QByteArray enteteAvant = Lire(entete);
    const QByteArray pointsAvant = Lire(points);

    clsSerie s;
    RemplirSerie(s, 32000); // about 600 kB of points

    // Files of this process may not grow beyond 16 kB: the write stops part way
    // as on a full disk. The limit binds root too.
    struct rlimit ancienneLimite;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &ancienneLimite), 0);
    struct rlimit limite = ancienneLimite;
    limite.rlim_cur = 16 * 1024;
    std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limite), 0);
    const bool sauve = s.Sauvegarder(QStringLiteral("essai"), Dossier());
    const bool donnees = s.EcrireDonnees(s.NbrePoints, QStringLiteral("essai"), Dossier());
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &ancienneLimite), 0);
    std::signal(SIGXFSZ, SIG_DFL);

    QVERIFY(!sauve);
    QVERIFY(!donnees);
    QCOMPARE(Lire(points), pointsAvant);
    QCOMPARE(Lire(entete), enteteAvant);
    QCOMPARE(s.Nom, QStringLiteral("New"));
    QCOMPARE(Fichiers(Dossier()), QStringList({"essai.ail", "essai.txt", "maison"}));

    // Without the limit the same save goes through.
    QVERIFY(s.Sauvegarder(QStringLiteral("essai"), Dossier()));
    QCOMPARE(Lire(points).count('\n'), 32000);
}

void TestFichiers::fichierDePointsCourt()
{
    // A header that announces 10 points beside a points file that holds 4.
    clsSerie s;
    RemplirSerie(s, 4);
    s.NbrePoints = 10;
    QVERIFY(s.Ecrire(QStringLiteral("court"), Dossier()));

    clsSerie l;
    QVERIFY(l.Ouvrir(QStringLiteral("court"), Dossier(), 3));
    QCOMPARE(l.NbrePoints, 10);
    QCOMPARE(l.NbrePointsPresents(), 4);
    QCOMPARE(l.Temperature.Moyenne, (200 + 201 + 202 + 203) / 10);

    // Writing walks the points it holds, never past the lists.
    QVERIFY(l.Sauvegarder(QStringLiteral("copie"), Dossier()));
    QCOMPARE(Lire(Dossier() + QStringLiteral("/copie.txt")),
             Lire(Dossier() + QStringLiteral("/court.txt")));
    QCOMPARE(
        clsSettings(Dossier(), QStringLiteral("copie")).LireEntier(QStringLiteral("NbrePoints"), 0),
        10);
    QVERIFY(l.EcrireDonnees(1000, QStringLiteral("grand"), Dossier()));
    QCOMPARE(Lire(Dossier() + QStringLiteral("/grand.txt")).count('\n'), 4);
}

VORSEN_DATA_TEST_MAIN(TestFichiers)
#include "tst_fichiers.moc"
