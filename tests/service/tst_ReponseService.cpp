// The reply parser, the version arithmetic, the monthly gate, the service
// addresses and the hand-over script: pure functions of the update service.
#include "Environnement.h"
#include "OutilsService.h"
#include "ReponseService.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

QByteArray Item(const QByteArray& nom, const QByteArray& version, const QByteArray& compat,
                const QByteArray& chemin, const QByteArray& autres = QByteArray())
{
    return "<item><software_name>" + nom + "</software_name><version>" + version +
           "</version><compatibilite>" + compat + "</compatibilite><path>" + chemin + "</path>" +
           autres + "</item>";
}

QByteArray Racine(const QByteArray& items)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<software>" + items + "</software>\n";
}

// A valid reply announcing 1.4, padded with a comment to exactly taille bytes.
QByteArray ReponseDeTaille(int taille)
{
    const QByteArray debut =
        "<?xml version=\"1.0\"?><software>" + Item("Vorsen_Logger", "1.4", "1.0", "p.exe") + "<!--";
    const QByteArray fin = "--></software>";
    return debut + QByteArray(taille - debut.size() - fin.size(), 'x') + fin;
}

} // namespace

class tst_ReponseService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void analyserReponse_data();
    void analyserReponse();
    void lireVersion_data();
    void lireVersion();
    void extraireDetails_data();
    void extraireDetails();
    void checkMensuel_data();
    void checkMensuel();
    void urlService_data();
    void urlService();
    void scriptInstallation();

private:
    QTemporaryDir m_Dossier;
};

void tst_ReponseService::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_Dossier.isValid());
    qputenv("HOME", m_Dossier.path().toUtf8());
}

void tst_ReponseService::analyserReponse_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("langue");
    QTest::addColumn<bool>("nouvelle");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<QString>("details");
    QTest::addColumn<QString>("sha256");

    // Installed: Vorsen_Logger 1.3.
    QTest::newRow("1.4 plancher 1.0: plus récente")
        << Racine(Item("Vorsen_Logger", "1.4", "1.0", "maj/setup.exe")) << 1 << true << "1.4"
        << "maj/setup.exe"
        << ""
        << "";
    QTest::newRow("1.3: la même") << Racine(Item("Vorsen_Logger", "1.3", "1.0", "maj/setup.exe"))
                                  << 1 << false << "1.3"
                                  << "maj/setup.exe"
                                  << ""
                                  << "";
    QTest::newRow("2.0 plancher 1.5: installée trop ancienne")
        << Racine(Item("Vorsen_Logger", "2.0", "1.5", "p.exe")) << 1 << false << "2.0"
        << "p.exe"
        << ""
        << "";
    QTest::newRow("plancher égal à l'installée")
        << Racine(Item("Vorsen_Logger", "1.5", "1.3", "p.exe")) << 1 << true << "1.5"
        << "p.exe"
        << ""
        << "";
    QTest::newRow("1.10 est après 1.3 (1010 > 1003)")
        << Racine(Item("Vorsen_Logger", "1.10", "1.0", "p.exe")) << 1 << true << "1.10"
        << "p.exe"
        << ""
        << "";
    // major x 1000 + minor leaves 32 bits: 4294969000 would wrap to 1704.
    QTest::newRow("4294969.0 plancher 4294968.0: installée trop ancienne")
        << Racine(Item("Vorsen_Logger", "4294969.0", "4294968.0", "p.exe")) << 1 << false
        << "4294969.0"
        << "p.exe"
        << ""
        << "";
    QTest::newRow("2147483647.999 plancher -2147483648.0: plus récente")
        << Racine(Item("Vorsen_Logger", "2147483647.999", "-2147483648.0", "p.exe")) << 1 << true
        << "2147483647.999"
        << "p.exe"
        << ""
        << "";
    QTest::newRow("deux items du même nom: le premier seul (pas plus récent)")
        << Racine(Item("Vorsen_Logger", "1.3", "1.0", "a.exe") +
                  Item("Vorsen_Logger", "1.9", "1.0", "b.exe"))
        << 1 << false << "1.3"
        << "a.exe"
        << ""
        << "";
    QTest::newRow("deux items du même nom: le premier seul (plus récent)")
        << Racine(Item("Vorsen_Logger", "1.4", "1.0", "a.exe") +
                  Item("Vorsen_Logger", "1.9", "1.0", "b.exe"))
        << 1 << true << "1.4"
        << "a.exe"
        << ""
        << "";
    QTest::newRow("nom en d'autres majuscules")
        << Racine(Item("VORSEN_logger", "1.4", "1.0", "p.exe")) << 1 << true << "1.4"
        << "p.exe"
        << ""
        << "";
    QTest::newRow("un autre programme seulement")
        << Racine(Item("Autre_Logiciel", "9.9", "0.0", "autre.exe")) << 1 << false << "0.0"
        << ""
        << ""
        << "";
    QTest::newRow("un autre programme d'abord: rien de lui ne reste")
        << Racine(Item("Autre_Logiciel", "9.9", "0.0", "autre.exe",
                       "<details>[FR]autre[/FR]</details><sha256>ab</sha256>") +
                  Item("Vorsen_Logger", "1.4", "1.0", "nous.exe"))
        << 1 << true << "1.4"
        << "nous.exe"
        << ""
        << "";
    QTest::newRow("éléments inconnus sautés, même imbriqués")
        << Racine("<annonce><a><b/></a></annonce><item><inconnu><x>1</x></inconnu>"
                  "<software_name>Vorsen_Logger</software_name><version>1.4</version>"
                  "<compatibilite>1.0</compatibilite><path>p.exe</path></item>")
        << 1 << true << "1.4"
        << "p.exe"
        << ""
        << "";
    QTest::newRow("blancs autour des valeurs")
        << Racine(Item(" Vorsen_Logger\n", " 1.4\n", "1.0", "\n  p.exe  ")) << 1 << true << "1.4"
        << "p.exe"
        << ""
        << "";
    QTest::newRow("sans plancher")
        << Racine("<item><software_name>Vorsen_Logger</software_name><version>2</version>"
                  "<path>p.exe</path></item>")
        << 1 << true << "2.0"
        << "p.exe"
        << ""
        << "";

    const QByteArray details = "<details>&lt;p&gt;[UK]New plot[/UK][FR]Nouveau graphe[/FR]"
                               "&lt;/p&gt;</details>";
    QTest::newRow("détails en français")
        << Racine(Item("Vorsen_Logger", "1.4", "1.0", "p.exe", details)) << 1 << true << "1.4"
        << "p.exe"
        << "Nouveau graphe"
        << "";
    QTest::newRow("détails en anglais")
        << Racine(Item("Vorsen_Logger", "1.4", "1.0", "p.exe", details)) << 0 << true << "1.4"
        << "p.exe"
        << "New plot"
        << "";
    QTest::newRow("détails en CDATA sans section")
        << Racine(Item("Vorsen_Logger", "1.4", "1.0", "p.exe",
                       "<details><![CDATA[<b>Correctifs</b>]]></details>"))
        << 1 << true << "1.4"
        << "p.exe"
        << "<b>Correctifs</b>"
        << "";
    QTest::newRow("empreinte sha256 en minuscules")
        << Racine(Item("Vorsen_Logger", "1.4", "1.0", "p.exe", "<sha256> ABCDEF01 </sha256>")) << 1
        << true << "1.4"
        << "p.exe"
        << ""
        << "abcdef01";

    QTest::newRow("autre racine") << QByteArray("<logiciels>" +
                                                Item("Vorsen_Logger", "1.4", "1.0", "p.exe") +
                                                "</logiciels>")
                                  << 1 << false << "0.0"
                                  << ""
                                  << ""
                                  << "";
    QTest::newRow("réponse vide") << QByteArray() << 1 << false << "0.0"
                                  << ""
                                  << ""
                                  << "";
    QTest::newRow("page HTML d'erreur")
        << QByteArray("<html><body>502 Bad Gateway</body></html>") << 1 << false << "0.0"
        << ""
        << ""
        << "";
    QTest::newRow("XML coupé dans l'item")
        << QByteArray("<software><item><software_name>Vorsen_Logger</software_name>"
                      "<version>1.4</version><compatibilite>1.0")
        << 1 << false << "0.0"
        << ""
        << ""
        << "";
    QTest::newRow("déclaration de type de document")
        << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE software>\n<software>" +
                      Item("Vorsen_Logger", "1.4", "1.0", "p.exe") + "</software>")
        << 1 << false << "0.0"
        << ""
        << ""
        << "";
    QTest::newRow("définitions d'entités")
        << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE software [\n"
                      "<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">\n"
                      "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">\n"
                      "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">\n"
                      "]>\n<software><item><software_name>Vorsen_Logger</software_name>"
                      "<version>1.4</version><path>p.exe</path><details>&c;&c;&c;</details>"
                      "</item></software>")
        << 1 << false << "0.0"
        << ""
        << ""
        << "";
    QTest::newRow("entité non déclarée")
        << Racine(Item("Vorsen_Logger", "1.4", "1.0", "p.exe", "<details>&x;</details>")) << 1
        << false << "0.0"
        << ""
        << ""
        << "";
    QTest::newRow("1 Mio tout juste") << ReponseDeTaille(TAILLE_MAX_REPONSE) << 1 << true << "1.4"
                                      << "p.exe"
                                      << ""
                                      << "";
    QTest::newRow("plus de 1 Mio") << ReponseDeTaille(TAILLE_MAX_REPONSE + 1) << 1 << false << "0.0"
                                   << ""
                                   << ""
                                   << "";
}

void tst_ReponseService::analyserReponse()
{
    QFETCH(QByteArray, xml);
    QFETCH(int, langue);

    const TS_REPONSE rep = AnalyserReponse(xml, QStringLiteral("Vorsen_Logger"), 1, 3, langue);
    QTEST(rep.Nouvelle, "nouvelle");
    QTEST(QStringLiteral("%1.%2").arg(rep.VersionMajor).arg(rep.VersionMinor), "version");
    QTEST(rep.Chemin, "chemin");
    QTEST(rep.Details, "details");
    QTEST(rep.Sha256, "sha256");
}

void tst_ReponseService::lireVersion_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");

    QTest::newRow("1.4") << "1.4" << 1 << 4;
    QTest::newRow("1.10") << "1.10" << 1 << 10;
    QTest::newRow("zéros en tête, base 10") << "01.08" << 1 << 8;
    QTest::newRow("sans point") << "2" << 2 << 0;
    QTest::newRow("illisible") << "a.b" << 0 << 0;
    QTest::newRow("coupée au premier point") << "1.2.3" << 1 << 0;
    QTest::newRow("blancs autour") << " 1.5\n" << 1 << 5;
}

void tst_ReponseService::lireVersion()
{
    QFETCH(QString, texte);
    int major = -1;
    int minor = -1;
    LireVersion(texte, major, minor);
    QTEST(major, "major");
    QTEST(minor, "minor");
}

void tst_ReponseService::extraireDetails_data()
{
    QTest::addColumn<QString>("details");
    QTest::addColumn<int>("langue");
    QTest::addColumn<QString>("resultat");

    const QString ukFr = "[UK]<p>Faster</p>[/UK][FR]<p>Plus rapide</p>[/FR]";
    QTest::newRow("anglais puis français, langue 1") << ukFr << 1 << "<p>Plus rapide</p>";
    QTest::newRow("anglais puis français, langue 0") << ukFr << 0 << "<p>Faster</p>";
    QTest::newRow("français puis anglais, langue 0") << "[FR]fr[/FR][UK]en[/UK]" << 0 << "en";
    QTest::newRow("langue 3: la section française") << ukFr << 3 << "<p>Plus rapide</p>";
    QTest::newRow("sans section: tout") << "<p>Correctifs</p>" << 1 << "<p>Correctifs</p>";
    QTest::newRow("sans fermeture") << "avant[FR]après" << 1 << "après";
    QTest::newRow("fermeture au premier caractère: gardée") << "[/FR]texte" << 1 << "[/FR]texte";
    QTest::newRow("section absente de cette langue") << "[FR]fr[/FR]" << 0 << "[FR]fr[/FR]";
}

void tst_ReponseService::extraireDetails()
{
    QFETCH(QString, details);
    QFETCH(int, langue);
    QTEST(ExtraireDetails(details, langue), "resultat");
}

void tst_ReponseService::checkMensuel_data()
{
    QTest::addColumn<QDate>("dernier");
    QTest::addColumn<QDate>("aujourdhui");
    QTest::addColumn<bool>("du");

    QTest::newRow("le même jour") << QDate(2026, 1, 15) << QDate(2026, 1, 15) << false;
    QTest::newRow("la veille du mois suivant") << QDate(2026, 1, 15) << QDate(2026, 2, 14) << false;
    QTest::newRow("le jour du mois suivant") << QDate(2026, 1, 15) << QDate(2026, 2, 15) << true;
    QTest::newRow("bien après") << QDate(2025, 6, 1) << QDate(2026, 2, 15) << true;
    QTest::newRow("31 janvier, 27 février") << QDate(2026, 1, 31) << QDate(2026, 2, 27) << false;
    QTest::newRow("31 janvier, dernier jour de février")
        << QDate(2026, 1, 31) << QDate(2026, 2, 28) << true;
    QTest::newRow("31 janvier bissextile, 28 février")
        << QDate(2028, 1, 31) << QDate(2028, 2, 28) << false;
    QTest::newRow("31 janvier bissextile, 29 février")
        << QDate(2028, 1, 31) << QDate(2028, 2, 29) << true;
    QTest::newRow("31 mars, 30 avril") << QDate(2026, 3, 31) << QDate(2026, 4, 30) << true;
    QTest::newRow("décembre vers janvier, la veille")
        << QDate(2026, 12, 20) << QDate(2027, 1, 19) << false;
    QTest::newRow("décembre vers janvier, le jour")
        << QDate(2026, 12, 20) << QDate(2027, 1, 20) << true;
    QTest::newRow("date enregistrée dans le futur")
        << QDate(2027, 5, 1) << QDate(2026, 5, 1) << false;
}

void tst_ReponseService::checkMensuel()
{
    QFETCH(QDate, dernier);
    QFETCH(QDate, aujourdhui);
    QTEST(CheckMensuelDu(dernier, aujourdhui), "du");
}

void tst_ReponseService::urlService_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<QString>("url"); // empty: refused

    QTest::newRow("requête") << "http://maj.tessaro.example/"
                             << "index.php"
                             << "http://maj.tessaro.example/index.php";
    QTest::newRow("https et sous-dossier")
        << "https://maj.tessaro.example/service/"
        << "patch/setup_1.4.exe"
        << "https://maj.tessaro.example/service/patch/setup_1.4.exe";
    QTest::newRow("port gardé") << "http://127.0.0.1:8080/"
                                << "index.php"
                                << "http://127.0.0.1:8080/index.php";
    QTest::newRow("chemin qui change d'hôte") << "http://maj.tessaro.example"
                                              << "@ailleurs.example/setup.exe"
                                              << "";
    QTest::newRow("chemin qui change de port") << "http://maj.tessaro.example"
                                               << ":9999/setup.exe"
                                               << "";
    QTest::newRow("chemin qui ajoute un domaine") << "http://maj.tessaro.example"
                                                  << ".ailleurs.example/setup.exe"
                                                  << "";
    QTest::newRow("ftp refusé") << "ftp://maj.tessaro.example/"
                                << "index.php"
                                << "";
    QTest::newRow("fichier local refusé") << "file:///tmp/"
                                          << "index.php"
                                          << "";
    QTest::newRow("adresse absente") << ""
                                     << "index.php"
                                     << "";
    QTest::newRow("sans hôte") << "http:///"
                               << "index.php"
                               << "";
}

void tst_ReponseService::urlService()
{
    QFETCH(QString, base);
    QFETCH(QString, chemin);
    QTEST(UrlService(base, chemin).toString(), "url");
}

void tst_ReponseService::scriptInstallation()
{
    // The script runs a stand-in installer from the data folder with "/SILENT",
    // then a stand-in program from the working folder; both note where they ran.
    const QString racine = m_Dossier.path();
    const QString donnees = racine + "/données l'été $X";
    const QString courant = racine + "/courant `id`";
    QVERIFY(QDir().mkpath(donnees));
    QVERIFY(QDir().mkpath(courant));
    auto ecrireExecutable = [](const QString& chemin, const QByteArray& texte) {
        QFile f(chemin);
        return f.open(QIODevice::WriteOnly) && f.write(texte) == texte.size() &&
               f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    };
    QVERIFY(
        ecrireExecutable(donnees + "/Patch.exe", "#!/bin/sh\nprintf '%s %s' \"$PWD\" \"$1\" > \"" +
                                                     racine.toUtf8() + "/installeur.txt\"\n"));
    const QString programme = racine + "/programme";
    QVERIFY(ecrireExecutable(programme, "#!/bin/sh\nprintf '%s' \"$PWD\" > \"" + racine.toUtf8() +
                                            "/programme.txt\"\n"));

    const QString texte = ScriptInstallation(donnees, courant, programme);
    QVERIFY(!texte.endsWith('\n'));
    QFile script(racine + "/Patch.sh");
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(texte.toUtf8());
    script.close();

    QProcess sh;
    sh.start(QStringLiteral("/bin/sh"), {script.fileName()});
    QVERIFY(sh.waitForFinished(30000));
    QCOMPARE(sh.exitCode(), 0);

    auto lire = [](const QString& chemin) {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    QCOMPARE(lire(racine + "/installeur.txt"), donnees + " /SILENT");
    QCOMPARE(lire(racine + "/programme.txt"), courant);
}

VORSEN_TEST_MAIN(tst_ReponseService, SansAffichage)
#include "tst_ReponseService.moc"
