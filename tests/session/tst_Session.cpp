// The rules of a measurement session as tables: what an acquisition stores,
// rescales and backs up for each event, what the watch makes of the ports, and
// what a programming may send.
#include "Environnement.h"
#include "ReglesProgrammation.h"
#include "clsAcquisition.h"
#include "clsSurveillance.h"

#include <QTest>

namespace
{

constexpr quint32 Debut = 1767254400; // 2026-01-01 08:00 UTC
constexpr int Periode = 30;           // s

// What an acquisition decided over a run of events.
struct Journal {
    int Stockes = 0;
    QList<int> Echelles;    // numbers of the points that rescaled
    QList<int> Sauvegardes; // numbers of the points backed up; 0 for the stop
    QList<double> FinsAxe;  // end of the time axis each time it moved
    QList<quint32> Temps;   // stamps of the points stored
    bool Terminee = false;
    bool Demarrage = false;

    void Noter(const TS_DECISION& d, int numero)
    {
        Demarrage = Demarrage || d.Demarrage;
        if (d.Stocker) {
            ++Stockes;
            Temps << d.Temps;
        }
        if (d.Echelles)
            Echelles << numero;
        if (d.AxeTemps)
            FinsAxe << d.TempsMax;
        if (d.Sauvegarde)
            Sauvegardes << numero;
        Terminee = Terminee || d.Terminee;
    }
};

} // namespace

class tst_Session : public QObject
{
    Q_OBJECT

private slots:
    // A download: the header, lines of one or two readings, perhaps a stop or a
    // loss before the end.
    void telechargement_data()
    {
        QTest::addColumn<int>("lectures");   // readings the header announces
        QTest::addColumn<int>("capteurs");   // sensor mask of the header
        QTest::addColumn<int>("lignes");     // data lines that arrive
        QTest::addColumn<bool>("uneValeur"); // lines of one reading
        QTest::addColumn<bool>("arret");     // stopped or lost after the lines
        QTest::addColumn<int>("avant");      // data lines before the header
        QTest::addColumn<int>("stockes");
        QTest::addColumn<QList<int>>("echelles");
        QTest::addColumn<QList<int>>("sauvegardes");
        QTest::addColumn<bool>("terminee");

        QTest::newRow("200 readings of two sensors: 100 points")
            << 200 << 3 << 100 << false << false << 0 << 100 << QList<int>{1, 51, 100}
            << QList<int>{100} << true;
        QTest::newRow("lines after the last point are dropped")
            << 4 << 1 << 7 << true << false << 0 << 4 << QList<int>{1, 4} << QList<int>{4} << true;
        QTest::newRow("empty memory ends at the header")
            << 0 << 3 << 0 << false << false << 0 << 0 << QList<int>{} << QList<int>{} << true;
        QTest::newRow("loss mid-download keeps what came")
            << 200 << 3 << 30 << false << true << 0 << 30 << QList<int>{1} << QList<int>{0} << true;
        QTest::newRow("loss before the first point: nothing to keep")
            << 200 << 3 << 0 << false << true << 0 << 0 << QList<int>{} << QList<int>{} << true;
        QTest::newRow("one reading with both sensors is ignored")
            << 200 << 3 << 5 << true << false << 0 << 0 << QList<int>{} << QList<int>{} << false;
        QTest::newRow("humidity only")
            << 3 << 2 << 3 << true << false << 0 << 3 << QList<int>{1, 3} << QList<int>{3} << true;
        QTest::newRow("readings before the header are none of the recording's")
            << 8 << 3 << 4 << false << false << 2 << 4 << QList<int>{1, 4} << QList<int>{4} << true;
    }
    void telechargement()
    {
        QFETCH(int, lectures);
        QFETCH(int, capteurs);
        QFETCH(int, lignes);
        QFETCH(bool, uneValeur);
        QFETCH(bool, arret);
        QFETCH(int, avant);
        QFETCH(int, stockes);
        QFETCH(QList<int>, echelles);
        QFETCH(QList<int>, sauvegardes);
        QFETCH(bool, terminee);

        clsAcquisition a;
        // The recording's old parameters: the header replaces them.
        a.Demarrer(enm_ACQUISITION::Telechargement, 0, 5, 3);
        Journal j;
        for (int i = 0; i < avant; ++i)
            j.Noter(a.Lecture(word(100), word(100), 0), 0);
        QCOMPARE(j.Stockes, 0);
        DAC::TS_PARAMETRES p;
        p.NbrePoints = quint16(lectures);
        p.Frequence = Periode;
        p.DateDebut = Debut;
        p.Capteurs = quint8(capteurs);
        j.Noter(a.Entete(p), 0);
        QVERIFY(j.Demarrage);
        for (int i = 0; i < lignes; ++i) {
            const TS_DECISION d =
                uneValeur ? a.Lecture(word(200 + i), 0) : a.Lecture(word(200 + i), word(500), 0);
            QCOMPARE(d.Temp, word(d.Stocker && capteurs == 2 ? 0 : d.Stocker ? 200 + i : 0));
            QCOMPARE(d.Humi, word(!d.Stocker ? 0 : capteurs == 2 ? 200 + i : uneValeur ? 0 : 500));
            j.Noter(d, d.Numero);
        }
        if (arret)
            j.Noter(a.Arret(), 0);

        QCOMPARE(j.Stockes, stockes);
        QCOMPARE(j.Echelles, echelles);
        QCOMPARE(j.Sauvegardes, sauvegardes);
        QCOMPARE(j.Terminee, terminee);
        QCOMPARE(a.EnCours(), !terminee);
        // One period apart from the header's start; the axis ends on the last point.
        for (int i = 0; i < j.Temps.size(); ++i)
            QCOMPARE(j.Temps.at(i), Debut + quint32(i * Periode));
        if (terminee && !arret && stockes > 0)
            QCOMPARE(j.FinsAxe.last(), double(Debut + quint32((stockes - 1) * Periode)));
    }

    // A download whose logger falls silent for 5 s ends as interrupted, its
    // points backed up; the watch looks every 500 ms (clock in ms).
    void silence_data()
    {
        QTest::addColumn<int>("type");    // enm_ACQUISITION
        QTest::addColumn<int>("lignes");  // data lines after the header; -1: no header
        QTest::addColumn<int>("relance"); // ms of the one more line that comes; -1: none
        QTest::addColumn<int>("fin");     // ms of the look that ends it; -1: never
        QTest::addColumn<bool>("sauvegarde");
        QTest::addColumn<double>("finAxe"); // the time axis's end, 0: it stays
        const int tele = int(enm_ACQUISITION::Telechargement);
        // The 30th point is stamped 29 periods after the start, the 31st 30.
        QTest::newRow("silent part-way") << tele << 30 << -1 << 5000 << true << 1767255270.0;
        QTest::newRow("silent after the header") << tele << 0 << -1 << 5000 << false << 0.0;
        QTest::newRow("no header at all") << tele << -1 << -1 << 5000 << false << 0.0;
        QTest::newRow("a line restarts the wait")
            << tele << 30 << 4700 << 10000 << true << 1767255300.0;
        QTest::newRow("complete download: nothing to end")
            << tele << 100 << -1 << -1 << true << 0.0;
        QTest::newRow("real time never falls silent")
            << int(enm_ACQUISITION::TempsReel) << 0 << -1 << -1 << false << 0.0;
    }
    void silence()
    {
        QFETCH(int, type);
        QFETCH(int, lignes);
        QFETCH(int, relance);
        QFETCH(int, fin);
        QFETCH(double, finAxe);
        clsAcquisition a;
        a.Demarrer(enm_ACQUISITION(type), Debut, Periode, 3);
        DAC::TS_PARAMETRES p;
        p.NbrePoints = 200;
        p.Frequence = Periode;
        p.DateDebut = Debut;
        p.Capteurs = 3;
        if (lignes >= 0)
            a.Entete(p);
        for (int i = 0; i < lignes; ++i)
            a.Lecture(word(200), word(500), 0);
        TS_DECISION d;
        int ms = 0;
        for (; ms <= 20000 && !d.Terminee; ms += 500) {
            if (ms == relance + 300) // between two looks
                a.Lecture(word(200), word(500), 0);
            d = a.Surveiller(ms);
        }
        QCOMPARE(d.Terminee, fin >= 0);
        QCOMPARE(d.Interrompue, fin >= 0);
        if (fin < 0)
            return;
        QCOMPARE(ms - 500, fin);
        QCOMPARE(a.EnCours(), false);
        QTEST(d.Sauvegarde, "sauvegarde");
        QCOMPARE(d.AxeTemps, finAxe > 0);
        if (finAxe > 0)
            QCOMPARE(d.TempsMax, finAxe);
    }

    // A download moves its progress bar at each whole percent of the points it
    // expects, the last point included: about 100 repaints, whatever its size.
    void progression_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("valeurs");
        QTest::newRow("49 points: each") << 49 << 49;
        QTest::newRow("100 points: each") << 100 << 100;
        QTest::newRow("150 points") << 150 << 100;
        QTest::newRow("16000 points") << 16000 << 100;
    }
    void progression()
    {
        QFETCH(int, points);
        QFETCH(int, valeurs);
        clsAcquisition a;
        a.Demarrer(enm_ACQUISITION::Telechargement, 0, 5, 3);
        DAC::TS_PARAMETRES p;
        p.NbrePoints = quint16(2 * points);
        p.Frequence = Periode;
        p.DateDebut = Debut;
        p.Capteurs = 3;
        a.Entete(p);
        QList<int> numeros;
        for (int i = 0; i < points; ++i) {
            const TS_DECISION d = a.Lecture(word(200), word(500), 0);
            if (d.Progression)
                numeros << d.Numero;
        }
        QCOMPARE(numeros.size(), valeurs);
        QCOMPARE(numeros.last(), points);
    }

    // Real time: every point carries its arrival time and rescales; points 1, 21,
    // 41... move the time axis and write the backup; a stop backs up what came.
    void tempsReel_data()
    {
        QTest::addColumn<int>("lignes");
        QTest::addColumn<bool>("arret");
        QTest::addColumn<QList<int>>("sauvegardes");
        QTest::newRow("45 readings") << 45 << false << QList<int>{1, 21, 41};
        QTest::newRow("stopped after 5") << 5 << true << QList<int>{1, 0};
        QTest::newRow("stopped before any reading") << 0 << true << QList<int>{};
    }
    void tempsReel()
    {
        QFETCH(int, lignes);
        QFETCH(bool, arret);
        QFETCH(QList<int>, sauvegardes);
        clsAcquisition a;
        a.Demarrer(enm_ACQUISITION::TempsReel, Debut, 10, 3);
        // A header is no business of real time.
        QVERIFY(!a.Entete(DAC::TS_PARAMETRES()).Demarrage);
        Journal j;
        for (int i = 0; i < lignes; ++i) {
            const TS_DECISION d = a.Lecture(word(200), word(500), Debut + 1000 + quint32(i * 7));
            j.Noter(d, d.Numero);
        }
        if (arret)
            j.Noter(a.Arret(), 0);
        QCOMPARE(j.Stockes, lignes);
        QCOMPARE(j.Echelles.size(), lignes);
        QCOMPARE(j.Sauvegardes, sauvegardes);
        for (int i = 0; i < lignes; ++i)
            QCOMPARE(j.Temps.at(i), Debut + 1000 + quint32(i * 7));
        // The first point came 1000 s after the start: the axis runs 20 periods
        // of 10 s past it.
        if (lignes > 0)
            QCOMPARE(j.FinsAxe.first(), 1767255600.0);
        QCOMPARE(a.EnCours(), !arret);
        // Once stopped, readings that still stream are dropped.
        QCOMPARE(a.Lecture(word(1), word(2), Debut).Stocker, !arret);
    }

    void surveillance_data()
    {
        QTest::addColumn<QStringList>("listes");
        QTest::addColumn<QStringList>("connus");
        QTest::addColumn<QString>("selectionne");
        QTest::addColumn<bool>("tenu");
        QTest::addColumn<bool>("perte");
        QTest::addColumn<QStringList>("departs");
        QTest::addColumn<QStringList>("arrivees");
        const QString a = QStringLiteral("/dev/ttyUSB0");
        const QString b = QStringLiteral("/dev/ttyUSB1");
        const QString c = QStringLiteral("/dev/ttyUSB2");
        QTest::newRow("nothing changed") << QStringList{a, b} << QStringList{a, b} << a << true
                                         << false << QStringList{} << QStringList{};
        QTest::newRow("selected logger no longer held")
            << QStringList{b} << QStringList{a, b} << a << false << true << QStringList{}
            << QStringList{};
        QTest::newRow("selected port unlisted but held: no loss")
            << QStringList{b} << QStringList{a, b} << a << true << false << QStringList{}
            << QStringList{};
        QTest::newRow("another logger went") << QStringList{a} << QStringList{a, b} << a << true
                                             << false << QStringList{b} << QStringList{};
        QTest::newRow("loss and departure in one tick")
            << QStringList{} << QStringList{a, b} << a << false << true << QStringList{b}
            << QStringList{};
        QTest::newRow("arrivals in list order")
            << QStringList{c, a, b} << QStringList{a} << QString() << false << false
            << QStringList{} << QStringList{c, b};
        QTest::newRow("names compare without case")
            << QStringList{"/dev/TTYUSB0"} << QStringList{a} << QString() << false << false
            << QStringList{} << QStringList{};
    }
    void surveillance()
    {
        QFETCH(QStringList, listes);
        QFETCH(QStringList, connus);
        QFETCH(QString, selectionne);
        QFETCH(bool, tenu);
        const TS_SURVEILLANCE r = clsSurveillance::Comparer(listes, connus, selectionne, tenu);
        QTEST(r.Perte, "perte");
        QTEST(r.Departs, "departs");
        QTEST(r.Arrivees, "arrivees");
    }

    void selectionAuto_data()
    {
        QTest::addColumn<QStringList>("connus");
        QTest::addColumn<QString>("selectionne");
        QTest::addColumn<QString>("choisi");
        QTest::newRow("the only logger") << QStringList{"A"} << QString() << "A";
        QTest::newRow("already selected") << QStringList{"A"} << "A" << QString();
        QTest::newRow("two: the user chooses") << QStringList{"A", "B"} << QString() << QString();
        QTest::newRow("none") << QStringList{} << QString() << QString();
    }
    void selectionAuto()
    {
        QFETCH(QStringList, connus);
        QFETCH(QString, selectionne);
        QTEST(clsSurveillance::SelectionAuto(connus, selectionne), "choisi");
    }

    // A device that does not answer three probes in a row is told; it stops being
    // told when it answers or goes away.
    void sondesSansReponse()
    {
        clsSurveillance s;
        const QString port = QStringLiteral("/tmp/Muet");
        QVERIFY(!s.NoterSonde(port, false));
        QVERIFY(!s.NoterSonde(port, false));
        QVERIFY(s.NoterSonde(port, false));
        QCOMPARE(s.Muets(), QStringList{port});
        QVERIFY(!s.NoterSonde(port, false));
        QVERIFY(s.NoterSonde(port, true));
        QVERIFY(s.Muets().isEmpty());
        for (int i = 0; i < 3; ++i)
            s.NoterSonde(port, false);
        QVERIFY(!s.Oublier({"/tmp/muet"}));
        QVERIFY(s.Oublier({}));
        QVERIFY(s.Muets().isEmpty());
    }

    // The checks made before a programming is sent.
    void identifiant_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("valide");
        QTest::newRow("letters, digits, underscore") << "CAVE_2" << true;
        QTest::newRow("20 characters") << QString(20, QLatin1Char('A')) << true;
        QTest::newRow("21 characters") << QString(21, QLatin1Char('A')) << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("lower case") << "cave" << false;
        QTest::newRow("blank") << "CAVE 2" << false;
        QTest::newRow("slash") << "A/B" << false;
        QTest::newRow("accent") << QString::fromUtf8("CAVÉ") << false;
    }
    void identifiant()
    {
        QFETCH(QString, id);
        QTEST(ReglesProgrammation::IdentifiantValide(id), "valide");
    }

    void alarmes_data()
    {
        QTest::addColumn<int>("actives");
        QTest::addColumn<bool>("humidite");
        QTest::addColumn<QList<int>>("seuils"); // TempMax, TempMin, HumiMax, HumiMin
        QTest::addColumn<QList<int>>("envoyes");
        QTest::addColumn<int>("activesEnvoyees");
        QTest::addColumn<bool>("inverses");
        const QList<int> s{80, -50, 700, 300};
        QTest::newRow("all four") << 15 << true << s << s << 15 << false;
        QTest::newRow("thresholds off are sent as 0")
            << 2 << true << s << QList<int>{0, -50, 0, 0} << 2 << false;
        QTest::newRow("no humidity on a 71246")
            << 15 << false << s << QList<int>{80, -50, 0, 0} << 3 << false;
        QTest::newRow("temperature minimum at its maximum")
            << 3 << true << QList<int>{80, 80, 0, 0} << QList<int>{80, 80, 0, 0} << 3 << true;
        QTest::newRow("humidity inverted")
            << 12 << true << QList<int>{0, 0, 300, 700} << QList<int>{0, 0, 300, 700} << 12 << true;
        QTest::newRow("inverted but one of them off")
            << 1 << true << QList<int>{80, 90, 0, 0} << QList<int>{80, 0, 0, 0} << 1 << false;
    }
    void alarmes()
    {
        QFETCH(int, actives);
        QFETCH(bool, humidite);
        QFETCH(QList<int>, seuils);
        QFETCH(QList<int>, envoyes);
        ClesReglages::SeuilsAlarmes entree;
        entree.Actives = actives;
        entree.TempMax = seuils[0];
        entree.TempMin = seuils[1];
        entree.HumiMax = seuils[2];
        entree.HumiMin = seuils[3];
        const DAC::TS_ALARMES a = ReglesProgrammation::AlarmesEnvoyees(entree, humidite);
        QCOMPARE((QList<int>{a.TempMax, a.TempMin, a.HumiMax, a.HumiMin}), envoyes);
        QTEST(int(a.Actives), "activesEnvoyees");
        QTEST(ReglesProgrammation::SeuilsInverses(a), "inverses");
    }

    void avantProgrammation_data()
    {
        QTest::addColumn<int>("ecartDebut"); // s from now to a programmable start
        QTest::addColumn<bool>("passe");
        QTest::addColumn<int>("pointsEnregistreur");
        QTest::addColumn<int>("pointsTelecharges");
        QTest::addColumn<int>("perdus");
        QTest::newRow("start in an hour, empty logger") << 3600 << false << 0 << 0 << 0;
        QTest::newRow("start now, all downloaded") << 0 << true << 1500 << 1500 << 0;
        QTest::newRow("start a second ago, nothing downloaded") << -1 << true << 1500 << 0 << 1500;
        QTest::newRow("start in a second, part downloaded") << 1 << false << 1500 << 700 << 1500;
    }
    void avantProgrammation()
    {
        QFETCH(int, ecartDebut);
        QFETCH(int, pointsEnregistreur);
        QFETCH(int, pointsTelecharges);
        const QDateTime maintenant(QDate(2026, 3, 29), QTime(1, 59, 59, 500));
        QTEST(ReglesProgrammation::DebutPasse(maintenant.addSecs(ecartDebut), maintenant), "passe");
        QTEST(ReglesProgrammation::MesuresNonTelechargees(pointsEnregistreur, pointsTelecharges),
              "perdus");
    }
};

VORSEN_DATA_TEST_MAIN(tst_Session)

#include "tst_Session.moc"
