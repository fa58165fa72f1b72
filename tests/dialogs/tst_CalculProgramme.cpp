#include <QTimeZone>
#include <QtTest>

#include "CalculProgramme.h"
#include "Environnement.h"

Q_DECLARE_METATYPE(enm_AJUSTE)

// The programmable panel's arithmetic, run in a zone without daylight saving and
// in one with it: durations must be real elapsed seconds.
class tst_CalculProgramme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void calcul_data();
    void calcul();
};

namespace
{
constexpr int PeriodeMax = 25199; // 6:59:59

QDateTime Local(int a, int m, int j, int h, int mn = 0, int s = 0)
{
    return QDateTime(QDate(a, m, j), QTime(h, mn, s), Qt::LocalTime);
}

bool Paris()
{
    return QTimeZone::systemTimeZoneId() == "Europe/Paris";
}
} // namespace

void tst_CalculProgramme::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    const QByteArray zone = QTimeZone::systemTimeZoneId();
    QVERIFY2(zone == "UTC" || zone == "Europe/Paris", zone.constData());
}

void tst_CalculProgramme::calcul_data()
{
    QTest::addColumn<enm_AJUSTE>("ajuste");
    QTest::addColumn<int>("capteurs");
    QTest::addColumn<QDateTime>("debut");
    QTest::addColumn<QDateTime>("fin");
    QTest::addColumn<int>("periode");
    QTest::addColumn<int>("milliers");
    QTest::addColumn<QDateTime>("finAttendue");
    QTest::addColumn<int>("periodeAttendue");
    QTest::addColumn<int>("milliersAttendus");

    const QDateTime S = Local(2024, 1, 15, 10);

    // Count adjusted: total readings = span × sensors / period, next thousand up,
    // 1000 to 32000; the end follows the count.
    QTest::newRow("points: 1 h, 2 capteurs, 1 min -> 1000")
        << AJUSTE_POINTS << 2 << S << S.addSecs(3600) << 60 << 32 << S.addSecs(30000) << 60 << 1;
    QTest::newRow("points: fin = début -> 1000")
        << AJUSTE_POINTS << 2 << S << S << 60 << 32 << S.addSecs(30000) << 60 << 1;
    QTest::newRow("points: fin avant début -> 1000")
        << AJUSTE_POINTS << 1 << S << S.addSecs(-3600) << 60 << 32 << S.addSecs(60000) << 60 << 1;
    QTest::newRow("points: millier exact")
        << AJUSTE_POINTS << 1 << S << S.addSecs(50000) << 10 << 1 << S.addSecs(50000) << 10 << 5;
    QTest::newRow("points: millier suivant")
        << AJUSTE_POINTS << 1 << S << S.addSecs(50010) << 10 << 1 << S.addSecs(60000) << 10 << 6;
    QTest::newRow("points: plafond 32000")
        << AJUSTE_POINTS << 2 << S << S.addSecs(100000) << 1 << 1 << S.addSecs(16000) << 1 << 32;
    // 40 years at 1 s with both sensors: 2.5e9 readings, beyond 32 bits.
    QTest::newRow("points: quarante ans -> 32000")
        << AJUSTE_POINTS << 2 << Local(2020, 1, 1, 0) << Local(2060, 1, 1, 0) << 1 << 1
        << Local(2020, 1, 1, 0).addSecs(16000) << 1 << 32;

    // Period adjusted: span / points per sensor, 1 s to 6:59:59.
    QTest::newRow("période: 32000 sur 10 h -> 2 s")
        << AJUSTE_PERIODE << 2 << S << S.addSecs(36000) << 1 << 32 << S.addSecs(32000) << 2 << 32;
    QTest::newRow("période: fin avant début -> 1 s")
        << AJUSTE_PERIODE << 2 << S << S.addSecs(-3600) << 60 << 32 << S.addSecs(16000) << 1 << 32;
    QTest::newRow("période: plafond 6:59:59")
        << AJUSTE_PERIODE << 1 << S << S.addSecs(1000LL * 30000) << 1 << 1
        << S.addSecs(1000LL * PeriodeMax) << PeriodeMax << 1;
    QTest::newRow("période: tronquée")
        << AJUSTE_PERIODE << 1 << S << S.addSecs(2999) << 1 << 1 << S.addSecs(2000) << 2 << 1;

    // End adjusted: start + points per sensor × period.
    QTest::newRow("fin: température seule, 32, 1 min")
        << AJUSTE_FIN << 1 << S << S << 60 << 32 << S.addSecs(1920000) << 60 << 32;
    QTest::newRow("fin: 2 capteurs, 8, 10 s")
        << AJUSTE_FIN << 2 << S << S << 10 << 8 << S.addSecs(40000) << 10 << 8;
    QTest::newRow("fin: 2 capteurs, 1, impair")
        << AJUSTE_FIN << 2 << S << S << 7 << 1 << S.addSecs(3500) << 7 << 1;

    // Across the changes to and from summer time (wall-clock times below).
    if (Paris()) {
        // 28 March 2021: 02:00 CET -> 03:00 CEST, the night is one hour shorter.
        QTest::newRow("heure d'été: fin")
            << AJUSTE_FIN << 1 << Local(2021, 3, 28, 1, 30) << Local(2021, 3, 28, 1, 30) << 9 << 1
            << Local(2021, 3, 28, 5, 0) << 9 << 1;
        QTest::newRow("heure d'été: points")
            << AJUSTE_POINTS << 1 << Local(2021, 3, 28, 0) << Local(2021, 3, 28, 6) << 6 << 32
            << Local(2021, 3, 28, 6) << 6 << 3;
        // 31 October 2021: 03:00 CEST -> 02:00 CET, one hour longer.
        QTest::newRow("heure d'hiver: période")
            << AJUSTE_PERIODE << 2 << Local(2021, 10, 31, 0) << Local(2021, 10, 31, 6) << 1 << 2
            << Local(2021, 10, 31, 5, 56, 40) << 25 << 2;
    } else {
        QTest::newRow("heure d'été: fin")
            << AJUSTE_FIN << 1 << Local(2021, 3, 28, 1, 30) << Local(2021, 3, 28, 1, 30) << 9 << 1
            << Local(2021, 3, 28, 4, 0) << 9 << 1;
        QTest::newRow("heure d'été: points")
            << AJUSTE_POINTS << 1 << Local(2021, 3, 28, 0) << Local(2021, 3, 28, 6) << 6 << 32
            << Local(2021, 3, 28, 6, 40) << 6 << 4;
        QTest::newRow("heure d'hiver: période")
            << AJUSTE_PERIODE << 2 << Local(2021, 10, 31, 0) << Local(2021, 10, 31, 6) << 1 << 2
            << Local(2021, 10, 31, 5, 50) << 21 << 2;
    }
}

void tst_CalculProgramme::calcul()
{
    QFETCH(enm_AJUSTE, ajuste);
    QFETCH(int, capteurs);
    QFETCH(QDateTime, debut);
    QFETCH(QDateTime, fin);
    QFETCH(int, periode);
    QFETCH(int, milliers);
    QFETCH(QDateTime, finAttendue);
    QFETCH(int, periodeAttendue);
    QFETCH(int, milliersAttendus);

    TS_PROGRAMME p;
    p.Debut = debut;
    p.Fin = fin;
    p.Periode = periode;
    p.Milliers = milliers;
    const TS_PROGRAMME r = CalculProgramme(p, ajuste, capteurs, PeriodeMax);

    QCOMPARE(r.Debut, debut);
    QCOMPARE(r.Fin, finAttendue);
    QCOMPARE(r.Periode, periodeAttendue);
    QCOMPARE(r.Milliers, milliersAttendus);
}

VORSEN_TEST_MAIN(tst_CalculProgramme, SansAffichage)
#include "tst_CalculProgramme.moc"
