// The real vorsen executable against simulated loggers (tools/logger-sim), through
// real pseudo-terminals: list, download, monitor, program, every exit status, and
// export read back by other tools (openpyxl, pdftotext, skipped when absent).
#include "Environnement.h"
#include "Simulateur.h"
#include "clsSerie.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

namespace
{

const QString Debut = QStringLiteral("2026-01-10T08:00:00"); // start of the simulated recordings

struct Resultat {
    int Code = -1;
    QByteArray Sortie;
    QByteArray Erreurs;
    QStringList LignesErreur() const
    {
        return QString::fromUtf8(Erreurs).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QJsonObject Json() const { return QJsonDocument::fromJson(Sortie).object(); }
};

// The readings a logger puts on the wire for "D", read with a bare QSerialPort:
// pairs (temperature, humidity) of every data line.
QList<QPair<int, int>> LecturesBrutes(const QString& lien, int lignes)
{
    QSerialPort port(lien);
    if (!port.open(QIODevice::ReadWrite))
        return {};
    port.setBaudRate(38400);
    port.write("D\r\n");
    QByteArray recu;
    QDeadlineTimer limite(60000);
    while (recu.count('\r') < lignes + 1 && !limite.hasExpired()) {
        if (port.waitForReadyRead(100))
            recu += port.readAll();
    }
    QList<QPair<int, int>> lectures;
    for (const QByteArray& ligne : recu.split('\r')) {
        const QList<QByteArray> champs = ligne.split(' ');
        if (champs.value(0) == "d")
            lectures << qMakePair(champs.value(1).toInt(), champs.value(2).toInt());
    }
    return lectures;
}

} // namespace

class tst_vorsen : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_Maison; // HOME and settings of every run

    // Runs vorsen without a display, English environment, settings in m_Maison.
    Resultat Vorsen(const QStringList& arguments, const QByteArray& langue = "C.UTF-8")
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_Maison.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_Maison.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(langue));
        for (const char* nom : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(nom));
        QProcess vorsen;
        vorsen.setProcessEnvironment(env);
        vorsen.start(QStringLiteral(VORSEN_BIN_DIR "/vorsen"), arguments);
        Resultat r;
        if (!vorsen.waitForFinished(180000)) {
            vorsen.kill();
            vorsen.waitForFinished();
            return r;
        }
        r.Code = vorsen.exitStatus() == QProcess::NormalExit ? vorsen.exitCode() : -1;
        r.Sortie = vorsen.readAllStandardOutput();
        r.Erreurs = vorsen.readAllStandardError();
        return r;
    }

    static bool PythonAvecOpenpyxl()
    {
        return QProcess::execute(QStringLiteral("/usr/bin/python3"),
                                 {QStringLiteral("-c"), QStringLiteral("import openpyxl")}) == 0;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_Maison.isValid());
        QVERIFY(QFileInfo(QStringLiteral(VORSEN_BIN_DIR "/vorsen")).isExecutable());
        QVERIFY(Simulateur::Disponible());
    }

    // Two loggers, one temperature-only: both listed with their parameters.
    void liste()
    {
        Simulateur cave, frigo;
        QVERIFY2(cave.Demarrer({"--id", "CAVE", "--points", "600", "--start", Debut}),
                 qPrintable(cave.Erreur()));
        QVERIFY2(frigo.Demarrer({"--id", "FRIGO", "--model", "71246", "--sensors", "1", "--points",
                                 "300", "--period", "120"}),
                 qPrintable(frigo.Erreur()));
        const QStringList ports{"--port", cave.Lien(), "--port", frigo.Lien()};

        const Resultat json = Vorsen(QStringList{"list", "--json"} + ports);
        QCOMPARE(json.Code, 0);
        const QJsonArray loggers = json.Json().value("loggers").toArray();
        QCOMPARE(loggers.size(), 2);
        QCOMPARE(json.Json().value("errors").toArray().size(), 0);
        const QJsonObject a = loggers.at(0).toObject();
        const QJsonObject b = loggers.at(1).toObject();
        QCOMPARE(a.value("port").toString(), cave.Lien());
        QCOMPARE(a.value("id").toString(), QStringLiteral("CAVE"));
        QCOMPARE(a.value("model").toString(), QStringLiteral("71240"));
        QCOMPARE(a.value("readings").toInt(), 600);
        QCOMPARE(a.value("points").toInt(), 300);
        QCOMPARE(a.value("sensors").toArray(), (QJsonArray{"temperature", "humidity"}));
        QCOMPARE(QDateTime::fromString(a.value("start").toString(), Qt::ISODate),
                 QDateTime::fromString(Debut, Qt::ISODate));
        QCOMPARE(b.value("id").toString(), QStringLiteral("FRIGO"));
        QCOMPARE(b.value("model").toString(), QStringLiteral("71246"));
        QCOMPARE(b.value("points").toInt(), 300);
        QCOMPARE(b.value("period").toInt(), 120);
        QCOMPARE(b.value("sensors").toArray(), QJsonArray{"temperature"});

        // The table: a header and a line per logger; a logger found by its identifier.
        const Resultat texte = Vorsen(QStringList{"list"} + ports);
        QCOMPARE(texte.Code, 0);
        const QStringList lignes = QString::fromUtf8(texte.Sortie).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lignes.size(), 3);
        QVERIFY(lignes.at(2).startsWith(frigo.Lien()));
        const Resultat info = Vorsen(QStringList{"info", "FRIGO", "--json"} + ports);
        QCOMPARE(info.Code, 0);
        QCOMPARE(info.Json().value("port").toString(), frigo.Lien());
    }

    // The files hold the simulator's readings, read back by the data library; the
    // readings downloaded whole, a programming no longer asks for --yes.
    void telechargement()
    {
        Simulateur sim;
        QVERIFY2(
            sim.Demarrer({"--id", "CAVE", "--points", "600", "--period", "30", "--start", Debut}),
            qPrintable(sim.Erreur()));
        QTemporaryDir dossier;
        const Resultat r = Vorsen({"download", sim.Lien(), "-o", dossier.path(), "--format", "csv",
                                   "--format", "xlsx", "--json"});
        QCOMPARE(r.Code, 0);
        QVERIFY2(r.Erreurs.isEmpty(), r.Erreurs.constData()); // no progress: not a terminal
        const QJsonObject o = r.Json();
        QCOMPARE(o.value("complete").toBool(), true);
        QCOMPARE(o.value("points").toInt(), 300);
        QStringList fichiers;
        for (const QJsonValue& f : o.value("files").toArray())
            fichiers << f.toString();
        QCOMPARE(fichiers.size(), 4);
        const QFileInfo ail(fichiers.at(0));
        QVERIFY(QRegularExpression("^CAVE_\\d{8}_\\d{6}\\.ail$").match(ail.fileName()).hasMatch());
        for (const QString& f : fichiers)
            QVERIFY2(QFileInfo(f).isFile(), qPrintable(f));

        const QList<QPair<int, int>> brutes = LecturesBrutes(sim.Lien(), 300);
        QCOMPARE(brutes.size(), 300);
        clsSerie serie;
        QVERIFY(serie.Ouvrir(ail.fileName(), ail.absolutePath(), 3));
        QCOMPARE(serie.Infos.ID, QStringLiteral("CAVE"));
        QCOMPARE(serie.Infos.Capteurs, 3);
        QCOMPARE(serie.NbrePointsPresents(), 300);
        const uint t0 = uint(QDateTime::fromString(Debut, Qt::ISODate).toSecsSinceEpoch());
        for (int i = 0; i < 300; ++i) {
            QCOMPARE(uint(serie.Temps.Valeurs.at(i)), t0 + uint(i) * 30);
            QCOMPARE(serie.Temperature.Valeurs.at(i), brutes.at(i).first);
            QCOMPARE(serie.Humidite.Valeurs.at(i), brutes.at(i).second);
        }
        QFile csv(fichiers.at(2));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lignes = csv.readAll().split('\n');
        QCOMPARE(lignes.first(), QByteArray("timestamp,temperature_C,humidity_pct"));
        QCOMPARE(lignes.count(), 302); // header, 300 rows, the empty end
        QCOMPARE(
            QDateTime::fromString(QString::fromLatin1(lignes.at(1).split(',').first()), Qt::ISODate)
                .toSecsSinceEpoch(),
            qint64(t0));

        const Resultat programme = Vorsen({"program", sim.Lien(), "--mode", "immediate"});
        QVERIFY2(programme.Code == 0, programme.Erreurs.constData());
    }

    // An unplug part-way: status 3, and files holding a complete prefix of the readings.
    void debranchement()
    {
        const QStringList options{"--id", "CUT", "--points", "2000", "--start", Debut};
        Simulateur sim;
        QVERIFY2(sim.Demarrer(options + QStringList{"--unplug-after", "400"}),
                 qPrintable(sim.Erreur()));
        QTemporaryDir dossier;
        const Resultat r =
            Vorsen({"download", sim.Lien(), "-o", dossier.path(), "--name", "coupe", "--json"});
        QCOMPARE(r.Code, 3);
        QCOMPARE(r.LignesErreur().size(), 1);
        const int recus = r.Json().value("points").toInt();
        QVERIFY(r.Json().value("complete") == QJsonValue(false));
        QVERIFY2(recus > 0 && recus < 1000, qPrintable(QString::number(recus)));
        QVERIFY2(r.LignesErreur().first().contains(QString::number(recus)), r.Erreurs.constData());

        Simulateur temoin;
        QVERIFY2(temoin.Demarrer(options), qPrintable(temoin.Erreur()));
        const QList<QPair<int, int>> brutes = LecturesBrutes(temoin.Lien(), 1000);
        QCOMPARE(brutes.size(), 1000);
        clsSerie serie;
        QVERIFY(serie.Ouvrir(QStringLiteral("coupe"), dossier.path(), 3));
        QCOMPARE(serie.NbrePointsPresents(), recus);
        for (int i = 0; i < recus; ++i) {
            QCOMPARE(serie.Temperature.Valeurs.at(i), brutes.at(i).first);
            QCOMPARE(serie.Humidite.Valeurs.at(i), brutes.at(i).second);
        }
    }

    // Real-time rows until SIGTERM; the logger is then told to stop streaming.
    void suivi()
    {
        Simulateur sim;
        QVERIFY2(sim.Demarrer({"--id", "LIVE", "--time-scale", "0.05"}), qPrintable(sim.Erreur()));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_Maison.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_Maison.filePath(QStringLiteral("config")));
        QProcess vorsen;
        vorsen.setProcessEnvironment(env);
        vorsen.start(QStringLiteral(VORSEN_BIN_DIR "/vorsen"),
                     {"monitor", sim.Lien(), "--period", "2", "--yes"});
        QByteArray sortie;
        QDeadlineTimer limite(60000);
        while (sortie.count('\n') < 4 && !limite.hasExpired()) {
            if (vorsen.waitForReadyRead(100))
                sortie += vorsen.readAllStandardOutput();
        }
        QVERIFY2(sortie.count('\n') >= 4, sortie.constData());
        vorsen.terminate(); // SIGTERM
        QVERIFY(vorsen.waitForFinished(30000));
        QCOMPARE(vorsen.exitStatus(), QProcess::NormalExit);
        QCOMPARE(vorsen.exitCode(), 0);
        sortie += vorsen.readAllStandardOutput();

        const QList<QByteArray> lignes = sortie.split('\n');
        QCOMPARE(lignes.first(), QByteArray("timestamp,temperature_C,humidity_pct"));
        const QRegularExpression ligne(
            "^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d,-?\\d+\\.\\d,\\d+\\.\\d$");
        for (int i = 1; i < lignes.size() - 1; ++i)
            QVERIFY2(ligne.match(QString::fromLatin1(lignes.at(i))).hasMatch(),
                     lignes.at(i).constData());
        const QStringList recues = sim.LignesRecues();
        QVERIFY(recues.contains(QStringLiteral("S 2 M 2 32 3")));
        QCOMPARE(recues.last(), QStringLiteral("Q"));

        // Out of real-time mode: nothing comes in ten periods (2 s × 0.05 each).
        QSerialPort port(sim.Lien());
        QVERIFY(port.open(QIODevice::ReadWrite));
        QByteArray apres;
        QDeadlineTimer dixPeriodes(1000);
        while (!dixPeriodes.hasExpired()) {
            if (port.waitForReadyRead(50))
                apres += port.readAll();
        }
        QCOMPARE(apres, QByteArray());
    }

    // program, alarms and set-id, read back.
    void programmation()
    {
        Simulateur sim;
        QVERIFY2(sim.Demarrer({"--id", "CAVE"}), qPrintable(sim.Erreur()));
        const QDateTime demain =
            QDateTime(QDate::currentDate().addDays(1), QTime(8, 0), Qt::LocalTime);
        const Resultat r =
            Vorsen({"program", sim.Lien(), "--mode", "programmable", "--start",
                    demain.toString("yyyy-MM-ddTHH:mm"), "--period", "1:00:00", "--points", "8000",
                    "--sensors", "temp", "--unit", "imperial", "--yes", "--json"});
        QVERIFY2(r.Code == 0, r.Erreurs.constData());
        const QJsonObject o = r.Json();
        QCOMPARE(o.value("mode").toString(), QStringLiteral("programmable"));
        QCOMPARE(o.value("period").toInt(), 3600);
        QCOMPARE(o.value("readings").toInt(), 8000);
        QCOMPARE(o.value("unit").toString(), QStringLiteral("imperial"));
        QCOMPARE(o.value("sensors").toArray(), QJsonArray{"temperature"});
        QCOMPARE(QDateTime::fromString(o.value("start").toString(), Qt::ISODate), demain);
        // The clock set first, then the parameters, then read back.
        const QStringList recues = sim.LignesRecues();
        // The logger clock counts from 1 January 2010 00:00 in Paris (UTC+1), where
        // the test runs.
        const qint64 secondesLogger = demain.toSecsSinceEpoch() - 1262300400;
        const int s = recues.indexOf(QStringLiteral("S 3600 I %1 8 1").arg(secondesLogger));
        QVERIFY2(s > 0, qPrintable(recues.join(" | ")));
        QVERIFY(recues.at(s - 1).startsWith(QStringLiteral("C ")));
        QCOMPARE(recues.at(s + 1), QStringLiteral("M"));

        const Resultat alarmes = Vorsen(
            {"alarms", "CAVE", "--port", sim.Lien(), "--temp-min", "-5", "--temp-max", "8.0"});
        QVERIFY2(alarmes.Code == 0, alarmes.Erreurs.constData());
        QCOMPARE(sim.LignesRecues().last(), QStringLiteral("A 3 80 -50 0 0"));

        const Resultat id = Vorsen({"set-id", sim.Lien(), "cave_2", "--display", "off", "--json"});
        QVERIFY2(id.Code == 0, id.Erreurs.constData());
        QCOMPARE(id.Json().value("id").toString(), QStringLiteral("CAVE_2"));
        QVERIFY(sim.LignesRecues().contains(QStringLiteral("J CAVE_2 0")));
    }

    // Every exit status, each with its message on one line of standard error.
    void statuts_data()
    {
        QTest::addColumn<QStringList>("arguments");  // %PORT%, %DIR%, %FILE% replaced
        QTest::addColumn<QStringList>("simulateur"); // empty: none
        QTest::addColumn<int>("code");
        const QStringList aucun;
        const QStringList sim{"--id", "STAT"};

        QTest::newRow("help without a display") << QStringList{"--help"} << aucun << 0;
        QTest::newRow("command help") << QStringList{"download", "--help"} << aucun << 0;
        QTest::newRow("version") << QStringList{"--version"} << aucun << 0;
        QTest::newRow("unknown option")
            << QStringList{"download", "%PORT%", "--bogus"} << aucun << 1;
        QTest::newRow("start in the past")
            << QStringList{"program", "%PORT%",           "--mode", "programmable",
                           "--start", "2020-01-01T00:00", "--yes"}
            << sim << 1;
        QTest::newRow("humidity on a 71246")
            << QStringList{"program",   "%PORT%",    "--mode", "immediate",
                           "--sensors", "temp,humi", "--yes"}
            << QStringList{"--model", "71246", "--sensors", "1"} << 1;
        QTest::newRow("readings never downloaded")
            << QStringList{"program", "%PORT%", "--mode", "immediate"} << sim << 1;
        QTest::newRow("no such port") << QStringList{"info", "/nonexistent/ttyUSB9"} << aucun << 2;
        QTest::newRow("no logger of that identifier")
            << QStringList{"info", "NOBODY", "--port", "%PORT%"} << sim << 2;
        QTest::newRow("port in use") << QStringList{"info", "%PORT%", "occupe"} << sim << 2;
        QTest::newRow("no answer")
            << QStringList{"info", "%PORT%"} << QStringList{"--no-reply", "I"} << 2;
        QTest::newRow("silent part-way")
            << QStringList{"info", "%PORT%"} << QStringList{"--no-reply", "M"} << 3;
        QTest::newRow("download silent part-way")
            << QStringList{"download", "%PORT%", "-o", "%DIR%"}
            << QStringList{"--points", "200", "--silent-after", "40"} << 3;
        QTest::newRow("download refused") << QStringList{"download", "%PORT%", "-o", "%DIR%"}
                                          << QStringList{"--fail-first", "D:1"} << 4;
        QTest::newRow("programming refused")
            << QStringList{"program", "%PORT%", "--mode", "immediate", "--yes"}
            << QStringList{"--fail-first", "S:2"} << 4;
        QTest::newRow("folder is a file")
            << QStringList{"download", "%PORT%", "-o", "%FILE%"} << sim << 5;
        QTest::newRow("recording missing")
            << QStringList{"export", "%DIR%/absent.ail", "--format", "csv"} << aucun << 5;
    }

    void statuts()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, simulateur);
        QFETCH(int, code);
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath(QStringLiteral("fichier"));
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        Simulateur sim;
        if (!simulateur.isEmpty())
            QVERIFY2(sim.Demarrer(simulateur), qPrintable(sim.Erreur()));
        // Another program holds the port.
        QSerialPort occupant(sim.Lien());
        if (arguments.removeAll(QStringLiteral("occupe")))
            QVERIFY(occupant.open(QIODevice::ReadWrite));
        for (QString& a : arguments) {
            a.replace(QLatin1String("%PORT%"),
                      simulateur.isEmpty() ? QStringLiteral("/dev/null9") : sim.Lien());
            a.replace(QLatin1String("%DIR%"), dossier.path());
            a.replace(QLatin1String("%FILE%"), fichier);
        }
        const Resultat r = Vorsen(arguments);
        QVERIFY2(r.Code == code, qPrintable(QStringLiteral("%1: %2").arg(r.Code).arg(
                                     QString::fromUtf8(r.Erreurs))));
        if (code == 0) {
            QVERIFY(!r.Sortie.isEmpty());
            QVERIFY(r.Erreurs.isEmpty());
        } else {
            QCOMPARE(r.LignesErreur().size(), 1);
            QVERIFY(r.LignesErreur().first().startsWith(QStringLiteral("vorsen: ")));
        }
        // Nothing is programmed before the checks pass.
        if (code == 1 && !simulateur.isEmpty()) {
            for (const QString& ligne : sim.LignesRecues())
                QVERIFY2(!ligne.startsWith('S') && !ligne.startsWith('C'), qPrintable(ligne));
        }
    }

    // A saved recording converted to each format, read back by another tool.
    void exportation_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("csv") << "csv";
        QTest::newRow("xlsx") << "xlsx";
        QTest::newRow("pdf") << "pdf";
    }

    void exportation()
    {
        QFETCH(QString, format);
        if (format == QLatin1String("xlsx") && !PythonAvecOpenpyxl())
            QSKIP("/usr/bin/python3 with openpyxl is not installed");
        if (format == QLatin1String("pdf") && QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");

        QTemporaryDir dossier;
        clsSerie serie;
        serie.Infos.ID = QStringLiteral("EXPORT_7");
        serie.Infos.Appareil = 1;
        serie.Infos.Frequence = 60;
        serie.Infos.Capteurs = 3;
        const uint t0 = uint(QDateTime::fromString(Debut, Qt::ISODate).toSecsSinceEpoch());
        serie.Infos.DateDebut = t0;
        serie.NbrePoints = 0;
        for (int i = 0; i < 40; ++i)
            serie.AjouterPoint(t0 + uint(i) * 60, -35 + i, 500 + 3 * i);
        QVERIFY(serie.Sauvegarder(QStringLiteral("cave"), dossier.path()));

        const Resultat r = Vorsen({"export", dossier.filePath("cave.ail"), "--format", format, "-o",
                                   dossier.filePath("sortie")});
        QVERIFY2(r.Code == 0, r.Erreurs.constData());
        const QString sortie = dossier.filePath(QStringLiteral("sortie.") + format);
        QCOMPARE(QString::fromUtf8(r.Sortie).trimmed(), sortie);

        if (format == QLatin1String("csv")) {
            QFile csv(sortie);
            QVERIFY(csv.open(QIODevice::ReadOnly));
            const QList<QByteArray> lignes = csv.readAll().split('\n');
            QCOMPARE(lignes.size(), 42);
            QCOMPARE(lignes.at(1).split(',').mid(1), (QList<QByteArray>{"-3.5", "50.0"}));
            QCOMPARE(lignes.at(40).split(',').mid(1), (QList<QByteArray>{"0.4", "61.7"}));
        } else if (format == QLatin1String("xlsx")) {
            QProcess python;
            python.start(QStringLiteral("/usr/bin/python3"),
                         {"-c",
                          "import sys, openpyxl\n"
                          "f = openpyxl.load_workbook(sys.argv[1]).worksheets[0]\n"
                          "for r in f.iter_rows(values_only=True): print(r[0], r[3], r[4])\n",
                          sortie});
            QVERIFY(python.waitForFinished(60000));
            QCOMPARE(python.exitCode(), 0);
            const QStringList lignes =
                QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
            QCOMPARE(lignes.size(), 41); // header and 40 rows
            QCOMPARE(lignes.at(1),
                     QStringLiteral("1 -3.5 50")); // a whole number reads back as an integer
            QCOMPARE(lignes.at(40), QStringLiteral("40 0.4 61.7"));
        } else {
            QProcess pdftotext;
            pdftotext.start(QStringLiteral("pdftotext"), {sortie, QStringLiteral("-")});
            QVERIFY(pdftotext.waitForFinished(60000));
            const QString texte = QString::fromUtf8(pdftotext.readAllStandardOutput());
            // The logger, and both curves' rows of the table with every rubric.
            QVERIFY2(texte.contains(QStringLiteral("EXPORT_7")), qPrintable(texte));
            QVERIFY2(texte.count(QStringLiteral("cave")) >= 2, qPrintable(texte));
            QVERIFY2(texte.contains(QStringLiteral("-3.5")) ||
                         texte.contains(QStringLiteral("-3,5")),
                     qPrintable(texte));
        }
    }
};

VORSEN_DATA_TEST_MAIN(tst_vorsen)

#include "tst_vorsen.moc"
