// Logger records and logger clock conversions, run in UTC and in
// Europe/Paris so that daylight saving changes are crossed.
#include <QtTest>

#include "DAC.h"
#include "Environnement.h"

namespace
{

// Expected values are given for both zones the test runs in.
bool EnUTC()
{
    const QByteArray tz = qgetenv("TZ");
    return tz == "UTC" || tz == "UTC0" || tz == "Etc/UTC";
}

bool ZoneConnue()
{
    const QByteArray tz = qgetenv("TZ");
    return EnUTC() || tz == "Europe/Paris";
}

QDateTime Local(int a, int m, int j, int h, int mi, int s = 0)
{
    return QDateTime(QDate(a, m, j), QTime(h, mi, s), Qt::LocalTime);
}

// 2010-01-01 00:00:00 local time, seconds since 1970 UTC.
constexpr qint64 Origine_UTC = 1262304000;
constexpr qint64 Origine_Paris = 1262300400; // CET, UTC+1

} // namespace

class tst_DAC : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!ZoneConnue())
            QSKIP("expected values are given for TZ=UTC and TZ=Europe/Paris");
    }

    void secondesDepuis2010_data()
    {
        QTest::addColumn<QDateTime>("t");
        QTest::addColumn<qint64>("utc");
        QTest::addColumn<qint64>("paris");

        QTest::newRow("origine") << Local(2010, 1, 1, 0, 0) << qint64(0) << qint64(0);
        QTest::newRow("une minute") << Local(2010, 1, 1, 0, 1) << qint64(60) << qint64(60);
        QTest::newRow("dix minutes") << Local(2010, 1, 1, 0, 10) << qint64(600) << qint64(600);
        QTest::newRow("avant 2010") << Local(2009, 12, 31, 23, 59, 59) << qint64(-1) << qint64(-1);
        // 2010-03-28 02:00 CET -> 03:00 CEST: one local hour does not exist in Paris.
        QTest::newRow("printemps avant")
            << Local(2010, 3, 28, 1, 59, 59) << qint64(7437599) << qint64(7437599);
        QTest::newRow("printemps apres")
            << Local(2010, 3, 28, 3, 0, 0) << qint64(7441200) << qint64(7437600);
        QTest::newRow("ete") << Local(2010, 7, 1, 12, 0) << qint64(15681600) << qint64(15678000);
        // 2010-10-31 03:00 CEST -> 02:00 CET: one local hour comes twice in Paris.
        QTest::newRow("automne avant")
            << Local(2010, 10, 31, 1, 0) << qint64(26182800) << qint64(26179200);
        QTest::newRow("automne apres")
            << Local(2010, 10, 31, 4, 0) << qint64(26193600) << qint64(26193600);
        QTest::newRow("instant UTC")
            << QDateTime(QDate(2010, 1, 1), QTime(0, 0), Qt::UTC) << qint64(0) << qint64(3600);
    }

    void secondesDepuis2010()
    {
        QFETCH(QDateTime, t);
        QFETCH(qint64, utc);
        QFETCH(qint64, paris);
        QCOMPARE(SecondesDepuis2010(t), EnUTC() ? utc : paris);
    }

    void dateDepuisHexa_data()
    {
        QTest::addColumn<QString>("haut");
        QTest::addColumn<QString>("bas");
        QTest::addColumn<qint64>("depuisOrigine"); // seconds after 2010-01-01 00:00 local

        QTest::newRow("0 3C") << "0"
                              << "3C" << qint64(60);
        QTest::newRow("minuscules") << "0"
                                    << "3c" << qint64(60);
        QTest::newRow("1 0") << "1"
                             << "0" << qint64(65536);
        QTest::newRow("0 0") << "0"
                             << "0" << qint64(0);
        QTest::newRow("pas hexa") << "zz"
                                  << "G1" << qint64(0);
        QTest::newRow("vides") << ""
                               << "" << qint64(0);
        QTest::newRow("haut seul invalide") << "x"
                                            << "10" << qint64(16);
        QTest::newRow("maximum") << "FFFF"
                                 << "FFFF" << qint64(4294967295LL);
    }

    void dateDepuisHexa()
    {
        QFETCH(QString, haut);
        QFETCH(QString, bas);
        QFETCH(qint64, depuisOrigine);
        const qint64 origine = EnUTC() ? Origine_UTC : Origine_Paris;
        QCOMPARE(DateDepuisHexa(haut, bas), quint32(origine + depuisOrigine));
    }

    // A start time set with SecondesDepuis2010 and reported back in two halves
    // is the same instant, whichever side of a change it lies.
    void allerRetour_data()
    {
        QTest::addColumn<QDateTime>("t");
        QTest::newRow("hiver") << Local(2010, 2, 1, 8, 30);
        QTest::newRow("printemps avant") << Local(2010, 3, 28, 1, 59, 59);
        QTest::newRow("printemps apres") << Local(2010, 3, 28, 3, 0, 1);
        QTest::newRow("ete") << Local(2015, 7, 14, 12, 0);
        QTest::newRow("automne apres") << Local(2020, 10, 25, 4, 0);
        QTest::newRow("aujourd'hui") << Local(2026, 12, 7, 9, 0);
    }

    void allerRetour()
    {
        QFETCH(QDateTime, t);
        const quint32 logger = quint32(SecondesDepuis2010(t));
        const QString haut = QString::number(logger >> 16, 16).toUpper();
        const QString bas = QString::number(logger & 0xFFFF, 16).toUpper();
        QCOMPARE(qint64(DateDepuisHexa(haut, bas)), t.toSecsSinceEpoch());
    }

    void pointsParCapteur_data()
    {
        QTest::addColumn<int>("nbrePoints");
        QTest::addColumn<int>("capteurs");
        QTest::addColumn<int>("points");

        QTest::newRow("deux capteurs 32000") << 32000 << 3 << 16000;
        QTest::newRow("temperature 32000") << 32000 << 1 << 32000;
        QTest::newRow("humidite 32000") << 32000 << 2 << 32000;
        QTest::newRow("deux capteurs impair") << 7 << 3 << 3;
        QTest::newRow("deux capteurs 0") << 0 << 3 << 0;
        QTest::newRow("deux capteurs maximum") << 65535 << 3 << 32767;
        QTest::newRow("masque 0") << 100 << 0 << 100;
    }

    void pointsParCapteur()
    {
        QFETCH(int, nbrePoints);
        QFETCH(int, capteurs);
        QFETCH(int, points);
        DAC::TS_PARAMETRES p;
        p.NbrePoints = quint16(nbrePoints);
        p.Capteurs = quint8(capteurs);
        QCOMPARE(PointsParCapteur(p), points);
        QCOMPARE(PointsParCapteur(quint16(nbrePoints), quint8(capteurs)), points);
    }

    void enregistrements()
    {
        // Plain values that travel in queued signals.
        const int id = qRegisterMetaType<DAC::TS_PARAMETRES>("DAC::TS_PARAMETRES");
        QCOMPARE(QMetaType::type("DAC::TS_PARAMETRES"), id);
        QVERIFY(qRegisterMetaType<DAC::TS_IDENTIFIANTS>("DAC::TS_IDENTIFIANTS") > 0);
        QVERIFY(qRegisterMetaType<DAC::TS_ALARMES>("DAC::TS_ALARMES") > 0);

        DAC::TS_PARAMETRES p;
        p.NbrePoints = 8;
        p.Unite = QStringLiteral("M");
        const QVariant v = QVariant::fromValue(p);
        QCOMPARE(v.value<DAC::TS_PARAMETRES>().NbrePoints, quint16(8));
        QCOMPARE(v.value<DAC::TS_PARAMETRES>().Unite, QStringLiteral("M"));

        // Only the humidity minimum in force.
        DAC::TS_ALARMES a;
        a.Actives = 8;
        a.HumiMin = 150;
        QCOMPARE(a.TempMax, qint16(0));
        QCOMPARE(a.TempMin, qint16(0));
        QCOMPARE(a.HumiMax, qint16(0));
        QVERIFY(DAC::staticMetaObject.className() == QByteArray("DAC"));
    }
};

VORSEN_DATA_TEST_MAIN(tst_DAC)
#include "tst_DAC.moc"
