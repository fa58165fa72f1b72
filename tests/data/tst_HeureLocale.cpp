// The export's local time, looked up once per quarter of an hour, must give the
// same date and time as a lookup for every stamp, across the year and right at
// each change of offset, in zones with whole-hour, half-hour and 45-minute steps.
#include "Environnement.h"

#include <HeureLocale.h>

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

class tst_HeureLocale : public QObject
{
    Q_OBJECT

private slots:
    void annee_data();
    void annee();
};

namespace
{

QString Texte(const QDateTime& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

} // namespace

void tst_HeureLocale::annee_data()
{
    QTest::addColumn<int>("annee");
    QTest::newRow("2016") << 2016;
    QTest::newRow("2024") << 2024;
}

void tst_HeureLocale::annee()
{
    QFETCH(int, annee);
    const QDateTime debut(QDate(annee, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime fin = debut.addYears(1);

    QList<uint> stamps;
    // 293 s does not divide a quarter of an hour: every phase is reached.
    for (qint64 t = debut.toSecsSinceEpoch(); t < fin.toSecsSinceEpoch(); t += 293)
        stamps << uint(t);
    const auto changements = QTimeZone::systemTimeZone().transitions(debut, fin);
    for (const QTimeZone::OffsetData& c : changements)
        for (int ecart = -2; ecart <= 2; ++ecart)
            stamps << uint(c.atUtc.toSecsSinceEpoch() + ecart);

    HeureLocale heure;
    for (const uint t : stamps) {
        const QDateTime attendu = QDateTime::fromSecsSinceEpoch(t, Qt::LocalTime);
        const QDateTime obtenu = heure.Convertir(t);
        if (Texte(obtenu) != Texte(attendu) || obtenu.offsetFromUtc() != attendu.offsetFromUtc())
            QFAIL(qPrintable(
                QStringLiteral("%1: %2 instead of %3").arg(t).arg(Texte(obtenu), Texte(attendu))));
    }
    // Stamps out of order go through the same way.
    HeureLocale aRebours;
    for (auto it = stamps.crbegin(); it != stamps.crend(); ++it)
        QCOMPARE(Texte(aRebours.Convertir(*it)),
                 Texte(QDateTime::fromSecsSinceEpoch(*it, Qt::LocalTime)));
}

VORSEN_DATA_TEST_MAIN(tst_HeureLocale)

#include "tst_HeureLocale.moc"
