// Bad input: headers and points files from users, other machines, old versions.
// Every case opens without a crash, unparsable numbers read 0, missing keys their
// default.
#include "Environnement.h"

#include <FichierPoints.h>
#include <clsSerie.h>
#include <clsSettings.h>

#include <QRandomGenerator>

class TestLectures : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lignePoints_data();
    void lignePoints();
    void formatLigne_data();
    void formatLigne();
    void valeurEnTete_data();
    void valeurEnTete();
    void enTete_data();
    void enTete();
    void fichierPoints_data();
    void fichierPoints();
    void millionDeLignes();

private:
    QScopedPointer<QTemporaryDir> m_Dossier;
};

namespace
{

struct Point {
    uint temps;
    int temperature;
    int humidite;
};

} // namespace

Q_DECLARE_METATYPE(QList<uint>)

void TestLectures::init()
{
    m_Dossier.reset(new QTemporaryDir);
    QVERIFY(m_Dossier->isValid());
}

void TestLectures::cleanup()
{
    m_Dossier.reset();
}

void TestLectures::lignePoints_data()
{
    QTest::addColumn<QByteArray>("ligne");
    QTest::addColumn<bool>("point");
    QTest::addColumn<uint>("temps");
    QTest::addColumn<int>("temperature");
    QTest::addColumn<int>("humidite");

    QTest::newRow("LF") << QByteArray("1459339509\t235\t512\n") << true << 1459339509u << 235
                        << 512;
    QTest::newRow("CR LF") << QByteArray("1459339509\t235\t512\r\n") << true << 1459339509u << 235
                           << 512;
    QTest::newRow("sans fin de ligne")
        << QByteArray("1459339509\t235\t512") << true << 1459339509u << 235 << 512;
    QTest::newRow("vide") << QByteArray() << false << 0u << 0 << 0;
    QTest::newRow("vide LF") << QByteArray("\n") << false << 0u << 0 << 0;
    QTest::newRow("vide CR LF") << QByteArray("\r\n") << false << 0u << 0 << 0;
    QTest::newRow("un champ") << QByteArray("7\n") << true << 7u << 0 << 0;
    QTest::newRow("deux champs") << QByteArray("7\t8\n") << true << 7u << 8 << 0;
    QTest::newRow("quatre champs") << QByteArray("7\t8\t9\t10\n") << true << 7u << 8 << 9;
    QTest::newRow("champs vides") << QByteArray("\t\t\n") << true << 0u << 0 << 0;
    QTest::newRow("lettres") << QByteArray("abc\t23x\t5\n") << true << 0u << 0 << 5;
    QTest::newRow("décimales") << QByteArray("1.5\t23,5\t5e2\n") << true << 0u << 0 << 0;
    QTest::newRow("négatifs") << QByteArray("-1\t-400\t-1\n") << true << 4294967295u << -400 << -1;
    QTest::newRow("bornes de 32 bits") << QByteArray("4294967295\t2147483647\t-2147483648\n")
                                       << true << 4294967295u << 2147483647 << int(-2147483647 - 1);
    QTest::newRow("au-delà de 32 bits")
        << QByteArray("4294967296\t2147483648\t99999999999999999999999\n") << true << 0u << 0 << 0;
    QTest::newRow("blancs autour") << QByteArray(" 12 \t 34\t56 \r\n") << true << 12u << 34 << 56;
    QTest::newRow("signe plus") << QByteArray("+12\t+34\t-0\n") << true << 12u << 34 << 0;
    QTest::newRow("signe seul") << QByteArray("-\t+\t\n") << true << 0u << 0 << 0;
    QTest::newRow("blancs seuls") << QByteArray("   \n") << true << 0u << 0 << 0;
    QTest::newRow("binaire") << QByteArray("\x00\xff\t\x01\x02\t9", 7) << true << 0u << 0 << 9;
    QTest::newRow("CR au milieu") << QByteArray("12\r\t34\t56\n") << true << 12u << 34 << 56;
}

void TestLectures::lignePoints()
{
    QFETCH(QByteArray, ligne);
    PointFichier p;
    p.Temps = 1;
    p.Temperature = 1;
    p.Humidite = 1;
    const bool point = AnalyserLignePoints(ligne, p);
    QTEST(point, "point");
    if (point) {
        QTEST(p.Temps, "temps");
        QTEST(p.Temperature, "temperature");
        QTEST(p.Humidite, "humidite");
    }
}

void TestLectures::formatLigne_data()
{
    QTest::addColumn<uint>("temps");
    QTest::addColumn<int>("temperature");
    QTest::addColumn<int>("humidite");
    QTest::addColumn<QByteArray>("ligne");
    QTest::newRow("relevé") << 1459339509u << 235 << 512 << QByteArray("1459339509\t235\t512\n");
    QTest::newRow("haut de 16 bits") << 0u << 65535 << 0 << QByteArray("0\t65535\t0\n");
    QTest::newRow("négatif") << 4294967295u << -400 << -1 << QByteArray("4294967295\t-400\t-1\n");
}

void TestLectures::formatLigne()
{
    QFETCH(uint, temps);
    QFETCH(int, temperature);
    QFETCH(int, humidite);
    QByteArray tampon("avant\n");
    AjouterLignePoints(tampon, temps, temperature, humidite);
    QTEST(tampon.mid(6), "ligne");

    // What is written reads back unchanged.
    PointFichier p;
    QVERIFY(AnalyserLignePoints(tampon.mid(6), p));
    QCOMPARE(p.Temps, temps);
    QCOMPARE(p.Temperature, temperature);
    QCOMPARE(p.Humidite, humidite);
}

void TestLectures::valeurEnTete_data()
{
    // What the INI reader hands over for one key, and what the header reader makes of it.
    QTest::addColumn<QVariant>("valeur");
    QTest::addColumn<int>("entier");
    QTest::addColumn<qint64>("entierLong");
    QTest::addColumn<QString>("texte");
    QTest::newRow("absente") << QVariant() << 77 << qint64(77) << "défaut";
    QTest::newRow("nombre") << QVariant("235") << 235 << qint64(235) << "235";
    QTest::newRow("négatif") << QVariant("-400") << -400 << qint64(-400) << "-400";
    QTest::newRow("vide") << QVariant("") << 0 << qint64(0) << "";
    QTest::newRow("lettres") << QVariant("abc") << 0 << qint64(0) << "abc";
    QTest::newRow("nombre suivi de lettres") << QVariant("12abc") << 0 << qint64(0) << "12abc";
    QTest::newRow("au-delà de 32 bits")
        << QVariant("4294967297") << 0 << qint64(4294967297LL) << "4294967297";
    QTest::newRow("au-delà de 64 bits")
        << QVariant("99999999999999999999") << 0 << qint64(0) << "99999999999999999999";
    QTest::newRow("liste (virgules sans guillemets)")
        << QVariant(QStringList{"Chambre froide", "porte"}) << 0 << qint64(0)
        << "Chambre froide, porte";
    QTest::newRow("liste dont une valeur est marquée (@String)")
        << QVariant(QVariantList{QStringLiteral("a"), QString(QStringLiteral("b") + QChar(0))}) << 0
        << qint64(0) << QString(QStringLiteral("a, b") + QChar(0));
}

void TestLectures::valeurEnTete()
{
    QFETCH(QVariant, valeur);
    QTEST(clsSettings::VersEntier(valeur, 77), "entier");
    QTEST(clsSettings::VersEntierLong(valeur, 77), "entierLong");
    QTEST(clsSettings::VersTexte(valeur, QStringLiteral("défaut")), "texte");
}

void TestLectures::enTete_data()
{
    QTest::addColumn<QByteArray>("contenu"); // empty: no header file at all
    QTest::addColumn<bool>("ouvert");
    QTest::addColumn<int>("nbrePoints");
    QTest::addColumn<int>("appareil");
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("frequence");
    QTest::addColumn<QString>("unite");
    QTest::addColumn<int>("mode");
    QTest::addColumn<uint>("dateDebut");
    QTest::addColumn<int>("capteurs");
    QTest::addColumn<int>("moyenne");
    QTest::addColumn<QString>("commentaire");

    QTest::newRow("absent") << QByteArray() << true << 32000 << 0 << "" << 5 << "M" << 1 << 0u << 3
                            << 0 << "";
    QTest::newRow("vide") << QByteArray("\n") << true << 32000 << 0 << "" << 5 << "M" << 1 << 0u
                          << 3 << 0 << "";
    QTest::newRow("pas INI") << QByteArray("\x7f"
                                           "ELF\x02\x01\x00\xff\xfe[[=]\n\x00\x00==\x01\n",
                                           20)
                             << true << 32000 << 0 << "" << 5 << "M" << 1 << 0u << 3 << 0 << "";
    QTest::newRow("textes à la place des nombres")
        << QByteArray("[General]\nNbrePoints=beaucoup\nAppareil=x\nFrequence=cinq\nMode=\n"
                      "DateDebut=hier\nCapteurs=3 capteurs\n[Temperature]\nMoyenne=abc\n")
        << false << 0 << 0 << "" << 0 << "M" << 0 << 0u << 0 << 0 << "";
    QTest::newRow("nombres hors 32 bits")
        << QByteArray("[General]\nNbrePoints=99999999999\nFrequence=4294967301\n"
                      "DateDebut=4294967296\nAppareil=-1\n")
        << true << 0 << -1 << "" << 5 << "M" << 1 << 0u << 3 << 0 << "";
    QTest::newRow("date négative") << QByteArray("[General]\nDateDebut=-1\n") << true << 32000 << 0
                                   << "" << 5 << "M" << 1 << 4294967295u << 3 << 0 << "";
    QTest::newRow("clés sans section, CR LF")
        << QByteArray("ID=LOG 9\r\nNbrePoints=12\r\nUnite=I\r\n[Temperature]\r\nMoyenne=235\r\n")
        << true << 12 << 0 << "LOG 9" << 5 << "I" << 1 << 0u << 3 << 235 << "";
    QTest::newRow("commentaire avec virgules sans guillemets")
        << QByteArray("[Temperature]\nCommentaire=Chambre froide, porte, nord\n") << true << 32000
        << 0 << "" << 5 << "M" << 1 << 0u << 3 << 0 << "Chambre froide, porte, nord";
    QTest::newRow("capteur absent du masque")
        << QByteArray("[General]\nCapteurs=2\n") << false << 32000 << 0 << "" << 5 << "M" << 1 << 0u
        << 2 << 0 << "";
}

void TestLectures::enTete()
{
    QFETCH(QByteArray, contenu);
    const QString dossier = m_Dossier->path();
    if (!contenu.isEmpty()) {
        QFile f(dossier + QStringLiteral("/entete.ail"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    }
    clsSerie s;
    QTEST(s.Ouvrir(QStringLiteral("entete"), dossier, 1), "ouvert");
    QTEST(s.NbrePoints, "nbrePoints");
    QTEST(s.Infos.Appareil, "appareil");
    QTEST(s.Infos.ID, "id");
    QTEST(s.Infos.Frequence, "frequence");
    QTEST(s.Infos.Unite, "unite");
    QTEST(s.Infos.Mode, "mode");
    QTEST(s.Infos.DateDebut, "dateDebut");
    QTEST(s.Infos.Capteurs, "capteurs");
    QTEST(s.Temperature.Moyenne, "moyenne");
    QTEST(s.Temperature.Commentaire, "commentaire");
    QVERIFY(s.Temps.Valeurs.isEmpty()); // no points file
}

void TestLectures::fichierPoints_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<int>("nbrePoints"); // the header's count
    QTest::addColumn<QList<int>>("temps");
    QTest::addColumn<QList<int>>("temperature");
    QTest::addColumn<QList<int>>("humidite");
    QTest::addColumn<int>("moyenneTemperature");
    QTest::addColumn<int>("paire"); // clsSerie::enm_PAIRE

    const int concordante = int(clsSerie::enm_PAIRE::Concordante);
    const int coupee = int(clsSerie::enm_PAIRE::Coupee);
    const int discordante = int(clsSerie::enm_PAIRE::Discordante);
    QTest::newRow("lignes vides") << QByteArray("\n1\t200\t500\n\n\n2\t220\t520\n\n") << 2
                                  << QList<int>{1, 2} << QList<int>{200, 220}
                                  << QList<int>{500, 520} << 210 << concordante;
    QTest::newRow("CR LF et LF mélangés, dernière ligne sans fin")
        << QByteArray("1\t200\t500\r\n2\t220\t520\n3\t240\t540") << 3 << QList<int>{1, 2, 3}
        << QList<int>{200, 220, 240} << QList<int>{500, 520, 540} << 220 << concordante;
    QTest::newRow("champs manquants et en trop")
        << QByteArray("1\n2\t220\n3\t240\t540\t7\t8\n") << 3 << QList<int>{1, 2, 3}
        << QList<int>{0, 220, 240} << QList<int>{0, 0, 540} << 153 << concordante;
    QTest::newRow("lettres et négatifs")
        << QByteArray("x\t-400\t5\n2\tdeux\t-1\n") << 2 << QList<int>{0, 2} << QList<int>{-400, 0}
        << QList<int>{5, -1} << -200 << concordante;
    // A file cut short: its last line, without line end, is dropped when it
    // lacks a field or when the header announces more points; the statistics
    // are those of the points kept.
    QTest::newRow("coupé dans le deuxième champ")
        << QByteArray("1\t200\t500\n2\t220\t520\n3\t24") << 3 << QList<int>{1, 2}
        << QList<int>{200, 220} << QList<int>{500, 520} << 210 << coupee;
    QTest::newRow("coupé après la deuxième tabulation")
        << QByteArray("1\t200\t500\n2\t220\t520\n3\t240\t") << 3 << QList<int>{1, 2}
        << QList<int>{200, 220} << QList<int>{500, 520} << 210 << coupee;
    QTest::newRow("coupé dans le dernier champ, avant les points annoncés")
        << QByteArray("1\t200\t500\n2\t220\t520\n3\t240\t5") << 600 << QList<int>{1, 2}
        << QList<int>{200, 220} << QList<int>{500, 520} << 210 << coupee;
    // Another count than the header's: the header of another save.
    QTest::newRow("plus de lignes que l'en-tête")
        << QByteArray("1\t100\t0\n2\t300\t0\n3\t500\t0\n") << 2 << QList<int>{1, 2, 3}
        << QList<int>{100, 300, 500} << QList<int>{0, 0, 0} << 450 << discordante;
    QTest::newRow("moins de lignes que l'en-tête")
        << QByteArray("1\t100\t0\n2\t300\t0\n") << 8436 << QList<int>{1, 2} << QList<int>{100, 300}
        << QList<int>{0, 0} << 0 << discordante;
    QTest::newRow("dernière ligne entière sans fin, en trop")
        << QByteArray("1\t100\t0\n2\t300\t0") << 1 << QList<int>{1, 2} << QList<int>{100, 300}
        << QList<int>{0, 0} << 400 << discordante;
    QTest::newRow("fichier vide") << QByteArray() << 2 << QList<int>() << QList<int>()
                                  << QList<int>() << 0 << discordante;
    QTest::newRow("compte nul dans l'en-tête")
        << QByteArray("1\t100\t0\n2\t300\t0\n") << 0 << QList<int>{1, 2} << QList<int>{100, 300}
        << QList<int>{0, 0} << 0 << discordante;
}

void TestLectures::fichierPoints()
{
    QFETCH(QByteArray, contenu);
    QFETCH(int, nbrePoints);
    QFETCH(QList<int>, temps);
    QFETCH(int, paire);
    const QString dossier = m_Dossier->path();
    {
        clsSettings entete(dossier, QStringLiteral("points"));
        entete.setValue(QStringLiteral("NbrePoints"), nbrePoints);
    }
    QFile f(dossier + QStringLiteral("/points.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenu);
    f.close();

    clsSerie s;
    QVERIFY(s.Ouvrir(QStringLiteral("points"), dossier, 3));
    QCOMPARE(int(s.EtatPaire()), paire);
    QCOMPARE(s.NbrePoints, paire == int(clsSerie::enm_PAIRE::Coupee) ? temps.size() : nbrePoints);
    QCOMPARE(s.Temps.Valeurs, temps);
    QTEST(s.Temperature.Valeurs, "temperature");
    QTEST(s.Humidite.Valeurs, "humidite");
    QTEST(s.Temperature.Moyenne, "moyenneTemperature");
}

void TestLectures::millionDeLignes()
{
    // A binary file and a file of one million lines both open and are read whole;
    // their cost is measured in bench/data.
    const QString dossier = m_Dossier->path();
    QByteArray binaire(200000, '\0');
    QRandomGenerator alea(4);
    for (char& c : binaire)
        c = static_cast<char>(alea.bounded(256));
    QFile b(dossier + QStringLiteral("/binaire.txt"));
    QVERIFY(b.open(QIODevice::WriteOnly));
    b.write(binaire);
    b.close();
    clsSerie s;
    QVERIFY(s.Ouvrir(QStringLiteral("binaire"), dossier, 3));
    const int lignesBinaires = binaire.count('\n') + 1;
    QVERIFY(s.Temps.Valeurs.size() <= lignesBinaires);
    QCOMPARE(s.Temperature.Valeurs.size(), s.Temps.Valeurs.size());

    const int nbre = 1000000;
    QByteArray contenu;
    contenu.reserve(nbre * 21);
    for (int i = 0; i < nbre; ++i)
        AjouterLignePoints(contenu, 1459339509u + 5u * i, i % 1000, 500);
    {
        clsSettings entete(dossier, QStringLiteral("grand"));
        entete.setValue(QStringLiteral("NbrePoints"), nbre);
    }
    QFile f(dossier + QStringLiteral("/grand.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(contenu), qint64(contenu.size()));
    f.close();
    contenu.clear();

    QVERIFY(s.Ouvrir(QStringLiteral("grand"), dossier, 3));
    QCOMPARE(s.NbrePointsPresents(), nbre);
    QCOMPARE(static_cast<uint>(s.Temps.Valeurs.last()), 1459339509u + 5u * (nbre - 1));
    QCOMPARE(s.Temperature.Moyenne, 499); // 0..999 repeated, mean 499.5
    QCOMPARE(s.Temperature.Maximum, 999);
    QCOMPARE(s.Humidite.EcartType, 0);
}

VORSEN_DATA_TEST_MAIN(TestLectures)
#include "tst_lectures.moc"
