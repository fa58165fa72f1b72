// The automatic backup is named after the logger's identifier, which comes from
// the device: whatever it holds, the backup stays in its folder.
#include "Environnement.h"

#include <clsSerie.h>

#include <QCoreApplication>
#include <QDirIterator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class tst_NomSauvegardeAuto : public QObject
{
    Q_OBJECT

private slots:
    void nom_data();
    void nom();
};

void tst_NomSauvegardeAuto::nom_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("base");

    // What the program's own identifier dialog accepts is unchanged.
    QTest::newRow("typed in the program") << QStringLiteral("LOG_1") << QStringLiteral("LOG_1");
    QTest::newRow("lower case and dash")
        << QStringLiteral("ab-CD_09") << QStringLiteral("ab-CD_09");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("parent folder") << QStringLiteral("..") << QStringLiteral("__");
    QTest::newRow("path") << QStringLiteral("../../etc/x") << QStringLiteral("______etc_x");
    QTest::newRow("absolute path") << QStringLiteral("/tmp/x") << QStringLiteral("_tmp_x");
    QTest::newRow("backslash, blank, colon")
        << QStringLiteral("a\\b c:d") << QStringLiteral("a_b_c_d");
    QTest::newRow("accent") << QStringLiteral("Salle\u00E9") << QStringLiteral("Salle_");
    // One character outside the basic plane is one "_", not two.
    QTest::newRow("outside the basic plane")
        << QStringLiteral("T\U0001F321") << QStringLiteral("T_");
    QTest::newRow("control characters") << QStringLiteral("a\tb\nc\r") << QStringLiteral("a_b_c_");
}

void tst_NomSauvegardeAuto::nom()
{
    QFETCH(QString, id);
    QFETCH(QString, base);
    QCOMPARE(IdentifiantFichier(id), base);

    QTemporaryDir racine;
    QVERIFY(racine.isValid());
    const QString maison = racine.filePath(QStringLiteral("a/b/maison"));
    QVERIFY(QDir().mkpath(maison));
    const QByteArray ancienneMaison = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(maison));

    clsSerie serie;
    serie.Infos.ID = id;
    serie.NbrePoints = 0;
    serie.AjouterPoint(1459339509u, 235, 512);
    serie.setHorloge([] { return QDateTime(QDate(2016, 3, 30), QTime(14, 5, 9)); });
    const bool ok = serie.SauvegardeAuto();
    // A second acquisition within the same second keeps the first one's backup.
    clsSerie suivante;
    suivante.Infos.ID = id;
    suivante.setHorloge([] { return QDateTime(QDate(2016, 3, 30), QTime(14, 5, 9)); });
    const bool okSuivante = suivante.SauvegardeAuto();
    qputenv("HOME", ancienneMaison);
    QVERIFY(ok && okSuivante);

    const QString nomAuto = base + QStringLiteral("_20160330_140509");
    QCOMPARE(serie.NomAuto, nomAuto);
    QCOMPARE(suivante.NomAuto, nomAuto + QStringLiteral("_2"));
    QStringList fichiers;
    QDirIterator it(racine.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        fichiers << QDir(racine.path()).relativeFilePath(it.next());
    fichiers.sort();
    const QString dossier = QStringLiteral("a/b/maison/Vorsen_Logger/");
    QCOMPARE(fichiers, QStringList({dossier + nomAuto + ".ail", dossier + nomAuto + ".txt",
                                    dossier + nomAuto + "_2.ail", dossier + nomAuto + "_2.txt"}));
}

VORSEN_DATA_TEST_MAIN(tst_NomSauvegardeAuto)

#include "tst_NomSauvegardeAuto.moc"
