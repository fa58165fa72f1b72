#include "Environnement.h"
#include "clsCadence.h"
#include "clsConfigSim.h"
#include "clsEnregistreur.h"
#include "clsGenerateur.h"
#include "clsTempsLogger.h"

#include <QtTest>

class tst_LoggerSim : public QObject
{
    Q_OBJECT

private slots:
    void cadence_data();
    void cadence();
    void cadenceSansCredit();
    void generateur_data();
    void generateur();
    void tempsLogger_data();
    void tempsLogger();
    void commandes_data();
    void commandes();
    void lignesDonnees_data();
    void lignesDonnees();
    void options_data();
    void options();
    void aideComplete();
};

// A writer that hands bytes over as soon as they are allowed: at 38400 baud
// the whole transfer must take the wire time, and never run ahead of it by
// more than the FIFO.
void tst_LoggerSim::cadence_data()
{
    QTest::addColumn<qint64>("octets");
    QTest::addColumn<int>("fifo");
    QTest::addColumn<int>("parReveil");
    QTest::addColumn<qint64>("filNs"); // 10 bits a byte at 38400 baud
    QTest::newRow("one reply") << qint64(10) << 64 << 32 << 2604166ll;
    QTest::newRow("FIFO exactly") << qint64(64) << 64 << 32 << 16666666ll;
    QTest::newRow("download 32000 readings") << qint64(160025) << 64 << 32 << 41673177083ll;
    QTest::newRow("small FIFO, byte by byte") << qint64(5000) << 16 << 1 << 1302083333ll;
}

void tst_LoggerSim::cadence()
{
    QFETCH(qint64, octets);
    QFETCH(int, fifo);
    QFETCH(int, parReveil);
    QFETCH(qint64, filNs);
    clsCadence c(38400, 10, fifo);
    const qint64 octetNs = 260416; // one byte's 10 bits at 38400 baud
    QCOMPARE(c.DureeNs(160000), 41666666666ll);

    qint64 t = 5000000; // any origin
    const qint64 debut = t;
    qint64 envoyes = 0;
    while (envoyes < octets) {
        const qint64 n = qMin(c.Disponibles(t), octets - envoyes);
        if (n > 0) {
            c.Envoyes(n, t);
            envoyes += n;
            // Never more on the wire than the FIFO holds.
            QVERIFY(c.FinLigne() - t <= c.DureeNs(fifo));
        } else {
            const qint64 attente = c.AttenteNs(parReveil, t);
            QVERIFY(attente > 0);
            t += attente;
            QVERIFY(c.Disponibles(t) >= parReveil);
        }
    }
    const qint64 duree = c.FinLigne() - debut;
    QVERIFY(qAbs(duree - filNs) <= octetNs);
}

void tst_LoggerSim::cadenceSansCredit()
{
    clsCadence c;
    c.Envoyes(64, 0);
    QCOMPARE(c.Disponibles(0), qint64(0));
    // Ten idle seconds later, still just one FIFO's worth, which takes 16.67 ms
    // on the wire.
    QCOMPARE(c.Disponibles(10000000000ll), qint64(64));
    c.Envoyes(64, 10000000000ll);
    QCOMPARE(c.FinLigne(), 10016666666ll);
    QCOMPARE(c.AttenteNs(64, 10000000000ll), 16666666ll);
    QCOMPARE(c.Disponibles(10016666666ll), qint64(64));
}

void tst_LoggerSim::generateur_data()
{
    QTest::addColumn<quint32>("graine");
    QTest::addColumn<QDateTime>("debut");
    QTest::addColumn<int>("periode");
    QTest::newRow("default seed, winter, 1 min")
        << quint32(1) << QDateTime(QDate(2026, 1, 10), QTime(0, 0)) << 60;
    QTest::newRow("spring forward, 10 s")
        << quint32(7) << QDateTime(QDate(2026, 3, 28), QTime(12, 0)) << 10;
    QTest::newRow("fall back, 5 min")
        << quint32(123456) << QDateTime(QDate(2026, 10, 24), QTime(6, 30)) << 300;
    QTest::newRow("large seed, 2010")
        << quint32(0xFFFFFFFF) << QDateTime(QDate(2010, 1, 1), QTime(0, 0)) << 60;
}

void tst_LoggerSim::generateur()
{
    QFETCH(quint32, graine);
    QFETCH(QDateTime, debut);
    QFETCH(int, periode);
    const clsGenerateur g(graine);
    const clsGenerateur autre(graine + 1);
    qint64 sommeJour[2] = {0, 0}, sommeNuit[2] = {0, 0}, nJour = 0, nNuit = 0;
    int differents = 0;
    quint16 avantT = 0, avantH = 0;
    const qint64 t0 = debut.toSecsSinceEpoch();
    for (qint64 t = t0; t < t0 + 3 * 86400; t += periode) {
        const quint16 temp = g.Temperature(t);
        const quint16 humi = g.Humidite(t);
        QVERIFY2(temp >= 150 && temp <= 280, qPrintable(QString::number(temp)));
        QVERIFY2(humi >= 350 && humi <= 700, qPrintable(QString::number(humi)));
        QCOMPARE(g.Temperature(t), temp); // same seed, same stamp, same reading
        if (autre.Temperature(t) != temp)
            ++differents;
        if (t != t0) {
            // Air in a room: a few tenths from one reading to the next.
            QVERIFY(qAbs(temp - avantT) <= 8 + periode / 60);
            QVERIFY(qAbs(humi - avantH) <= 16 + periode / 30);
        }
        avantT = temp;
        avantH = humi;
        const int heure = QDateTime::fromSecsSinceEpoch(t).time().hour();
        if (heure >= 13 && heure < 17) {
            sommeJour[0] += temp;
            sommeJour[1] += humi;
            ++nJour;
        } else if (heure >= 1 && heure < 5) {
            sommeNuit[0] += temp;
            sommeNuit[1] += humi;
            ++nNuit;
        }
    }
    QVERIFY(differents > 0);
    // Warmer and drier in the afternoon than at night, by several degrees.
    QVERIFY(sommeJour[0] / nJour > sommeNuit[0] / nNuit + 50);
    QVERIFY(sommeJour[1] / nJour < sommeNuit[1] / nNuit - 100);
}

void tst_LoggerSim::tempsLogger_data()
{
    QTest::addColumn<QDateTime>("instant");
    QTest::addColumn<qint64>("secondes");
    QTest::addColumn<QByteArray>("moities");
    QTest::newRow("origin") << QDateTime(QDate(2010, 1, 1), QTime(0, 0)) << qint64(0)
                            << QByteArray("0 0");
    QTest::newRow("one minute") << QDateTime(QDate(2010, 1, 1), QTime(0, 1)) << qint64(60)
                                << QByteArray("0 3C");
    QTest::newRow("ten minutes") << QDateTime(QDate(2010, 1, 1), QTime(0, 10)) << qint64(600)
                                 << QByteArray("0 258");
    QTest::newRow("high half") << QDateTime(QDate(2010, 1, 1), QTime(18, 12, 16)) << qint64(65536)
                               << QByteArray("1 0");
}

void tst_LoggerSim::tempsLogger()
{
    QFETCH(QDateTime, instant);
    QFETCH(qint64, secondes);
    QFETCH(QByteArray, moities);
    QCOMPARE(clsTempsLogger::DepuisEpoch(instant.toSecsSinceEpoch()), secondes);
    QCOMPARE(clsTempsLogger::VersEpoch(secondes), instant.toSecsSinceEpoch());
    QCOMPARE(clsTempsLogger::MoitiesHexa(quint32(secondes)), moities);
    QCOMPARE(clsTempsLogger::MoitiesHexa(0xFFFFFFFFu), QByteArray("FFFF FFFF"));
}

// A sequence of commands from a logger holding 3000 readings, 60 s, "M", start
// at logger second 60, both sensors; the PC's logger clock reads 1000.
void tst_LoggerSim::commandes_data()
{
    QTest::addColumn<QByteArrayList>("lignes");
    QTest::addColumn<QByteArray>("reponse"); // to the last line
    QTest::addColumn<int>("suite");
    QTest::addColumn<QByteArray>("parametres"); // "M" reply afterwards
    QTest::addColumn<int>("lignesDonnees");

    const QByteArray initial = "m 3000 60 M 0 3C 3";
    using E = clsEnregistreur;
    QTest::newRow("I") << QByteArrayList{"I"} << QByteArray("i DEMO 71240 V1.0") << int(E::AUCUNE)
                       << initial << 1500;
    QTest::newRow("M") << QByteArrayList{"M"} << initial << int(E::AUCUNE) << initial << 1500;
    QTest::newRow("D: header then readings")
        << QByteArrayList{"D"} << initial << int(E::TELECHARGEMENT) << initial << 1500;
    QTest::newRow("Q") << QByteArrayList{"Q"} << QByteArray(">") << int(E::ARRET) << initial
                       << 1500;
    QTest::newRow("J takes the identifier")
        << QByteArrayList{"J AB_12 0", "I"} << QByteArray("i AB_12 71240 V1.0") << int(E::AUCUNE)
        << initial << 1500;
    QTest::newRow("C sets the clock, replies with two blanks")
        << QByteArrayList{"C 600"} << QByteArray("c 600 0") << int(E::AUCUNE) << initial << 1500;
    QTest::newRow("A") << QByteArrayList{"A 2 0 -400 0 0"} << QByteArray(">") << int(E::AUCUNE)
                       << initial << 1500;
    QTest::newRow("S immediate, 32 thousands, both sensors")
        << QByteArrayList{"S 60 M 1 32 3"} << QByteArray("m 32000 60 M 0 3E8 3") << int(E::ARRET)
        << QByteArray("m 32000 60 M 0 3E8 3") << 16000;
    QTest::newRow("S after C starts at the logger's clock")
        << QByteArrayList{"C 600", "S 10 I 5 2 1"} << QByteArray("m 2000 10 I 0 258 1")
        << int(E::ARRET) << QByteArray("m 2000 10 I 0 258 1") << 2000;
    QTest::newRow("S real time") << QByteArrayList{"S 1 M 2 1 2"}
                                 << QByteArray("m 1000 1 M 0 3E8 2") << int(E::TEMPS_REEL)
                                 << QByteArray("m 1000 1 M 0 3E8 2") << 1000;
    QTest::newRow("S programmed start")
        << QByteArrayList{"S 60 M 400000000 7 3"} << QByteArray("m 7000 60 M 17D7 8400 3")
        << int(E::ARRET) << QByteArray("m 7000 60 M 17D7 8400 3") << 3500;
    QTest::newRow("S with five fields is ignored")
        << QByteArrayList{"S 60 M 1 32"} << QByteArray() << int(E::AUCUNE) << initial << 1500;
    QTest::newRow("S with period 0 is ignored")
        << QByteArrayList{"S 0 M 1 32 3"} << QByteArray() << int(E::AUCUNE) << initial << 1500;
    QTest::newRow("S with sensors 4 is ignored")
        << QByteArrayList{"S 60 M 1 32 4"} << QByteArray() << int(E::AUCUNE) << initial << 1500;
    QTest::newRow("C without a number is ignored")
        << QByteArrayList{"C abc"} << QByteArray() << int(E::AUCUNE) << initial << 1500;
    QTest::newRow("A with too few fields is ignored")
        << QByteArrayList{"A 1 2"} << QByteArray() << int(E::AUCUNE) << initial << 1500;
    QTest::newRow("unknown and lower-case commands are ignored")
        << QByteArrayList{"X", "i"} << QByteArray() << int(E::AUCUNE) << initial << 1500;
}

void tst_LoggerSim::commandes()
{
    QFETCH(QByteArrayList, lignes);
    QFETCH(QByteArray, reponse);
    QFETCH(int, suite);
    QFETCH(QByteArray, parametres);
    QFETCH(int, lignesDonnees);
    clsEnregistreur e;
    e.SetParametres(3000, 60, QStringLiteral("M"), 60, 3);
    clsEnregistreur::Resultat r;
    for (const QByteArray& ligne : lignes)
        r = e.Traiter(ligne, 1000);
    QCOMPARE(r.Reponse, reponse);
    QCOMPARE(int(r.Suite), suite);
    QCOMPARE(e.LigneParametres(), parametres);
    QCOMPARE(e.NbreLignesDonnees(), lignesDonnees);
}

void tst_LoggerSim::lignesDonnees_data()
{
    QTest::addColumn<int>("capteurs");
    QTest::addColumn<int>("champs");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::newRow("both: temperature then humidity") << 3 << 3 << 150 << 700;
    QTest::newRow("temperature only") << 1 << 2 << 150 << 280;
    QTest::newRow("humidity only") << 2 << 2 << 350 << 700;
}

void tst_LoggerSim::lignesDonnees()
{
    QFETCH(int, capteurs);
    QFETCH(int, champs);
    QFETCH(int, min);
    QFETCH(int, max);
    clsEnregistreur e;
    e.SetParametres(1000, 60, QStringLiteral("M"), 500000000, quint8(capteurs));
    for (int i = 0; i < 500; ++i) {
        const QByteArray ligne = e.LigneDonnees(i);
        QVERIFY(!ligne.contains('\r'));
        const QByteArrayList morceaux = ligne.split(' ');
        QCOMPARE(morceaux.size(), champs);
        QCOMPARE(morceaux[0], QByteArray("d"));
        for (int k = 1; k < champs; ++k) {
            bool ok = false;
            const int v = morceaux[k].toInt(&ok);
            QVERIFY(ok && v >= min && v <= max);
        }
        if (capteurs == 3) {
            QVERIFY(morceaux[1].toInt() <= 280);
            QVERIFY(morceaux[2].toInt() >= 350);
        }
    }
}

void tst_LoggerSim::options_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("lecture");
    QTest::addColumn<QString>("resume"); // fields read, for OK

    const int OK = clsConfigSim::OK, ERR = clsConfigSim::ERREUR;
    QTest::newRow("defaults") << QStringList{"--link", "/tmp/x"} << OK
                              << "DEMO 71240 V1.0 3000 3 60 M unpaced 1 - - -";
    QTest::newRow("everything") << QStringList{"--link",    "/tmp/x",
                                               "--id",      "AB_1",
                                               "--model",   "71246",
                                               "--points",  "32000",
                                               "--sensors", "1",
                                               "--period",  "10",
                                               "--paced",   "--time-scale",
                                               "0.01",      "--no-reply",
                                               "i",         "--no-reply",
                                               "S",         "--delay-reply",
                                               "D:1500",    "--fail-first",
                                               "s:2",       "--unplug-after",
                                               "40",        "--seed",
                                               "9"}
                                << OK << "AB_1 71246 V1.0 32000 1 10 M paced 0.01 IS D1500 S2 40";
    QTest::newRow("no link") << QStringList{"--id", "X"} << ERR << "";
    QTest::newRow("sensors 4") << QStringList{"--link", "x", "--sensors", "4"} << ERR << "";
    QTest::newRow("unknown model") << QStringList{"--link", "x", "--model", "7"} << ERR << "";
    QTest::newRow("points above 16 bits")
        << QStringList{"--link", "x", "--points", "70000"} << ERR << "";
    QTest::newRow("period 0") << QStringList{"--link", "x", "--period", "0"} << ERR << "";
    QTest::newRow("time scale 0") << QStringList{"--link", "x", "--time-scale", "0"} << ERR << "";
    QTest::newRow("start before the logger's clock")
        << QStringList{"--link", "x", "--start", "2009-12-31T23:00:00"} << ERR << "";
    QTest::newRow("start not a date") << QStringList{"--link", "x", "--start", "hier"} << ERR << "";
    QTest::newRow("delay without ms")
        << QStringList{"--link", "x", "--delay-reply", "D"} << ERR << "";
    QTest::newRow("delay of two letters")
        << QStringList{"--link", "x", "--delay-reply", "DX:5"} << ERR << "";
    QTest::newRow("fail-first negative")
        << QStringList{"--link", "x", "--fail-first", "S:-1"} << ERR << "";
    QTest::newRow("no-reply of a word")
        << QStringList{"--link", "x", "--no-reply", "IM"} << ERR << "";
    QTest::newRow("identifier with a blank")
        << QStringList{"--link", "x", "--id", "A B"} << ERR << "";
    QTest::newRow("unplug after 0")
        << QStringList{"--link", "x", "--unplug-after", "0"} << ERR << "";
    QTest::newRow("silent after 34") << QStringList{"--link", "/tmp/x", "--silent-after", "34"}
                                     << OK << "DEMO 71240 V1.0 3000 3 60 M unpaced 1 - - - muet 34";
    QTest::newRow("silent after 0")
        << QStringList{"--link", "x", "--silent-after", "0"} << ERR << "";
    QTest::newRow("unknown option") << QStringList{"--link", "x", "--turbo"} << ERR << "";
    QTest::newRow("help") << QStringList{"--help"} << int(clsConfigSim::AIDE) << "";
}

void tst_LoggerSim::options()
{
    QFETCH(QStringList, args);
    QFETCH(int, lecture);
    QFETCH(QString, resume);
    clsConfigSim c;
    QString message;
    QCOMPARE(int(clsConfigSim::Lire(QStringList{"logger-sim"} + args, &c, &message)), lecture);
    if (lecture != clsConfigSim::OK) {
        QVERIFY(!message.isEmpty());
        return;
    }
    QString sansReponse;
    for (char x : {'D', 'I', 'M', 'S'})
        if (c.SansReponse.contains(x))
            sansReponse += QLatin1Char(x);
    QString retards, echecs;
    for (auto it = c.Retards.cbegin(); it != c.Retards.cend(); ++it)
        retards += QLatin1Char(it.key()) + QString::number(it.value());
    for (auto it = c.Echecs.cbegin(); it != c.Echecs.cend(); ++it)
        echecs += QLatin1Char(it.key()) + QString::number(it.value());
    const auto ouTiret = [](const QString& s) { return s.isEmpty() ? QStringLiteral("-") : s; };
    const QString lu = QStringList{c.ID,
                                   c.Modele,
                                   c.Info,
                                   QString::number(c.NbrePoints),
                                   QString::number(c.Capteurs),
                                   QString::number(c.Frequence),
                                   c.Unite,
                                   c.Cadence ? "paced" : "unpaced",
                                   QString::number(c.Echelle),
                                   ouTiret(sansReponse),
                                   ouTiret(retards),
                                   ouTiret(echecs)}
                           .join(QLatin1Char(' ')) +
                       (c.DebrancherApres ? QStringLiteral(" %1").arg(c.DebrancherApres) : "") +
                       (c.SilenceApres ? QStringLiteral(" muet %1").arg(c.SilenceApres) : "");
    QCOMPARE(lu, resume);
    QCOMPARE(c.Lien, QStringLiteral("/tmp/x"));
}

// Other helpers' tests start the simulator with these options: each must stay.
void tst_LoggerSim::aideComplete()
{
    clsConfigSim c;
    QString aide;
    QCOMPARE(clsConfigSim::Lire({"logger-sim", "--help"}, &c, &aide), clsConfigSim::AIDE);
    for (const char* option :
         {"--link",       "--id",          "--model",         "--points",       "--sensors",
          "--period",     "--start",       "--paced",         "--time-scale",   "--log",
          "--no-reply",   "--delay-reply", "--split-replies", "--garbage",      "--no-cr",
          "--question-s", "--fail-first",  "--unplug-after",  "--silent-after", "--seed"})
        QVERIFY2(aide.contains(QLatin1String(option)), option);
}

VORSEN_DATA_TEST_MAIN(tst_LoggerSim)
#include "tst_LoggerSim.moc"
