// Application settings: keys and defaults, read through default QSettings.
#include "Environnement.h"

#include <ClesReglages.h>

#include <QDir>
#include <QSettings>

class TestReglages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void reglagesDeTest();
    void premierDemarrage();
    void langue_data();
    void langue();
    void cheminDatas_data();
    void cheminDatas();
    void uniteTemp_data();
    void uniteTemp();
    void palette();
};

void TestReglages::init()
{
    QSettings().clear();
}

void TestReglages::reglagesDeTest()
{
    // Every test below writes into the test's own settings file, under the
    // temporary home folder.
    const QString fichier = QSettings().fileName();
    QVERIFY2(fichier.startsWith(QDir::homePath() + QLatin1Char('/')), qPrintable(fichier));
    QVERIFY(QDir::homePath().startsWith(QDir::tempPath()));
}

void TestReglages::premierDemarrage()
{
    QCOMPARE(ClesReglages::LireLangue(), 0);
    QCOMPARE(ClesReglages::LireCheminDatas(), QDir::homePath());
    QCOMPARE(ClesReglages::LireUniteTemp(), CELSIUS);
    // Default palette: red, blue, ... with red again at 10 and gray last.
    QCOMPARE(ClesReglages::NbreCouleursPalette, 14);
    QCOMPARE(ClesReglages::LirePalette(0), QColor(Qt::red));
    QCOMPARE(ClesReglages::LirePalette(9), QColor(Qt::darkMagenta));
    QCOMPARE(ClesReglages::LirePalette(10), QColor(Qt::red));
    QCOMPARE(ClesReglages::LirePalette(13), QColor(Qt::gray));
    QVERIFY(QSettings().allKeys().isEmpty()); // reading writes nothing
}

void TestReglages::langue_data()
{
    QTest::addColumn<QVariant>("stockee");
    QTest::addColumn<int>("langue");
    QTest::newRow("français") << QVariant(1) << 1;
    QTest::newRow("anglais") << QVariant(0) << 0;
    QTest::newRow("inconnue, gardée telle quelle") << QVariant(5) << 5;
    QTest::newRow("texte") << QVariant("francais") << 0;
}

void TestReglages::langue()
{
    QFETCH(QVariant, stockee);
    QSettings().setValue(QStringLiteral("Langue"), stockee);
    QTEST(ClesReglages::LireLangue(), "langue");

    ClesReglages::EcrireLangue(1);
    QCOMPARE(QSettings().value(QStringLiteral("Langue")).toInt(), 1);
    QCOMPARE(ClesReglages::LireLangue(), 1);
}

void TestReglages::cheminDatas_data()
{
    QTest::addColumn<QString>("stocke");
    QTest::addColumn<bool>("maison");
    QTest::newRow("vide") << "" << true;
    QTest::newRow("dossier") << "/srv/mesures" << false;
}

void TestReglages::cheminDatas()
{
    QFETCH(QString, stocke);
    QFETCH(bool, maison);
    ClesReglages::EcrireCheminDatas(stocke);
    QCOMPARE(QSettings().value(QStringLiteral("CheminDatas")).toString(), stocke);
    QCOMPARE(ClesReglages::LireCheminDatas(), maison ? QDir::homePath() : stocke);
}

void TestReglages::uniteTemp_data()
{
    QTest::addColumn<QVariant>("stockee");
    QTest::addColumn<int>("unite");
    QTest::newRow("fahrenheit") << QVariant(1) << int(FAHRENHEIT);
    QTest::newRow("celsius") << QVariant(0) << int(CELSIUS);
    QTest::newRow("unknown value") << QVariant(2) << int(CELSIUS);
    QTest::newRow("text") << QVariant("F") << int(CELSIUS);
}

void TestReglages::uniteTemp()
{
    QFETCH(QVariant, stockee);
    QSettings().setValue(QStringLiteral("UniteTemperature"), stockee);
    QTEST(int(ClesReglages::LireUniteTemp()), "unite");

    ClesReglages::EcrireUniteTemp(FAHRENHEIT);
    QCOMPARE(QSettings().value(QStringLiteral("UniteTemperature")).toInt(), 1);
    QCOMPARE(ClesReglages::LireUniteTemp(), FAHRENHEIT);
}

void TestReglages::palette()
{
    QCOMPARE(ClesReglages::Palette(13), QStringLiteral("Palette13"));
    ClesReglages::EcrirePalette(3, QColor(1, 2, 3));
    // Stored as the unsigned 32-bit QColor::rgb() value, alpha in the top byte.
    QCOMPARE(QSettings().value(QStringLiteral("Palette3")).toUInt(), 0xff010203u);
    QCOMPARE(ClesReglages::LirePalette(3), QColor(1, 2, 3));
    QCOMPARE(ClesReglages::LirePalette(4), QColor(Qt::magenta));

    // A value without alpha still gives an opaque colour; a text gives 0 (black).
    QSettings().setValue(QStringLiteral("Palette5"), 0x00102030u);
    QCOMPARE(ClesReglages::LirePalette(5), QColor(0x10, 0x20, 0x30));
    QSettings().setValue(QStringLiteral("Palette6"), QStringLiteral("rouge"));
    QCOMPARE(ClesReglages::LirePalette(6), QColor(Qt::black));
}

VORSEN_DATA_TEST_MAIN(TestReglages)
#include "tst_reglages.moc"
