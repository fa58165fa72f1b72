// vorsen's pure parts as tables: the command line cut into its command, options
// and arguments; option values read and checked as the dialogs check them; what
// it writes (JSON, progress bar, durations); the language of its messages.
#include "Arguments.h"
#include "Environnement.h"
#include "EnvironnementCli.h"
#include "LigneCommande.h"
#include "Presentation.h"
#include "ReglesProgrammation.h"

#include <QJsonArray>
#include <QTest>

Q_DECLARE_METATYPE(enm_COMMANDE)

namespace
{

// A logger as it answers "M": 3000 readings of both sensors, every 60 s, metric.
DAC::TS_PARAMETRES Actuels(quint8 capteurs = 3)
{
    DAC::TS_PARAMETRES p;
    p.NbrePoints = 3000;
    p.Frequence = 60;
    p.Unite = QStringLiteral("M");
    p.DateDebut = 1767254400;
    p.Capteurs = capteurs;
    return p;
}

const QDateTime Maintenant(QDate(2026, 12, 7), QTime(14, 5));

} // namespace

class tst_ReglesCli : public QObject
{
    Q_OBJECT

private slots:
    void analyser_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<enm_COMMANDE>("commande");
        QTest::addColumn<bool>("valide");
        QTest::addColumn<QStringList>("positionnels");
        QTest::addColumn<QString>("option"); // "name=value" to find, "" for none
        using C = enm_COMMANDE;
        const QStringList aucun;

        QTest::newRow("list") << QStringList{"list"} << C::List << true << aucun << "";
        QTest::newRow("list --json")
            << QStringList{"list", "--json"} << C::List << true << aucun << "json=";
        QTest::newRow("ports before the command, repeated")
            << QStringList{"--port", "/dev/a", "info", "X", "--port=/dev/b"} << C::Info << true
            << QStringList{"X"} << "port=/dev/a";
        QTest::newRow("a negative value after its option")
            << QStringList{"alarms", "P", "--temp-min", "-5.0"} << C::Alarms << true
            << QStringList{"P"} << "temp-min=-5.0";
        QTest::newRow("short -o, format repeated")
            << QStringList{"download", "-o", "d", "P", "--format", "csv", "--format", "xlsx"}
            << C::Download << true << QStringList{"P"} << "output=d";
        QTest::newRow("-- ends the options") << QStringList{"set-id", "--", "P", "-X"} << C::SetId
                                             << true << QStringList{"P", "-X"} << "";
        QTest::newRow("unknown command")
            << QStringList{"erase"} << C::Aucune << false << aucun << "";
        QTest::newRow("no command") << QStringList{} << C::Aucune << false << aucun << "";
        QTest::newRow("option of another command")
            << QStringList{"info", "P", "--yes"} << C::Info << false << QStringList{"P"} << "";
        QTest::newRow("value missing") << QStringList{"program", "P", "--mode"} << C::Program
                                       << false << QStringList{"P"} << "";
        QTest::newRow("flag given a value")
            << QStringList{"list", "--json=1"} << C::List << false << aucun << "";
        QTest::newRow("given twice")
            << QStringList{"program", "P", "--mode", "manual", "--mode", "immediate"} << C::Program
            << false << QStringList{"P"} << "";
        QTest::newRow("PORT missing")
            << QStringList{"download"} << C::Download << false << aucun << "";
        QTest::newRow("one argument too many")
            << QStringList{"info", "P", "Q"} << C::Info << false << QStringList{"P", "Q"} << "";
        QTest::newRow("mode required")
            << QStringList{"program", "P"} << C::Program << false << QStringList{"P"} << "";
        QTest::newRow("help needs nothing else")
            << QStringList{"program", "--help"} << C::Program << true << aucun << "";
    }

    void analyser()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, option);
        const TS_LIGNE ligne = LigneCommande::Analyser(arguments);
        QTEST(ligne.Commande, "commande");
        QTEST(ligne.Erreur.isEmpty(), "valide");
        QTEST(ligne.Positionnels, "positionnels");
        if (!option.isEmpty()) {
            const QString nom = option.section(QLatin1Char('='), 0, 0);
            QVERIFY(ligne.Present(nom));
            QCOMPARE(ligne.Valeur(nom), option.section(QLatin1Char('='), 1));
        }
        if (arguments.contains(QStringLiteral("--format")))
            QCOMPARE(ligne.Valeurs(QStringLiteral("format")), (QStringList{"csv", "xlsx"}));
    }

    // One option value each: accepted with its value, or refused.
    void valeurs_data()
    {
        QTest::addColumn<QString>("lecteur");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("accepte");
        QTest::addColumn<int>("valeur");

        QTest::newRow("period s") << "period"
                                  << "60" << true << 60;
        QTest::newRow("period H:MM:SS") << "period"
                                        << "1:30:00" << true << 5400;
        QTest::newRow("period longest") << "period"
                                        << "6:59:59" << true << 25199;
        QTest::newRow("period 7 h") << "period"
                                    << "25200" << false << 0;
        QTest::newRow("period 0") << "period"
                                  << "0" << false << 0;
        QTest::newRow("period 1:60:00") << "period"
                                        << "1:60:00" << false << 0;
        QTest::newRow("points 16000") << "points"
                                      << "16000" << true << 16;
        QTest::newRow("points 1000") << "points"
                                     << "1000" << true << 1;
        QTest::newRow("points 16500") << "points"
                                      << "16500" << false << 0;
        QTest::newRow("points 33000") << "points"
                                      << "33000" << false << 0;
        QTest::newRow("points 0") << "points"
                                  << "0" << false << 0;
        QTest::newRow("sensors both") << "sensors"
                                      << "temp,humi" << true << 3;
        QTest::newRow("sensors long names") << "sensors"
                                            << "humidity" << true << 2;
        QTest::newRow("sensors unknown") << "sensors"
                                         << "temp,pressure" << false << 0;
        QTest::newRow("threshold -5.0") << "seuil"
                                        << "-5.0" << true << -50;
        QTest::newRow("threshold decimal comma") << "seuil"
                                                 << "8,5" << true << 85;
        QTest::newRow("threshold whole") << "seuil"
                                         << "100" << true << 1000;
        QTest::newRow("threshold two decimals") << "seuil"
                                                << "8.25" << false << 0;
        QTest::newRow("threshold below -40") << "seuil"
                                             << "-40.1" << false << 0;
        QTest::newRow("mode continuous") << "mode"
                                         << "continuous" << true << 5;
        QTest::newRow("mode unknown") << "mode"
                                      << "later" << false << 0;
    }

    void valeurs()
    {
        QFETCH(QString, lecteur);
        QFETCH(QString, texte);
        int valeur = 0;
        QString erreur;
        bool accepte = false;
        if (lecteur == QLatin1String("period"))
            accepte = Arguments::Periode(texte, &valeur, &erreur);
        else if (lecteur == QLatin1String("points"))
            accepte = Arguments::Points(texte, &valeur, &erreur);
        else if (lecteur == QLatin1String("sensors"))
            accepte = Arguments::Capteurs(texte, &valeur, &erreur);
        else if (lecteur == QLatin1String("mode"))
            accepte = Arguments::Mode(texte, &valeur, &erreur);
        else
            accepte = Arguments::Seuil(texte, ReglesProgrammation::TemperatureMin,
                                       ReglesProgrammation::TemperatureMax, &valeur, &erreur);
        QTEST(accepte, "accepte");
        QCOMPARE(erreur.isEmpty(), accepte);
        if (accepte)
            QTEST(valeur, "valeur");
    }

    // program: what is sent, from the options and the logger's present settings.
    void programmation_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("humidite");
        QTest::addColumn<bool>("accepte");
        QTest::addColumn<QString>("envoye"); // the "S" line: period unit start thousands sensors

        QTest::newRow("the issue's example")
            << QStringList{"--mode",   "immediate", "--period",  "60",
                           "--points", "16000",     "--sensors", "temp,humi"}
            << true << true << "60 M 1 16 3";
        QTest::newRow("defaults: the logger's period, sensors, unit; 32000")
            << QStringList{"--mode", "continuous"} << true << true << "60 M 5 32 3";
        QTest::newRow("imperial, real time")
            << QStringList{"--mode", "realtime", "--unit", "imperial", "--sensors", "humi"} << true
            << true << "60 I 2 32 2";
        QTest::newRow("a 71246 keeps temperature only")
            << QStringList{"--mode", "manual"} << false << true << "60 M 3 32 1";
        QTest::newRow("humidity on a 71246")
            << QStringList{"--mode", "manual", "--sensors", "temp,humi"} << false << false << "";
        // 8 December 2026 08:00 in Paris (07:00 UTC) is 534412800 s after
        // 1 January 2010 00:00 in Paris, the logger clock's origin.
        QTest::newRow("programmable start, logger seconds")
            << QStringList{"--mode", "programmable", "--start", "2026-12-08T08:00"} << true << true
            << "60 M 534412800 32 3";
        QTest::newRow("programmable start in UTC")
            << QStringList{"--mode", "programmable", "--start", "2026-12-08T07:00:00Z"} << true
            << true << "60 M 534412800 32 3";
        QTest::newRow("programmable start now")
            << QStringList{"--mode", "programmable", "--start", "2026-12-07T14:05"} << true << false
            << "";
        QTest::newRow("programmable without start")
            << QStringList{"--mode", "programmable"} << true << false << "";
        QTest::newRow("start outside programmable")
            << QStringList{"--mode", "immediate", "--start", "2026-12-08T08:00"} << true << false
            << "";
        QTest::newRow("start after 2099")
            << QStringList{"--mode", "programmable", "--start", "2100-01-01T00:00"} << true << false
            << "";
        QTest::newRow("start not a date")
            << QStringList{"--mode", "programmable", "--start", "tomorrow"} << true << false << "";
    }

    void programmation()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, humidite);
        QFETCH(QString, envoye);
        const TS_LIGNE ligne = LigneCommande::Analyser(QStringList{"program", "P"} + options);
        QVERIFY2(ligne.Erreur.isEmpty(), qPrintable(ligne.Erreur));
        TS_PROGRAMMATION prog;
        QString erreur;
        const bool accepte = Arguments::Programmation(ligne, Actuels(humidite ? 3 : 1), humidite,
                                                      Maintenant, &prog, &erreur);
        QTEST(accepte, "accepte");
        QCOMPARE(erreur.isEmpty(), accepte);
        if (!accepte)
            return;
        const DAC::TS_PARAMETRES& p = prog.Params;
        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(p.Frequence)
                     .arg(p.Unite)
                     .arg(p.DateDebut)
                     .arg(p.NbrePoints / 1000)
                     .arg(p.Capteurs),
                 envoye);
    }

    void alarmes_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("humidite");
        QTest::addColumn<bool>("accepte");
        QTest::addColumn<QList<int>>("seuils"); // Actives, TempMax, TempMin, HumiMax, HumiMin

        QTest::newRow("none: every alarm off")
            << QStringList{} << true << true << QList<int>{0, 0, 0, 0, 0};
        QTest::newRow("cold room") << QStringList{"--temp-min", "-5.0", "--temp-max", "8"} << true
                                   << true << QList<int>{3, 80, -50, 0, 0};
        QTest::newRow("humidity max")
            << QStringList{"--humi-max", "70.5"} << true << true << QList<int>{4, 0, 0, 705, 0};
        QTest::newRow("humidity on a 71246")
            << QStringList{"--humi-max", "70"} << false << false << QList<int>{};
        QTest::newRow("minimum above maximum")
            << QStringList{"--temp-min", "9", "--temp-max", "8"} << true << false << QList<int>{};
        QTest::newRow("humidity above 100")
            << QStringList{"--humi-min", "100.1"} << true << false << QList<int>{};
    }

    void alarmes()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, humidite);
        QFETCH(QList<int>, seuils);
        const TS_LIGNE ligne = LigneCommande::Analyser(QStringList{"alarms", "P"} + options);
        QVERIFY2(ligne.Erreur.isEmpty(), qPrintable(ligne.Erreur));
        ClesReglages::SeuilsAlarmes s;
        QString erreur;
        const bool accepte = Arguments::Alarmes(ligne, humidite, &s, &erreur);
        QTEST(accepte, "accepte");
        if (accepte)
            QCOMPARE((QList<int>{s.Actives, s.TempMax, s.TempMin, s.HumiMax, s.HumiMin}), seuils);
    }

    void barre_data()
    {
        QTest::addColumn<int>("recus");
        QTest::addColumn<int>("attendus");
        QTest::addColumn<double>("secondes");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("header only") << 0 << 1600 << 0.2 << QString("[..........] 0/1600 points");
        QTest::newRow("half way") << 800 << 1600 << 2.0
                                  << QString("[#####.....] 800/1600 points, 400 points/s, "
                                             "0:02 restantes");
        QTest::newRow("done") << 1600 << 1600 << 4.0
                              << QString("[##########] 1600/1600 points, 400 points/s, "
                                         "0:00 restantes");
    }

    void barre()
    {
        QFETCH(int, recus);
        QFETCH(int, attendus);
        QFETCH(double, secondes);
        QFETCH(QString, attendu);
        QCOMPARE(Presentation::Barre(recus, attendus, secondes, 10), attendu);
    }

    void duree_data()
    {
        QTest::addColumn<qint64>("secondes");
        QTest::addColumn<QString>("texte");
        QTest::newRow("seconds") << qint64(7) << "0:07";
        QTest::newRow("minutes") << qint64(750) << "12:30";
        QTest::newRow("hours") << qint64(3723) << "1:02:03";
        QTest::newRow("negative") << qint64(-3) << "0:00";
    }

    void duree()
    {
        QFETCH(qint64, secondes);
        QTEST(Presentation::Duree(secondes), "texte");
    }

    // Numbers as numbers, the start in ISO 8601 with the offset of its instant.
    void json()
    {
        TS_ENREGISTREUR e;
        e.Port = QStringLiteral("/dev/ttyUSB0");
        e.Ids = {QStringLiteral("CAVE"), QStringLiteral("71240"), QStringLiteral("V1.0")};
        e.Params = Actuels();
        e.Params.DateDebut = uint(QDateTime(QDate(2026, 7, 1), QTime(8, 0)).toSecsSinceEpoch());
        const QJsonObject o = Presentation::Json(e);
        QCOMPARE(o.value("readings").toInt(-1), 3000);
        QCOMPARE(o.value("points").toInt(-1), 1500);
        QCOMPARE(o.value("period").toInt(-1), 60);
        QCOMPARE(o.value("unit").toString(), QStringLiteral("metric"));
        QCOMPARE(o.value("sensors").toArray(), (QJsonArray{"temperature", "humidity"}));
        // Summer time in Paris, where the test runs.
        QCOMPARE(o.value("start").toString(), QStringLiteral("2026-07-01T08:00:00+02:00"));
    }

    void langue_data()
    {
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("lcMessages");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<int>("langue");
        QTest::newRow("LANG French")
            << QByteArray() << QByteArray() << QByteArray("fr_FR.UTF-8") << int(FRANCAIS);
        QTest::newRow("Canadian French")
            << QByteArray() << QByteArray("fr_CA") << QByteArray() << int(FRANCAIS);
        QTest::newRow("LC_ALL wins")
            << QByteArray("C.UTF-8") << QByteArray() << QByteArray("fr_FR.UTF-8") << int(ANGLAIS);
        QTest::newRow("German") << QByteArray() << QByteArray() << QByteArray("de_DE.UTF-8")
                                << int(ANGLAIS);
        QTest::newRow("Frisian is not French")
            << QByteArray() << QByteArray() << QByteArray("fy_NL") << int(ANGLAIS);
        QTest::newRow("nothing set")
            << QByteArray() << QByteArray() << QByteArray() << int(ANGLAIS);
    }

    void langue()
    {
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, lcMessages);
        QFETCH(QByteArray, lang);
        QTEST(int(EnvironnementCli::Langue(lcAll, lcMessages, lang)), "langue");
    }
};

VORSEN_DATA_TEST_MAIN(tst_ReglesCli)

#include "tst_ReglesCli.moc"
