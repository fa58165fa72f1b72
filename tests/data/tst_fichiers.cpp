// Recording files: writing and reading back, the reference pair, names, the
// automatic backup, comment and limits rewrites, the fingerprints that tell an
// edit made outside the program, saves that cannot be written, and the CSV copy.
#include "Environnement.h"

#include <ExportCsv.h>
#include <clsSerie.h>
#include <clsSettings.h>

#include <QDir>
#include <QProcess>
#include <QSettings>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <csignal>
#include <ctime>

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
    void majLimites();
    void integrite_data();
    void integrite();
    void ancienFichierSansEmpreinte();
    void sauvegardeImpossible_data();
    void sauvegardeImpossible();
    void disquePlein_data();
    void disquePlein();
    void fichierDePointsCourt();
    void ecrireCsv_data();
    void ecrireCsv();
    void csvImpossible_data();
    void csvImpossible();
    void csvRelu();

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

// Runs a Python script with Debian's interpreter (the pyenv one does not see
// Debian's modules); its output lines, or the error in the result's first line.
QStringList Python(const QString& script, const QStringList& arguments, bool* reussi)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), QStringList{"-c", script} + arguments);
    python.waitForFinished(-1);
    *reussi = python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0;
    const QByteArray sortie =
        *reussi ? python.readAllStandardOutput()
                : python.errorString().toUtf8() + '\n' + python.readAllStandardError();
    return QString::fromUtf8(sortie).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool ModulePython(const char* module)
{
    bool present = false;
    Python(QStringLiteral("import ") + QLatin1String(module), {}, &present);
    return present;
}

// Numbers written the French way wherever the default locale is asked.
class LocaleFrancaise
{
public:
    LocaleFrancaise() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    ~LocaleFrancaise() { QLocale::setDefault(m_Avant); }

private:
    QLocale m_Avant;
};

// Local time of another zone for as long as it lives.
class Fuseau
{
public:
    explicit Fuseau(const QByteArray& zone)
        : m_Avant(qgetenv("TZ")), m_Defini(qEnvironmentVariableIsSet("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~Fuseau()
    {
        if (m_Defini)
            qputenv("TZ", m_Avant);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    QByteArray m_Avant;
    bool m_Defini;
};

// Little room for the files of one test: a small tmpfs of its own when the test
// may mount one (root), otherwise a limit on the size of any file this process
// writes (RLIMIT_FSIZE binds root too), which stands in for the free space.
class DisqueRestreint
{
public:
    explicit DisqueRestreint(const QString& dossier) : m_Dossier(QFile::encodeName(dossier))
    {
        // In a mount namespace of the process's own, the tmpfs goes with the
        // process however the test ends.
        static const bool espacePropre =
            geteuid() == 0 && unshare(CLONE_NEWNS) == 0 &&
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        m_Monte = espacePropre &&
                  mount("tmpfs", m_Dossier.constData(), "tmpfs", 0, "size=1m,mode=0700") == 0;
        if (!m_Monte)
            qInfo("no tmpfs: the file size limit stands in for the free space");
    }
    ~DisqueRestreint()
    {
        Liberer();
        if (m_Monte)
            umount2(m_Dossier.constData(), MNT_DETACH);
    }

    // Leaves `libre` bytes for new files.
    bool Restreindre(qint64 libre)
    {
        if (!m_Monte) {
            if (getrlimit(RLIMIT_FSIZE, &m_Limite) != 0)
                return false;
            struct rlimit limite = m_Limite;
            limite.rlim_cur = rlim_t(libre);
            std::signal(SIGXFSZ, SIG_IGN);
            m_Limitee = setrlimit(RLIMIT_FSIZE, &limite) == 0;
            return m_Limitee;
        }
        // The tmpfs filled up but for `libre` bytes, written: a file with holes
        // would take no room.
        struct statvfs etat;
        if (statvfs(m_Dossier.constData(), &etat) != 0)
            return false;
        qint64 reste = qint64(etat.f_bavail) * qint64(etat.f_bsize) - libre;
        QFile remplissage(QFile::decodeName(m_Dossier) + QStringLiteral("/remplissage"));
        if (!remplissage.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray page(4096, 'r');
        for (; reste > 0; reste -= page.size())
            if (remplissage.write(page.constData(), qMin<qint64>(reste, page.size())) <= 0)
                return false;
        m_Rempli = true;
        return true;
    }

    void Liberer()
    {
        if (m_Limitee) {
            setrlimit(RLIMIT_FSIZE, &m_Limite);
            std::signal(SIGXFSZ, SIG_DFL);
            m_Limitee = false;
        }
        if (m_Rempli) {
            QFile::remove(QFile::decodeName(m_Dossier) + QStringLiteral("/remplissage"));
            m_Rempli = false;
        }
    }

private:
    QByteArray m_Dossier;
    bool m_Monte = false;
    bool m_Limitee = false;
    bool m_Rempli = false;
    struct rlimit m_Limite = {};
};

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
    s.Temperature.Limites.Haute = 80;
    s.Humidite.Limites = {-5, 1000};
    s.LimitesRosee.Basse = 0;
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
    QVERIFY(l.Temperature.Limites == (TS_LIMITES{std::nullopt, 80}));
    QVERIFY(l.Humidite.Limites == (TS_LIMITES{-5, 1000}));
    QVERIFY(l.LimitesRosee == (TS_LIMITES{0, std::nullopt}));
    QCOMPARE(l.Integrite(), clsSerie::enm_INTEGRITE::Intacte);
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
    // Written before limits and fingerprints: none, and nothing to tell.
    QVERIFY(s.Temperature.Limites.Aucune() && s.Humidite.Limites.Aucune() &&
            s.LimitesRosee.Aucune());
    QCOMPARE(s.Integrite(), clsSerie::enm_INTEGRITE::SansEmpreinte);
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
    // Writing what was read gives the same pair back, line ends aside, and the
    // fingerprints: no limit key for a recording without limits.
    clsSerie s;
    QVERIFY(s.Ouvrir(QStringLiteral("reference"), DossierReference, 3));
    QVERIFY(s.Ecrire(QStringLiteral("copie"), Dossier()));
    QByteArray points = Lire(DossierReference + QStringLiteral("/reference.txt"));
    QByteArray entete = Lire(DossierReference + QStringLiteral("/reference.ail"));
    QVERIFY(points.contains("\r\n") && entete.contains("\r\n"));
    points.replace("\r\n", "\n");
    entete.replace("\r\n", "\n");
    QCOMPARE(Lire(Dossier() + QStringLiteral("/copie.txt")), points);
    // SHA-256 of the points file and of the header's canonical text, worked out
    // with sha256sum over "ID=SALLE-3\nAppareil=3\nDateDebut=1459339509\n...".
    entete.replace(
        "\n[Temperature]",
        "\n[Integrite]\n"
        "SHA256Mesures=55617cb4bd493487bc9ce31b4c1e81326be0f105d73d7f9bc4d5ea318ce5ddde\n"
        "SHA256Points=c32dee7e15339ac9aa77ca58fe829e9d57c854bd7decd19ba8bbf25e94954156\n"
        "\n[Temperature]");
    QCOMPARE(Lire(Dossier() + QStringLiteral("/copie.ail")), entete);
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

void TestFichiers::majLimites()
{
    // Limits set, changed and removed: those keys alone change, the points file
    // and the fingerprints stay.
    clsSerie s;
    RemplirSerie(s, 3);
    s.Temperature.Limites.Haute = 80;
    QVERIFY(s.Sauvegarder(QStringLiteral("limites"), Dossier()));
    // A second copy read now, as the analysis keeps one per curve.
    clsSerie autre;
    QVERIFY(autre.Ouvrir(QStringLiteral("limites"), Dossier(), 3));
    const QByteArray pointsAvant = Lire(Dossier() + QStringLiteral("/limites.txt"));
    const QString cle = QStringLiteral("Integrite/SHA256Mesures");
    const QString empreinte = clsSettings(Dossier(), QStringLiteral("limites")).LireTexte(cle, {});
    QCOMPARE(empreinte.size(), 64);

    s.Temperature.Limites = TS_LIMITES();
    s.Humidite.Limites.Basse = 300;
    s.LimitesRosee = {-20, 150};
    QVERIFY(s.MajLimites(1) && s.MajLimites(2) && s.MajLimites(4));
    QCOMPARE(Lire(Dossier() + QStringLiteral("/limites.txt")), pointsAvant);
    const clsSettings lu(Dossier(), QStringLiteral("limites"));
    QVERIFY(!lu.contains(QStringLiteral("Temperature/LimiteHaute")));
    QVERIFY(!lu.contains(QStringLiteral("Temperature/LimiteBasse")));
    QVERIFY(!lu.contains(QStringLiteral("Humidite/LimiteHaute")));
    QCOMPARE(lu.LireEntier(QStringLiteral("Humidite/LimiteBasse"), 0), 300);
    QCOMPARE(lu.LireEntier(QStringLiteral("PointRosee/LimiteBasse"), 0), -20);
    QCOMPARE(lu.LireEntier(QStringLiteral("PointRosee/LimiteHaute"), 0), 150);
    QCOMPARE(lu.LireTexte(cle, {}), empreinte);

    clsSerie l;
    QVERIFY(l.Ouvrir(QStringLiteral("limites"), Dossier(), 3));
    QVERIFY(l.Temperature.Limites.Aucune());
    QVERIFY(l.Humidite.Limites == (TS_LIMITES{300, std::nullopt}));
    QVERIFY(l.LimitesRosee == (TS_LIMITES{-20, 150}));
    QCOMPARE(l.Integrite(), clsSerie::enm_INTEGRITE::Intacte);

    // The older copy writes its temperature limits alone: the others stay.
    autre.Temperature.Limites.Basse = 20;
    QVERIFY(autre.MajLimites(1));
    QVERIFY(l.Ouvrir(QStringLiteral("limites"), Dossier(), 3));
    QVERIFY(l.Temperature.Limites == (TS_LIMITES{20, 80}));
    QVERIFY(l.Humidite.Limites == (TS_LIMITES{300, std::nullopt}));
    QVERIFY(l.LimitesRosee == (TS_LIMITES{-20, 150}));
}

void TestFichiers::integrite_data()
{
    // An edit of a saved pair, as a text editor makes it: in the file, the first
    // `avant` becomes `apres`.
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QByteArray>("avant");
    QTest::addColumn<QByteArray>("apres");
    QTest::addColumn<bool>("modifiee");
    QTest::newRow("untouched") << ".txt" << QByteArray() << QByteArray() << false;
    QTest::newRow("one reading") << ".txt" << QByteArray("\t201\t") << QByteArray("\t211\t")
                                 << true;
    QTest::newRow("a line end") << ".txt" << QByteArray("\n") << QByteArray("\r\n") << true;
    QTest::newRow("a line added") << ".txt" << QByteArray("\t202\t502\n")
                                  << QByteArray("\t202\t502\n1459339689\t203\t503\n") << true;
    QTest::newRow("the identifier")
        << ".ail" << QByteArray("ID=LOG1") << QByteArray("ID=LOG2") << true;
    QTest::newRow("a statistic") << ".ail" << QByteArray("Moyenne=201") << QByteArray("Moyenne=202")
                                 << true;
    QTest::newRow("the period written another way")
        << ".ail" << QByteArray("Frequence=60") << QByteArray("Frequence=060") << true;
    QTest::newRow("a fingerprint removed")
        << ".ail" << QByteArray("SHA256Points=") << QByteArray("Autre=") << true;
    // Comments and limits are the user's, changed by the program after the save.
    QTest::newRow("the comment") << ".ail" << QByteArray("Commentaire=avant")
                                 << QByteArray("Commentaire=apres") << false;
    QTest::newRow("a limit") << ".ail" << QByteArray("LimiteHaute=80")
                             << QByteArray("LimiteHaute=90") << false;
}

void TestFichiers::integrite()
{
    QFETCH(QString, extension);
    QFETCH(QByteArray, avant);
    QFETCH(QByteArray, apres);
    QFETCH(bool, modifiee);

    clsSerie s;
    RemplirSerie(s, 3);
    s.setCommentaire(QStringLiteral("avant"));
    s.Temperature.Limites.Haute = 80;
    QVERIFY(s.Sauvegarder(QStringLiteral("essai"), Dossier()));
    const QString chemin = Dossier() + QStringLiteral("/essai") + extension;
    if (!avant.isEmpty()) {
        QByteArray octets = Lire(chemin);
        const int i = octets.indexOf(avant);
        QVERIFY(i >= 0);
        QVERIFY(Ecrire(chemin, octets.replace(i, avant.size(), apres)));
    }
    const auto attendu =
        modifiee ? clsSerie::enm_INTEGRITE::Modifiee : clsSerie::enm_INTEGRITE::Intacte;
    clsSerie l;
    QVERIFY(l.Ouvrir(QStringLiteral("essai"), Dossier(), 3));
    QCOMPARE(l.Integrite(), attendu);

    // A comment update afterwards keeps the fingerprints: it does not vouch for
    // the edit.
    l.setCommentaire(QStringLiteral("relu"));
    QVERIFY(l.MajCommentaire(1));
    QVERIFY(l.Ouvrir(QStringLiteral("essai"), Dossier(), 3));
    QCOMPARE(l.Integrite(), attendu);
}

void TestFichiers::ancienFichierSansEmpreinte()
{
    // A header written before the fingerprints gets none from a comment update:
    // they would vouch for the files as they stand, not as they were saved.
    for (const char* extension : {".ail", ".txt"})
        QVERIFY(QFile::copy(DossierReference + QStringLiteral("/reference") + extension,
                            Dossier() + QStringLiteral("/ancien") + extension));
    clsSerie s;
    QVERIFY(s.Ouvrir(QStringLiteral("ancien"), Dossier(), 3));
    s.LimitesRosee.Haute = 100;
    QVERIFY(s.MajCommentaire(2) && s.MajLimites(4));
    QVERIFY(s.Ouvrir(QStringLiteral("ancien"), Dossier(), 3));
    QCOMPARE(s.LimitesRosee.Haute, std::optional<int>(100));
    QCOMPARE(s.Integrite(), clsSerie::enm_INTEGRITE::SansEmpreinte);
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

void TestFichiers::disquePlein_data()
{
    QTest::addColumn<QString>("ecriture"); // "sauvegarde", "commentaire" or "auto"
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("libre");  // bytes
    QTest::addColumn<bool>("echec"); // certain: the new points file alone needs more
    QTest::newRow("600 points, 8 ko libres") << "sauvegarde" << 600 << 8192 << true;
    QTest::newRow("600 points, 4 ko libres") << "sauvegarde" << 600 << 4096 << true;
    QTest::newRow("100 points, 4 ko libres") << "sauvegarde" << 100 << 4096 << false;
    QTest::newRow("100 points, rien de libre") << "sauvegarde" << 100 << 0 << true;
    QTest::newRow("32 000 points, 16 ko libres") << "sauvegarde" << 32000 << 16384 << true;
    QTest::newRow("commentaire, rien de libre") << "commentaire" << 100 << 0 << true;
    QTest::newRow("sauvegarde automatique, 4 ko libres") << "auto" << 600 << 4096 << true;
}

void TestFichiers::disquePlein()
{
    // A write onto a nearly full disk either puts every byte of the new files in
    // place and says so, or says it failed and leaves the previous files (and the
    // automatic backup of the points) exactly as they were.
    QFETCH(QString, ecriture);
    QFETCH(int, points);
    QFETCH(int, libre);
    QFETCH(bool, echec);
    const bool commentaire = ecriture == QLatin1String("commentaire");
    const bool automatique = ecriture == QLatin1String("auto");

    const QString cible = Dossier() + QStringLiteral("/disque");
    const QString attendu = Dossier() + QStringLiteral("/attendu");
    QVERIFY(QDir().mkdir(cible) && QDir().mkdir(attendu));
    DisqueRestreint disque(cible);

    // The files already there: a save of 50 points, or their automatic backup.
    clsSerie s;
    RemplirSerie(s, 50);
    s.setCommentaire(QStringLiteral("avant"));
    QVERIFY(automatique ? s.SauvegardeAuto(cible) : s.Sauvegarder(QStringLiteral("essai"), cible));
    const QString nom = automatique ? s.NomAuto : QStringLiteral("essai");
    const QStringList paire{nom + QStringLiteral(".ail"), nom + QStringLiteral(".txt")};
    QByteArray avant[2];
    QByteArray apres[2];
    for (int i = 0; i < 2; ++i)
        avant[i] = Lire(cible + QLatin1Char('/') + paire.at(i));

    // What the write gives where there is room.
    if (commentaire) {
        s.setCommentaire(QString(2000, QLatin1Char('c')));
        QVERIFY(QFile::copy(cible + QStringLiteral("/essai.ail"),
                            attendu + QStringLiteral("/essai.ail")));
        s.Chemin = attendu;
        QVERIFY(s.MajCommentaire(1));
        s.Chemin = cible;
        apres[0] = Lire(attendu + QStringLiteral("/essai.ail"));
        apres[1] = avant[1];
    } else {
        for (int i = 50; i < points; ++i)
            s.AjouterPoint(1459339509u + 60u * i, 200 + i % 50, 500 + i % 70);
        // The newer points are backed up at home before the user saves them.
        if (!automatique)
            QVERIFY(s.SauvegardeAuto());
        QVERIFY(s.Ecrire(nom, attendu));
        for (int i = 0; i < 2; ++i)
            apres[i] = Lire(attendu + QLatin1Char('/') + paire.at(i));
    }
    const QString sauvegardeAuto = s.CheminAuto + QLatin1Char('/') + s.NomAuto;

    QVERIFY(disque.Restreindre(libre));
    const bool reussi = commentaire   ? s.MajCommentaire(1)
                        : automatique ? s.SauvegardeAuto(cible)
                                      : s.Sauvegarder(nom, cible);
    disque.Liberer();

    if (echec)
        QVERIFY(!reussi);
    for (int i = 0; i < 2; ++i)
        QCOMPARE(Lire(cible + QLatin1Char('/') + paire.at(i)), reussi ? apres[i] : avant[i]);
    // Nothing else is left there: no temporary file, no lock.
    QCOMPARE(Fichiers(cible), paire);
    if (ecriture == QLatin1String("sauvegarde")) {
        QCOMPARE(QFile::exists(sauvegardeAuto + QStringLiteral(".txt")), !reussi);
        QCOMPARE(QFile::exists(sauvegardeAuto + QStringLiteral(".ail")), !reussi);
        QCOMPARE(s.NbrePointsSauves, reussi ? points : 50);
    }

    // With room again the same write goes through.
    if (!reussi) {
        QVERIFY(commentaire   ? s.MajCommentaire(1)
                : automatique ? s.SauvegardeAuto(cible)
                              : s.Sauvegarder(nom, cible));
        for (int i = 0; i < 2; ++i)
            QCOMPARE(Lire(cible + QLatin1Char('/') + paire.at(i)), apres[i]);
    }
}

void TestFichiers::fichierDePointsCourt()
{
    // A header that announces 10 points beside a points file that holds 4.
    clsSerie s;
    RemplirSerie(s, 4);
    QVERIFY(s.Ecrire(QStringLiteral("court"), Dossier()));
    clsSettings(Dossier(), QStringLiteral("court")).setValue(QStringLiteral("NbrePoints"), 10);

    clsSerie l;
    QVERIFY(l.Ouvrir(QStringLiteral("court"), Dossier(), 3));
    QCOMPARE(l.EtatPaire(), clsSerie::enm_PAIRE::Discordante);
    QCOMPARE(l.NbrePoints, 10);
    QCOMPARE(l.NbrePointsPresents(), 4);
    QCOMPARE(l.Temperature.Moyenne, 80); // 806 tenths over the header's 10 points

    // Writing walks the points it holds, never past the lists, and the header
    // counts the lines written.
    QVERIFY(l.Sauvegarder(QStringLiteral("copie"), Dossier()));
    QCOMPARE(Lire(Dossier() + QStringLiteral("/copie.txt")),
             Lire(Dossier() + QStringLiteral("/court.txt")));
    QCOMPARE(
        clsSettings(Dossier(), QStringLiteral("copie")).LireEntier(QStringLiteral("NbrePoints"), 0),
        4);
    QVERIFY(l.Ouvrir(QStringLiteral("copie"), Dossier(), 3));
    QCOMPARE(l.EtatPaire(), clsSerie::enm_PAIRE::Concordante);
    QVERIFY(l.EcrireDonnees(1000, QStringLiteral("grand"), Dossier()));
    QCOMPARE(Lire(Dossier() + QStringLiteral("/grand.txt")).count('\n'), 4);
}

void TestFichiers::ecrireCsv_data()
{
    // points: time stamp, temperature, humidity, and again; announced: NbrePoints
    // as a header would give it, 0 for the count of points added.
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("capteurs");
    QTest::addColumn<bool>("utc");
    QTest::addColumn<QList<int>>("points");
    QTest::addColumn<int>("annonces");
    QTest::addColumn<QByteArray>("attendu");

    const QByteArray paris("Europe/Paris");
    const QByteArray deuxVoies("timestamp,temperature_C,humidity_pct\n");
    // 7 December 2026 13:05 and 13:06 UTC, 14:05 and 14:06 in Paris.
    const QList<int> hiver{1796648700, 235, 512, 1796648760, 241, 498};
    QTest::newRow("temperature and humidity")
        << paris << 3 << false << hiver << 0
        << deuxVoies + "2026-12-07T14:05:00+01:00,23.5,51.2\n"
                       "2026-12-07T14:06:00+01:00,24.1,49.8\n";
    QTest::newRow("temperature only") << paris << 1 << false << hiver << 0
                                      << QByteArray("timestamp,temperature_C\n"
                                                    "2026-12-07T14:05:00+01:00,23.5\n"
                                                    "2026-12-07T14:06:00+01:00,24.1\n");
    QTest::newRow("humidity only") << paris << 2 << false << hiver << 0
                                   << QByteArray("timestamp,humidity_pct\n"
                                                 "2026-12-07T14:05:00+01:00,51.2\n"
                                                 "2026-12-07T14:06:00+01:00,49.8\n");
    QTest::newRow("unknown sensor mask: both")
        << paris << 0 << false << hiver << 0
        << deuxVoies + "2026-12-07T14:05:00+01:00,23.5,51.2\n"
                       "2026-12-07T14:06:00+01:00,24.1,49.8\n";
    QTest::newRow("UTC") << paris << 3 << true << hiver << 0
                         << deuxVoies + "2026-12-07T13:05:00Z,23.5,51.2\n"
                                        "2026-12-07T13:06:00Z,24.1,49.8\n";
    // A local offset of 0 is an offset, not the UTC option's "Z".
    QTest::newRow("local offset 0") << QByteArray("Europe/London") << 1 << false << hiver << 0
                                    << QByteArray("timestamp,temperature_C\n"
                                                  "2026-12-07T13:05:00+00:00,23.5\n"
                                                  "2026-12-07T13:06:00+00:00,24.1\n");
    QTest::newRow("negative offset with minutes")
        << QByteArray("America/St_Johns") << 1 << false << hiver.mid(0, 3) << 0
        << QByteArray("timestamp,temperature_C\n"
                      "2026-12-07T09:35:00-03:30,23.5\n");
    QTest::newRow("signs, tenths, no thousands separator")
        << paris << 3 << true
        << QList<int>{1796648700, -5, 5, 1796648760, -235, 0, 1796648820, 65535, 1000} << 0
        << deuxVoies + "2026-12-07T13:05:00Z,-0.5,0.5\n"
                       "2026-12-07T13:06:00Z,-23.5,0.0\n"
                       "2026-12-07T13:07:00Z,6553.5,100.0\n";
    // 29 March 2026 00:45 and 01:00 UTC: clocks go from 02:00 to 03:00.
    QTest::newRow("spring change")
        << paris << 1 << false << QList<int>{1774745100, 80, 0, 1774746000, 81, 0} << 0
        << QByteArray("timestamp,temperature_C\n"
                      "2026-03-29T01:45:00+01:00,8.0\n"
                      "2026-03-29T03:00:00+02:00,8.1\n");
    // 25 October 2026 00:30 and 01:30 UTC: 02:30 twice, told apart by the offset.
    const QList<int> automne{1792888200, 120, 650, 1792891800, 118, 655};
    QTest::newRow("autumn change") << paris << 3 << false << automne << 0
                                   << deuxVoies + "2026-10-25T02:30:00+02:00,12.0,65.0\n"
                                                  "2026-10-25T02:30:00+01:00,11.8,65.5\n";
    QTest::newRow("autumn change in UTC") << paris << 3 << true << automne << 0
                                          << deuxVoies + "2026-10-25T00:30:00Z,12.0,65.0\n"
                                                         "2026-10-25T01:30:00Z,11.8,65.5\n";
    QTest::newRow("empty recording: header only")
        << paris << 3 << false << QList<int>() << 0 << deuxVoies;
    QTest::newRow("header announcing more points than held")
        << paris << 1 << true << hiver << 10
        << QByteArray("timestamp,temperature_C\n"
                      "2026-12-07T13:05:00Z,23.5\n"
                      "2026-12-07T13:06:00Z,24.1\n");
    // Shown in Fahrenheit (the expected header says so), rounded to the tenth.
    QTest::newRow("fahrenheit") << paris << 3 << true
                                << QList<int>{1796648700, 235,  512, 1796648760, -178,  498,
                                              1796648820, -400, 0,   1796648880, 65535, 1000}
                                << 0
                                << QByteArray("timestamp,temperature_F,humidity_pct\n"
                                              "2026-12-07T13:05:00Z,74.3,51.2\n"
                                              "2026-12-07T13:06:00Z,0.0,49.8\n"
                                              "2026-12-07T13:07:00Z,-40.0,0.0\n"
                                              "2026-12-07T13:08:00Z,11828.3,100.0\n");
}

void TestFichiers::ecrireCsv()
{
    QFETCH(QByteArray, zone);
    QFETCH(int, capteurs);
    QFETCH(bool, utc);
    QFETCH(QList<int>, points);
    QFETCH(int, annonces);
    QFETCH(QByteArray, attendu);

    clsSerie s;
    s.Infos.Capteurs = capteurs;
    s.NbrePoints = 0;
    for (int i = 0; i + 2 < points.size(); i += 3)
        s.AjouterPoint(static_cast<uint>(points.at(i)), points.at(i + 1), points.at(i + 2));
    if (annonces > 0)
        s.NbrePoints = annonces;

    const Fuseau fuseau(zone);
    const LocaleFrancaise francais; // "23,5" and "6 553,5" where the locale leaks in
    const QString fichier = CheminCsv(Dossier(), QStringLiteral("essai"));
    QCOMPARE(fichier, Dossier() + QStringLiteral("/essai.csv"));
    DefinirUniteAffichage(attendu.contains("temperature_F") ? FAHRENHEIT : CELSIUS);
    const bool ecrit = EcrireCsv(s, fichier, utc);
    DefinirUniteAffichage(CELSIUS);
    QVERIFY(ecrit);
    QCOMPARE(Lire(fichier), attendu);
    QCOMPARE(Fichiers(Dossier()), QStringList({"essai.csv", "maison"}));
}

void TestFichiers::csvImpossible_data()
{
    // Failures that root cannot bypass.
    QTest::addColumn<QString>("cas");
    QTest::newRow("folder that is a regular file") << "dossier";
    // About 10 kB of points stay in QFileDevice's 16 kB buffer until the flush,
    // and only the flush fails: commit() alone would report success.
    QTest::newRow("disk full at the last flush") << "plein";
}

void TestFichiers::csvImpossible()
{
    QFETCH(QString, cas);

    clsSerie s;
    RemplirSerie(s, 250);
    const QString dossier = Dossier() + QStringLiteral("/cible");
    const QString fichier = CheminCsv(dossier, QStringLiteral("essai"));
    bool ecrit = true;
    if (cas == QLatin1String("dossier")) {
        QVERIFY(Ecrire(dossier, "fichier ordinaire"));
        ecrit = EcrireCsv(s, fichier, false);
        QCOMPARE(Lire(dossier), QByteArray("fichier ordinaire"));
    } else {
        QVERIFY(QDir().mkdir(dossier));
        QVERIFY(Ecrire(fichier, "ancien\n"));
        // Files of this process may not grow beyond 4 kB, as on a full disk.
        struct rlimit ancienneLimite;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &ancienneLimite), 0);
        struct rlimit limite = ancienneLimite;
        limite.rlim_cur = 4 * 1024;
        std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limite), 0);
        ecrit = EcrireCsv(s, fichier, false);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &ancienneLimite), 0);
        std::signal(SIGXFSZ, SIG_DFL);
        // The previous file whole, and nothing beside it.
        QCOMPARE(Lire(fichier), QByteArray("ancien\n"));
        QCOMPARE(Fichiers(dossier), QStringList{"essai.csv"});
    }
    QVERIFY(!ecrit);
}

void TestFichiers::csvRelu()
{
    // The files as another program reads them: Python's csv module, then pandas
    // where it is installed. Points every quarter of an hour across the autumn
    // change in Paris, readings from -5.5 up and from 100.0 down.
    clsSerie s;
    s.Infos.Capteurs = 3;
    s.NbrePoints = 0;
    const uint debut = 1792886400; // 25 October 2026 00:00 UTC
    for (int i = 0; i < 12; ++i)
        s.AjouterPoint(debut + 900u * i, -55 + 37 * i, 1000 - 83 * i);
    const QString local = Dossier() + QStringLiteral("/local.csv");
    const QString utc = Dossier() + QStringLiteral("/utc.csv");
    {
        const Fuseau fuseau("Europe/Paris");
        QVERIFY(EcrireCsv(s, local, false));
        QVERIFY(EcrireCsv(s, utc, true));
    }

    // Time stamps and readings in tenths, as the program holds them.
    QStringList valeurs;
    for (int i = 0; i < s.NbrePointsPresents(); ++i)
        valeurs << QStringLiteral("%1 %2 %3")
                       .arg(static_cast<uint>(s.Temps.Valeurs.at(i)))
                       .arg(s.Temperature.Valeurs.at(i))
                       .arg(s.Humidite.Valeurs.at(i));
    const QString entete = QStringLiteral("timestamp,temperature_C,humidity_pct");

    // A BOM would stick to the first column's name; a time without its offset
    // would read as local time, and the two 02:30 would be the same instant.
    const QString lecteurCsv = QStringLiteral(
        "import csv, sys\n"
        "from datetime import datetime\n"
        "for chemin in sys.argv[1:]:\n"
        "    with open(chemin, newline='', encoding='utf-8') as f:\n"
        "        lignes = csv.DictReader(f)\n"
        "        print(','.join(lignes.fieldnames))\n"
        "        for l in lignes:\n"
        "            print(int(datetime.fromisoformat(l['timestamp']).timestamp()),\n"
        "                  round(float(l['temperature_C']) * 10),\n"
        "                  round(float(l['humidity_pct']) * 10))\n");
    bool reussi = false;
    const QStringList lus = Python(lecteurCsv, {local, utc}, &reussi);
    QVERIFY2(reussi, qPrintable(lus.join(QLatin1Char('\n'))));
    QCOMPARE(lus, QStringList(entete) + valeurs + QStringList(entete) + valeurs);

    if (!ModulePython("pandas"))
        QSKIP("pandas not installed (Debian package python3-pandas)");
    // The UTC file gives a time column and two number columns as they are. The
    // local one holds two offsets, which pandas leaves as text unless told utc=True.
    const QString lecteurPandas = QStringLiteral(
        "import sys\n"
        "import pandas as pd\n"
        "u = pd.read_csv(sys.argv[2], parse_dates=['timestamp'])\n"
        "print(*u.dtypes)\n"
        "l = pd.read_csv(sys.argv[1])\n"
        "l['timestamp'] = pd.to_datetime(l['timestamp'], utc=True)\n"
        "for d in (l, u):\n"
        "    for t, c, h in zip(d['timestamp'].astype('int64') // 10**9, d['temperature_C'],\n"
        "                       d['humidity_pct']):\n"
        "        print(t, round(c * 10), round(h * 10))\n");
    const QStringList pandas = Python(lecteurPandas, {local, utc}, &reussi);
    QVERIFY2(reussi, qPrintable(pandas.join(QLatin1Char('\n'))));
    QCOMPARE(pandas, QStringList("datetime64[ns, UTC] float64 float64") + valeurs + valeurs);
}

VORSEN_DATA_TEST_MAIN(TestFichiers)
#include "tst_fichiers.moc"
