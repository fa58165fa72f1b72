// The link against the logger simulator (tools/logger-sim) through the real
// serial port: every command, the download, the live stream, the faults the
// simulator can inject, and the loss of the logger.
#include <QtTest>

#include <memory>

#include "CPortSerie.h"
#include "Environnement.h"
#include "Simulateur.h"

namespace
{

quint32 Instant(const QString& iso)
{
    return quint32(QDateTime::fromString(iso, Qt::ISODate).toSecsSinceEpoch());
}

// Download read with a bare QSerialPort and a plain split: what the logger put on
// the wire, to compare with what CPortSerie delivers.
QList<QByteArray> TelechargementBrut(const QString& lien, int lignesDonnees)
{
    QSerialPort port(lien);
    if (!port.open(QIODevice::ReadWrite))
        return {};
    port.setBaudRate(38400);
    port.write("D\r\n");
    QByteArray recu;
    QDeadlineTimer limite(30000);
    while (recu.count('\r') < lignesDonnees + 1 && !limite.hasExpired()) {
        if (port.waitForReadyRead(100))
            recu += port.readAll();
    }
    QList<QByteArray> lignes = recu.split('\r');
    lignes.removeAll(QByteArray());
    return lignes;
}

struct Releve {
    QStringList ordre;
    QList<DAC::TS_PARAMETRES> entetes;
    QList<QPair<word, word>> deux;
    QList<word> une;

    void Brancher(CPortSerie* port, QObject* contexte)
    {
        QObject::connect(port, &CPortSerie::DAC_DownLoad, contexte, [this](DAC::TS_PARAMETRES p) {
            ordre << QStringLiteral("entete");
            entetes << p;
        });
        QObject::connect(port, QOverload<word, word>::of(&CPortSerie::DAC_Datas), contexte,
                         [this](word t, word h) {
                             ordre << QStringLiteral("donnees");
                             deux << qMakePair(t, h);
                         });
        QObject::connect(port, QOverload<word>::of(&CPortSerie::DAC_Datas), contexte,
                         [this](word v) {
                             ordre << QStringLiteral("donnees");
                             une << v;
                         });
    }
    int Donnees() const { return deux.size() + une.size(); }
};

} // namespace

class tst_Enregistreur : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Simulateur> m_sim;
    std::unique_ptr<CPortSerie> m_port;

    // Starts a simulator with these options and opens a port on it.
    bool Brancher(const QStringList& options)
    {
        m_port.reset();
        m_sim.reset(new Simulateur);
        if (!m_sim->Demarrer(options)) {
            qWarning("%s", qPrintable(m_sim->Erreur()));
            return false;
        }
        m_port.reset(new CPortSerie(m_sim->Lien()));
        return m_port->Ouvrir();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(Simulateur::Disponible(), qPrintable(Simulateur::Programme()));
        qRegisterMetaType<DAC::TS_PARAMETRES>("DAC::TS_PARAMETRES");
        qRegisterMetaType<QSerialPort::SerialPortError>();
    }

    void cleanup()
    {
        m_port.reset();
        if (m_sim)
            QVERIFY(m_sim->Arreter()); // exits cleanly on SIGTERM
        if (m_sim)
            QVERIFY(!QFileInfo::exists(m_sim->Lien())); // and removes its link
        m_sim.reset();
        CPortSerie::ViderPortsManuels();
    }

    void identifiants_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("modele");
        QTest::newRow("71240") << "DEMO"
                               << "71240";
        QTest::newRow("71240VX") << "CAVE_1"
                                 << "71240VX";
        QTest::newRow("71246") << "FRIGO_9"
                               << "71246";
    }

    void identifiants()
    {
        QFETCH(QString, id);
        QFETCH(QString, modele);
        QVERIFY(Brancher({"--id", id, "--model", modele}));
        DAC::TS_IDENTIFIANTS ids;
        QVERIFY(m_port->LireIdentifiants(&ids));
        QCOMPARE(ids.ID, id);
        QCOMPARE(ids.Modele, modele);
        QVERIFY(!ids.Info.isEmpty());
        QCOMPARE(m_sim->LignesRecues(), QStringList{QStringLiteral("I")});
    }

    void parametres_data()
    {
        QTest::addColumn<QString>("debut");
        QTest::addColumn<int>("capteurs");
        QTest::newRow("hiver, deux capteurs") << "2026-12-07T08:00:00" << 3;
        QTest::newRow("ete, temperature") << "2026-07-01T08:00:00" << 1;
        QTest::newRow("humidite") << "2011-03-27T12:34:56" << 2;
    }

    void parametres()
    {
        QFETCH(QString, debut);
        QFETCH(int, capteurs);
        QVERIFY(Brancher({"--points", "3000", "--sensors", QString::number(capteurs), "--period",
                          "30", "--start", debut}));
        DAC::TS_PARAMETRES p;
        QVERIFY(m_port->LireParametres(&p));
        QCOMPARE(p.NbrePoints, quint16(3000));
        QCOMPARE(p.Frequence, quint16(30));
        QCOMPARE(p.Unite, QStringLiteral("M"));
        QCOMPARE(p.DateDebut, Instant(debut));
        QCOMPARE(int(p.Capteurs), capteurs);
    }

    // A reply with the wrong tag fails and leaves the record as it was.
    void etiquetteFausse()
    {
        QVERIFY(Brancher({"--id", "CAVE", "--fail-first", "I:1", "--fail-first", "M:1"}));
        DAC::TS_IDENTIFIANTS ids;
        ids.ID = QStringLiteral("AVANT");
        QVERIFY(!m_port->LireIdentifiants(&ids));
        QCOMPARE(ids.ID, QStringLiteral("AVANT"));
        QVERIFY(m_port->LireIdentifiants(&ids));
        QCOMPARE(ids.ID, QStringLiteral("CAVE"));

        DAC::TS_PARAMETRES p;
        p.Frequence = 7;
        QVERIFY(!m_port->LireParametres(&p));
        QCOMPARE(p.Frequence, quint16(7));
        QVERIFY(m_port->LireParametres(&p));
        QCOMPARE(p.Frequence, quint16(60));
    }

    void silence_data()
    {
        QTest::addColumn<QString>("lettre");
        QTest::addColumn<int>("delai");
        QTest::newRow("I") << "I" << 1000;
        QTest::newRow("M") << "M" << 1000;
        QTest::newRow("Q") << "Q" << 1000;
        QTest::newRow("J") << "J" << 2000;
        QTest::newRow("S") << "S" << 2000;
        QTest::newRow("A") << "A" << 2000;
        QTest::newRow("C") << "C" << 2000;
    }

    void silence()
    {
        QFETCH(QString, lettre);
        QFETCH(int, delai);
        QVERIFY(Brancher({"--no-reply", lettre}));
        DAC::TS_IDENTIFIANTS ids;
        ids.ID = QStringLiteral("AVANT");
        DAC::TS_PARAMETRES p;
        p.Frequence = 7;
        DAC::TS_PARAMETRES nouveaux;
        nouveaux.NbrePoints = 2000;
        nouveaux.Frequence = 10;
        nouveaux.Unite = QStringLiteral("M");
        nouveaux.DateDebut = 1;
        nouveaux.Capteurs = 3;
        QElapsedTimer chrono;
        chrono.start();
        bool ok = true;
        switch (lettre.at(0).toLatin1()) {
        case 'I':
            ok = m_port->LireIdentifiants(&ids);
            break;
        case 'M':
            ok = m_port->LireParametres(&p);
            break;
        case 'Q':
            ok = m_port->QuitOnLine();
            break;
        case 'J':
            ok = m_port->SetIdentifiants(QStringLiteral("X"), true);
            break;
        case 'S':
            ok = m_port->SetParametres(nouveaux);
            break;
        case 'A':
            ok = m_port->SetAlarmes(DAC::TS_ALARMES());
            break;
        case 'C':
            ok = m_port->SetClock(600);
            break;
        }
        QVERIFY(!ok);
        QVERIFY(chrono.elapsed() >= delai);
        QCOMPARE(ids.ID, QStringLiteral("AVANT"));
        QCOMPARE(p.Frequence, quint16(7));
        QCOMPARE(m_sim->LignesRecues().size(), 1);
        QVERIFY(m_sim->LignesRecues().first().startsWith(lettre));
    }

    // The exact programming lines reach the logger, and it takes them.
    void programmation()
    {
        QVERIFY(Brancher({}));

        DAC::TS_PARAMETRES p;
        p.NbrePoints = 32000;
        p.Frequence = 60;
        p.Unite = QStringLiteral("M");
        p.DateDebut = 1;
        p.Capteurs = 3;
        QVERIFY(m_port->SetParametres(p));
        p.NbrePoints = 32999;
        QVERIFY(m_port->SetParametres(p));

        DAC::TS_ALARMES a;
        a.Actives = 2;
        a.TempMin = -400;
        QVERIFY(m_port->SetAlarmes(a));

        const QDateTime dixMinutes(QDate(2010, 1, 1), QTime(0, 10), Qt::LocalTime);
        QVERIFY(m_port->SetClock(uint(SecondesDepuis2010(dixMinutes))));
        QVERIFY(m_port->SetIdentifiants(QStringLiteral("CAVE_2"), false));
        QVERIFY(m_port->SetIdentifiants(QStringLiteral("CAVE_2"), true));

        const QStringList attendues{"S 60 M 1 32 3", "S 60 M 1 32 3", "A 2 0 -400 0 0",
                                    "C 600",         "J CAVE_2 0",    "J CAVE_2 1"};
        QCOMPARE(m_sim->LignesRecues(), attendues);

        // Read back what the logger took.
        DAC::TS_IDENTIFIANTS ids;
        QVERIFY(m_port->LireIdentifiants(&ids));
        QCOMPARE(ids.ID, QStringLiteral("CAVE_2"));
        DAC::TS_PARAMETRES lu;
        QVERIFY(m_port->LireParametres(&lu));
        QCOMPARE(lu.Frequence, quint16(60));
        QCOMPARE(lu.Capteurs, quint8(3));
        QCOMPARE(lu.Unite, QStringLiteral("M"));
    }

    void programmationDebutProgramme()
    {
        QVERIFY(Brancher({}));
        const QDateTime debut = QDateTime::currentDateTime().addSecs(3600);
        DAC::TS_PARAMETRES p;
        p.NbrePoints = 1000;
        p.Frequence = 10;
        p.Unite = QStringLiteral("M");
        p.DateDebut = quint32(SecondesDepuis2010(debut));
        p.Capteurs = 1;
        QVERIFY(m_port->SetClock(uint(SecondesDepuis2010(QDateTime::currentDateTime()))));
        QVERIFY(m_port->SetParametres(p));
        DAC::TS_PARAMETRES lu;
        QVERIFY(m_port->LireParametres(&lu));
        // The programmed start comes back as the same instant.
        QCOMPARE(lu.DateDebut, quint32(debut.toSecsSinceEpoch()));
    }

    void reponseQuestionS()
    {
        QVERIFY(Brancher({"--question-s"}));
        DAC::TS_PARAMETRES p;
        p.NbrePoints = 2000;
        p.Frequence = 60;
        p.Unite = QStringLiteral("M");
        p.DateDebut = 3;
        p.Capteurs = 3;
        QVERIFY(m_port->SetParametres(p));
    }

    // Faults on the wire: junk line before each reply (read as an empty line and
    // skipped once), replies split over two writes, replies without CR, late replies.
    void defauts_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("identifiants");
        QTest::addColumn<bool>("identifiantDisplay");
        QTest::newRow("parasites") << QStringList{"--garbage"} << true << true;
        QTest::newRow("scindees") << QStringList{"--split-replies"} << true << true;
        QTest::newRow("sans CR") << QStringList{"--no-cr"} << false << false;
        QTest::newRow("I en retard") << QStringList{"--delay-reply", "I:1500"} << false << true;
        QTest::newRow("J en retard") << QStringList{"--delay-reply", "J:1500"} << true << true;
        QTest::newRow("J trop en retard")
            << QStringList{"--delay-reply", "J:2500"} << true << false;
    }

    void defauts()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, identifiants);
        QFETCH(bool, identifiantDisplay);
        QVERIFY(Brancher(options));
        DAC::TS_IDENTIFIANTS ids;
        QCOMPARE(m_port->LireIdentifiants(&ids), identifiants);
        QCOMPARE(m_port->SetIdentifiants(QStringLiteral("NOUVEAU"), true), identifiantDisplay);
        // A late reply to an earlier command is not taken for the next one's.
        DAC::TS_PARAMETRES p;
        const bool sansCr = options.contains(QStringLiteral("--no-cr"));
        QCOMPARE(m_port->LireParametres(&p), !sansCr);
    }

    void telechargement_data()
    {
        QTest::addColumn<int>("capteurs");
        QTest::addColumn<int>("points");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("deux capteurs") << 3 << 200 << QStringList();
        QTest::newRow("deux capteurs impair") << 3 << 7 << QStringList();
        QTest::newRow("temperature") << 1 << 150 << QStringList();
        QTest::newRow("humidite") << 2 << 40 << QStringList();
        QTest::newRow("en-tete scinde") << 3 << 100 << QStringList{"--split-replies"};
        QTest::newRow("cadence") << 3 << 400 << QStringList{"--paced"};
    }

    void telechargement()
    {
        QFETCH(int, capteurs);
        QFETCH(int, points);
        QFETCH(QStringList, options);
        const QStringList reglages = QStringList{"--points",  QString::number(points),
                                                 "--sensors", QString::number(capteurs),
                                                 "--seed",    "7",
                                                 "--start",   "2026-12-01T00:00:00"} +
                                     options;
        const int lignes = capteurs == 3 ? points / 2 : points;

        // What the logger puts on the wire, read without the link.
        {
            Simulateur temoin;
            QVERIFY2(temoin.Demarrer(reglages), qPrintable(temoin.Erreur()));
            const QList<QByteArray> brut = TelechargementBrut(temoin.Lien(), lignes);
            QCOMPARE(brut.size(), lignes + 1);
            QList<QByteArray> attendues = brut.mid(1);
            QVERIFY(Brancher(reglages));

            Releve releve;
            releve.Brancher(m_port.get(), this);
            DAC::TS_PARAMETRES lus;
            QVERIFY(m_port->LireParametres(&lus));
            QVERIFY(m_port->DownLoad());
            QTRY_COMPARE_WITH_TIMEOUT(releve.Donnees(), lignes, 20000);
            QCOMPARE(releve.entetes.size(), 1);
            QCOMPARE(releve.ordre.first(), QStringLiteral("entete"));
            const DAC::TS_PARAMETRES& e = releve.entetes.first();
            QCOMPARE(e.NbrePoints, quint16(points));
            QCOMPARE(int(e.Capteurs), capteurs);
            QCOMPARE(e.Frequence, lus.Frequence);
            QCOMPARE(e.DateDebut, lus.DateDebut);
            QCOMPARE(PointsParCapteur(e), lignes);

            for (int i = 0; i < lignes; ++i) {
                const QList<QByteArray> champs = attendues.at(i).split(' ');
                if (capteurs == 3) {
                    QCOMPARE(champs.size(), 3);
                    QCOMPARE(int(releve.deux.at(i).first), champs.at(1).toInt());
                    QCOMPARE(int(releve.deux.at(i).second), champs.at(2).toInt());
                } else {
                    QCOMPARE(champs.size(), 2);
                    QCOMPARE(int(releve.une.at(i)), champs.at(1).toInt());
                }
            }
            QVERIFY(m_port->ReponsesEnAttente().isEmpty());
            QCOMPARE(m_sim->LignesRecues(), (QStringList{"M", "D"}));
        }
    }

    // A download request that never gets its header: the next command's "m" reply
    // is its reply, not a header.
    void enteteJamaisVenu()
    {
        QVERIFY(Brancher({"--no-reply", "D", "--points", "100"}));
        Releve releve;
        releve.Brancher(m_port.get(), this);
        QVERIFY(m_port->DownLoad());
        DAC::TS_PARAMETRES p;
        QVERIFY(m_port->LireParametres(&p));
        QCOMPARE(p.NbrePoints, quint16(100));
        QVERIFY(releve.entetes.isEmpty());
        QVERIFY(!m_port->EnAttenteEntete());
    }

    // Real-time mode: one reading per scaled period until QuitOnLine; a command
    // sent meanwhile gets its reply and the readings keep reaching the receiver.
    void tempsReel()
    {
        QVERIFY(Brancher({"--id", "LIVE", "--time-scale", "0.05"}));
        Releve releve;
        releve.Brancher(m_port.get(), this);
        DAC::TS_PARAMETRES p;
        p.NbrePoints = 1000;
        p.Frequence = 1; // 1 s x 0.05: a line every 50 ms
        p.Unite = QStringLiteral("M");
        p.DateDebut = 2;
        p.Capteurs = 3;
        QVERIFY(m_port->SetParametres(p));
        QElapsedTimer chrono;
        chrono.start();
        QTRY_VERIFY_WITH_TIMEOUT(releve.deux.size() >= 5, 5000);

        const int avant = releve.deux.size();
        DAC::TS_IDENTIFIANTS ids;
        QVERIFY(m_port->LireIdentifiants(&ids));
        QCOMPARE(ids.ID, QStringLiteral("LIVE"));
        QTRY_VERIFY_WITH_TIMEOUT(releve.deux.size() >= avant + 5, 5000);
        // Paced by the period, not flooding: at most one line per 25 ms.
        QVERIFY(releve.deux.size() <= chrono.elapsed() / 25 + 1);
        for (const auto& v : releve.deux)
            QVERIFY(v.first <= 1000 && v.second <= 1000);

        QVERIFY(m_port->QuitOnLine());
        const int fin = releve.deux.size();
        QTest::qWait(300); // six periods: nothing more comes
        QCOMPARE(releve.deux.size(), fin);
        QVERIFY(releve.entetes.isEmpty());
    }

    // The logger unplugged: the port closes on the first error, PortOccupe turns
    // false within a second, no error storm, the port leaves the list.
    void debranchement()
    {
        QVERIFY(Brancher({"--unplug-after", "1"}));
        CPortSerie::AjouterPortsManuels({m_sim->Lien()});
        QVERIFY(CPortSerie::ListePorts().contains(m_sim->Lien()));
        QSignalSpy erreurs(m_port.get(), &QSerialPort::errorOccurred);
        QVERIFY(m_port->PortOccupe());
        DAC::TS_IDENTIFIANTS ids;
        QVERIFY(m_port->LireIdentifiants(&ids)); // the last line before the loss arrives
        QCOMPARE(ids.ID, QStringLiteral("DEMO"));
        QTRY_VERIFY_WITH_TIMEOUT(!m_port->PortOccupe(), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(!m_port->isOpen(), 1000);
        QVERIFY(m_port->PortPerdu());
        QTest::qWait(300);
        QVERIFY2(erreurs.count() <= 3, qPrintable(QString::number(erreurs.count())));
        QVERIFY(!CPortSerie::ListePorts().contains(m_sim->Lien()));
        QTRY_VERIFY_WITH_TIMEOUT(!m_sim->EnMarche(), 3000);
        QCOMPARE(m_sim->Processus().exitCode(), 0);
    }

    // 32000 readings, both sensors: 16000 lines streamed straight to the receiver.
    void telechargementComplet()
    {
        QVERIFY(Brancher({"--points", "32000", "--sensors", "3"}));
        int recues = 0;
        connect(m_port.get(), QOverload<word, word>::of(&CPortSerie::DAC_Datas), this,
                [&recues](word, word) { ++recues; });
        QElapsedTimer chrono;
        chrono.start();
        QVERIFY(m_port->DownLoad());
        QTRY_COMPARE_WITH_TIMEOUT(recues, 16000, 120000);
        qInfo("16000 lines unpaced: %lld ms (wire time at 38400 baud: about 41700 ms)",
              chrono.elapsed());
    }
};

VORSEN_DATA_TEST_MAIN(tst_Enregistreur)
#include "tst_Enregistreur.moc"
