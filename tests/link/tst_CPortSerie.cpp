// The serial layer of CPortSerie over a real pseudo-terminal pair, through the
// real QSerialPort: line assembly, reply queue, waits, guards, loss of the device,
// the command slots and the unsolicited lines (readings, download header).
#include <QtTest>

#include <memory>

#include "AccesPort.h"
#include "CPortSerie.h"
#include "Environnement.h"
#include "PseudoTerminal.h"
#include "VeillePorts.h"

namespace
{

// 2010-01-01 00:00 in Paris (UTC+1), where the test runs: seconds since 1970 UTC.
constexpr quint32 Origine2010 = 1262300400u;

} // namespace

class tst_CPortSerie : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PseudoTerminal> m_pty;
    std::unique_ptr<CPortSerie> m_port;

private slots:
    void initTestCase()
    {
        qRegisterMetaType<DAC::TS_PARAMETRES>("DAC::TS_PARAMETRES");
        qRegisterMetaType<QSerialPort::SerialPortError>();
    }

    void init()
    {
        m_pty.reset(new PseudoTerminal);
        QVERIFY2(m_pty->estPret(), "no pseudo-terminal");
        m_port.reset(new CPortSerie(m_pty->chemin()));
        QVERIFY(m_port->Ouvrir());
    }

    void cleanup()
    {
        m_port.reset();
        m_pty.reset();
        CPortSerie::ViderPortsManuels();
    }

    void construction()
    {
        CPortSerie port(m_pty->chemin());
        QVERIFY(!port.isOpen());
        QCOMPARE(port.TailleTampon(), 0);
        QVERIFY(port.ReponsesEnAttente().isEmpty());
        QVERIFY(!port.EnAttenteEntete());
        QVERIFY(!port.PortPerdu());
    }

    void reglagesALouverture()
    {
        QVERIFY(m_port->isOpen());
        QCOMPARE(m_port->baudRate(QSerialPort::Input), 38400);
        QCOMPARE(m_port->baudRate(QSerialPort::Output), 38400);
        QCOMPARE(m_port->dataBits(), QSerialPort::Data8);
        QCOMPARE(m_port->parity(), QSerialPort::NoParity);
        QCOMPARE(m_port->stopBits(), QSerialPort::OneStop);
        QCOMPARE(m_port->flowControl(), QSerialPort::NoFlowControl);
        QVERIFY(m_port->PortOccupe());
        m_port->Fermer();
        QVERIFY(!m_port->isOpen());
        QVERIFY(!m_port->PortOccupe());
        QVERIFY(m_port->Ouvrir());
    }

    void ligneEnDeuxLectures()
    {
        m_pty->ecrire("i ABC 71");
        QTRY_COMPARE(m_port->TailleTampon(), 8); // first piece read, no CR yet
        QVERIFY(m_port->ReponsesEnAttente().isEmpty());
        m_pty->ecrire("240 X\r");
        QString reponse;
        QVERIFY(m_port->AttendreReponse(1000, &reponse, 1));
        QCOMPARE(reponse, QStringLiteral("i ABC 71240 X"));
        QCOMPARE(m_port->TailleTampon(), 0);
    }

    void deuxLignesUneEcriture()
    {
        m_pty->ecrire("i A B C\rm 1 2 M 0 0 3\r");
        QString reponse;
        QVERIFY(m_port->AttendreReponse(1000, &reponse, 1));
        QCOMPARE(reponse, QStringLiteral("i A B C"));
        QTRY_COMPARE(m_port->ReponsesEnAttente(), QStringList{QStringLiteral("m 1 2 M 0 0 3")});
        QVERIFY(m_port->AttendreReponse(1000, &reponse, 1));
        QCOMPARE(reponse, QStringLiteral("m 1 2 M 0 0 3"));
    }

    void crSeul()
    {
        m_pty->ecrire("\r");
        m_pty->ecrire("\r>\r");
        QString reponse;
        QVERIFY(m_port->AttendreReponse(1000, &reponse, 1));
        QCOMPARE(reponse, QStringLiteral(">"));
        QVERIFY(m_port->ReponsesEnAttente().isEmpty());
    }

    void ligneVideRemplacee()
    {
        // A line that starts with NUL is queued as an empty text; the wait skips it once.
        m_pty->ecrire(QByteArray("\0z\r>\r", 5));
        QTRY_COMPARE(m_port->ReponsesEnAttente().size(), 2);
        QString reponse;
        QVERIFY(m_port->AttendreReponse(1000, &reponse, 1));
        QCOMPARE(reponse, QStringLiteral(">"));
    }

    void donneesJamaisEnFile()
    {
        QSignalSpy une(m_port.get(), QOverload<word>::of(&CPortSerie::DAC_Datas));
        QSignalSpy deux(m_port.get(), QOverload<word, word>::of(&CPortSerie::DAC_Datas));
        m_pty->ecrire("d 235\rv 235 567\r");
        QString reponse = QStringLiteral("ancienne");
        QVERIFY(!m_port->AttendreReponse(500, &reponse, 1));
        QVERIFY(reponse.isEmpty());
        QCOMPARE(une.count(), 1);
        QCOMPARE(une.at(0).at(0).value<word>(), word(235));
        QCOMPARE(deux.count(), 1);
        QCOMPARE(deux.at(0).at(0).value<word>(), word(235));
        QCOMPARE(deux.at(0).at(1).value<word>(), word(567));
        QVERIFY(m_port->ReponsesEnAttente().isEmpty());
    }

    void envoyerEfface()
    {
        m_pty->ecrire("a\rhalf");
        QTRY_COMPARE(m_port->ReponsesEnAttente(), QStringList{QStringLiteral("a")});
        QCOMPARE(m_port->TailleTampon(), 4);
        m_port->Envoyer(QStringLiteral("I"));
        QVERIFY(m_port->ReponsesEnAttente().isEmpty());
        QCOMPARE(m_port->TailleTampon(), 0);
        QTRY_COMPARE(m_pty->recu(), QByteArray("I\r\n"));
        m_pty->ecrire(" rest\r");
        QString reponse;
        QVERIFY(m_port->AttendreReponse(1000, &reponse, 1));
        QCOMPARE(reponse, QStringLiteral(" rest")); // the half line did not survive
    }

    void delaiSansReponse()
    {
        int tops = 0;
        QTimer minuterie;
        connect(&minuterie, &QTimer::timeout, [&tops] { ++tops; });
        minuterie.start(10);
        QElapsedTimer chrono;
        chrono.start();
        QString reponse = QStringLiteral("ancienne");
        QVERIFY(!m_port->AttendreReponse(1000, &reponse, 1));
        const qint64 duree = chrono.elapsed();
        QVERIFY(reponse.isEmpty());
        QVERIFY2(duree >= 1000, qPrintable(QString::number(duree)));
        QVERIFY2(duree < 3000, qPrintable(QString::number(duree)));
        QVERIFY2(tops >= 20, qPrintable(QString::number(tops))); // events kept flowing
    }

    void reponseArriveePendantAttente()
    {
        QTimer::singleShot(300, this, [this] { m_pty->ecrire("c 600 0\r"); });
        QElapsedTimer chrono;
        chrono.start();
        QString reponse;
        QVERIFY(m_port->AttendreReponse(2000, &reponse, 1));
        QCOMPARE(reponse, QStringLiteral("c 600 0"));
        QVERIFY(chrono.elapsed() < 2000); // ended by the reply, not the time-out
    }

    void secondOuvrirEchoue()
    {
        m_pty->ecrire("i A");
        QTRY_COMPARE(m_port->TailleTampon(), 3);
        QVERIFY(!m_port->Ouvrir());
        QVERIFY(m_port->isOpen());
        QCOMPARE(m_port->TailleTampon(), 3);

        CPortSerie autre(m_pty->chemin());
        QVERIFY(!autre.Ouvrir()); // lock file of the port
        QVERIFY(!autre.isOpen());

        m_pty->ecrire(" B C\r");
        QString reponse;
        QVERIFY(m_port->AttendreReponse(1000, &reponse, 1));
        QCOMPARE(reponse, QStringLiteral("i A B C"));
    }

    // A device that babbles while nobody sends a command: bytes without CR, or
    // CR-terminated lines that are not data. Both the byte buffer and the reply
    // queue stay bounded, and the next command still gets its reply.
    void bavard_data()
    {
        QTest::addColumn<QByteArray>("bloc"); // written 64 times
        QTest::newRow("bytes without CR") << QByteArray(1000, 'x');
        QByteArray lignes;
        for (int i = 0; i < 100; ++i)
            lignes += "bruit " + QByteArray::number(i) + "\r";
        QTest::newRow("lines that are not data") << lignes;
    }
    void bavard()
    {
        QFETCH(QByteArray, bloc);
        int maximum = 0;
        int reponses = 0;
        for (int i = 0; i < 64; ++i) {
            m_pty->ecrire(bloc);
            QTest::qWait(5);
            maximum = qMax(maximum, m_port->TailleTampon());
            reponses = qMax(reponses, m_port->ReponsesEnAttente().size());
        }
        QTRY_COMPARE(m_port->bytesAvailable(), qint64(0));
        maximum = qMax(maximum, m_port->TailleTampon());
        QVERIFY2(maximum <= Trames::TailleMaxTampon, qPrintable(QString::number(maximum)));
        const QStringList enFile = m_port->ReponsesEnAttente();
        reponses = qMax(reponses, enFile.size());
        QVERIFY2(reponses <= CPortSerie::ReponsesMax, qPrintable(QString::number(reponses)));
        // The most recent lines are the ones kept.
        if (bloc.contains('\r'))
            QCOMPARE(enFile.last(), QStringLiteral("bruit 99"));
        else
            QVERIFY(enFile.isEmpty());

        // The link still works afterwards.
        m_port->Envoyer(QStringLiteral("Q"));
        m_pty->ecrire(">\r");
        QString reponse;
        QVERIFY(m_port->AttendreReponse(1000, &reponse, 1));
        QCOMPARE(reponse, QStringLiteral(">"));
    }

    void perteDuPeripherique()
    {
        QSignalSpy erreurs(m_port.get(), &QSerialPort::errorOccurred);
        QVERIFY(m_port->PortOccupe());
        const QString chemin = m_pty->chemin();
        m_pty->fermer();
        QTRY_VERIFY_WITH_TIMEOUT(!m_port->PortOccupe(), 1000);
        QElapsedTimer chrono;
        chrono.start();
        QTRY_VERIFY_WITH_TIMEOUT(!m_port->isOpen(), 1000); // closed on the first ReadError
        QVERIFY(m_port->PortPerdu());
        QVERIFY(!QFileInfo::exists(chemin));
        QTest::qWait(300);
        QVERIFY2(erreurs.count() >= 1 && erreurs.count() <= 3,
                 qPrintable(QString::number(erreurs.count())));
        QVERIFY(!m_port->PortOccupe());
    }

    void listePorts()
    {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        const QString lien = dossier.filePath(QStringLiteral("logger"));
        QVERIFY(QFile::link(m_pty->chemin(), lien));
        const QString absent = dossier.filePath(QStringLiteral("absent"));

        CPortSerie::AjouterPortsManuels({absent, lien});
        CPortSerie::AjouterPortsManuels({lien}); // named twice: listed once
        QStringList ports = CPortSerie::ListePorts();
        QCOMPARE(ports.count(lien), 1);
        QVERIFY(!ports.contains(absent));
        QCOMPARE(ports.last(), lien); // after the adapters found

        // Another name of the same device is not listed twice.
        CPortSerie::AjouterPortsManuels({m_pty->chemin()});
        QVERIFY(!CPortSerie::ListePorts().contains(m_pty->chemin()));

        // The name is what the constructor takes.
        m_port.reset();
        CPortSerie parLien(ports.last());
        QVERIFY(parLien.Ouvrir());
        QVERIFY(parLien.PortOccupe());
        m_pty->ecrire(">\r");
        QVERIFY(parLien.QuitOnLine());
        QCOMPARE(m_pty->lignes(), QStringList{QStringLiteral("Q")});

        // Gone while its path is gone.
        QVERIFY(QFile::remove(lien));
        QVERIFY(!parLien.PortOccupe());
        QVERIFY(!CPortSerie::ListePorts().contains(lien));
    }

    // The watch enumerates again only when the serial devices change: a device
    // that appears or goes, and the udev record written after it (the adapter's
    // manufacturer is read from there). Virtual consoles do not count.
    void empreinteSerie_data()
    {
        QTest::addColumn<QString>("changement");
        QTest::addColumn<bool>("vu");
        QTest::newRow("rien") << "" << false;
        QTest::newRow("console virtuelle") << "tty1" << false;
        QTest::newRow("sans peripherique") << "ttyprintk" << false;
        QTest::newRow("adaptateur branche") << "ttyUSB0" << true;
        QTest::newRow("fiche udev ecrite") << "fiche" << true;
        QTest::newRow("adaptateur debranche") << "-ttyS0" << true;
    }
    void empreinteSerie()
    {
        QFETCH(QString, changement);
        QFETCH(bool, vu);
        QTemporaryDir racine;
        QVERIFY(racine.isValid());
        const QString sys = racine.filePath(QStringLiteral("sys"));
        const QString udev = racine.filePath(QStringLiteral("udev"));
        const QString tty = sys + QStringLiteral("/class/tty/");
        auto peripherique = [&](const QString& nom, const QByteArray& dev, bool materiel) {
            QVERIFY(QDir().mkpath(tty + nom + (materiel ? "/device" : "")));
            QFile numero(tty + nom + QStringLiteral("/dev"));
            QVERIFY(numero.open(QIODevice::WriteOnly));
            numero.write(dev + '\n');
        };
        peripherique(QStringLiteral("tty0"), "4:0", false);
        peripherique(QStringLiteral("ttyS0"), "4:64", true);
        QVERIFY(QDir().mkpath(udev));
        const QByteArray avant = EmpreinteSerie(sys, udev);

        if (changement == QLatin1String("tty1") || changement == QLatin1String("ttyprintk"))
            peripherique(changement, "4:1", false);
        else if (changement == QLatin1String("ttyUSB0"))
            peripherique(changement, "188:0", true);
        else if (changement == QLatin1String("fiche"))
            QVERIFY(QFile(udev + QStringLiteral("/c4:64")).open(QIODevice::WriteOnly));
        else if (changement == QLatin1String("-ttyS0"))
            QVERIFY(QDir(tty + QStringLiteral("ttyS0")).removeRecursively());
        QCOMPARE(EmpreinteSerie(sys, udev) != avant, vu);
    }

    // Every command: the line sent, the reply test, the record written only on success.
    void commandes_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QByteArray>("reponse"); // empty: silence
        QTest::addColumn<bool>("succes");
        QTest::addColumn<QString>("ligne");

        QTest::newRow("I trois blancs") << "I" << QByteArray("i CAVE 71240 7\r") << true << "I";
        QTest::newRow("I deux blancs") << "I" << QByteArray("i CAVE 71240\r") << false << "I";
        QTest::newRow("I etiquette") << "I" << QByteArray("m CAVE 71240 7\r") << false << "I";
        QTest::newRow("I silence") << "I" << QByteArray() << false << "I";
        QTest::newRow("M six blancs")
            << "M" << QByteArray("m 32000 60 M 0 3C 259\r") << true << "M";
        QTest::newRow("M cinq blancs") << "M" << QByteArray("m 32000 60 M 0 3C\r") << false << "M";
        QTest::newRow("M etiquette") << "M" << QByteArray("? 32000 60 M 0 3C 3\r") << false << "M";
        QTest::newRow("J 0") << "J0" << QByteArray("i CAVE_1 0\r") << true << "J CAVE_1 0";
        QTest::newRow("J 1") << "J1" << QByteArray("i CAVE_1 1\r") << true << "J CAVE_1 1";
        QTest::newRow("J un blanc") << "J0" << QByteArray("i CAVE_1\r") << false << "J CAVE_1 0";
        QTest::newRow("S m") << "S" << QByteArray("m 32000 60 M 0 0 3\r") << true
                             << "S 60 M 1 32 3";
        QTest::newRow("S ? six") << "S" << QByteArray("? 32000 60 M 0 0 3\r") << true
                                 << "S 60 M 1 32 3";
        QTest::newRow("S ? cinq") << "S" << QByteArray("? 32000 60 M 0 0\r") << false
                                  << "S 60 M 1 32 3";
        QTest::newRow("S m cinq") << "S" << QByteArray("m 32000 60 M 0 0\r") << false
                                  << "S 60 M 1 32 3";
        QTest::newRow("S 32999") << "S32999" << QByteArray("m 32000 60 M 0 0 3\r") << true
                                 << "S 60 M 1 32 3";
        QTest::newRow("A >") << "A" << QByteArray(">\r") << true << "A 2 0 -400 0 0";
        QTest::newRow("A etiquette") << "A" << QByteArray("a\r") << false << "A 2 0 -400 0 0";
        QTest::newRow("C") << "C" << QByteArray("c 600 0\r") << true << "C 600";
        QTest::newRow("C un blanc") << "C" << QByteArray("c 600\r") << false << "C 600";
        QTest::newRow("Q >") << "Q" << QByteArray(">\r") << true << "Q";
        QTest::newRow("Q silence") << "Q" << QByteArray() << false << "Q";
        QTest::newRow("Q ligne vide puis >") << "Q" << QByteArray("\r>\r") << true << "Q";
    }

    void commandes()
    {
        QFETCH(QString, operation);
        QFETCH(QByteArray, reponse);
        QFETCH(bool, succes);
        QFETCH(QString, ligne);

        m_pty->setRepondeur([reponse](const QString&) { return reponse; });

        DAC::TS_IDENTIFIANTS ids;
        ids.ID = QStringLiteral("AVANT");
        DAC::TS_PARAMETRES params;
        params.NbrePoints = 1;
        params.Unite = QStringLiteral("AVANT");

        DAC::TS_PARAMETRES nouveaux;
        nouveaux.NbrePoints = operation == QLatin1String("S32999") ? 32999 : 32000;
        nouveaux.Frequence = 60;
        nouveaux.Unite = QStringLiteral("M");
        nouveaux.DateDebut = 1;
        nouveaux.Capteurs = 3;
        DAC::TS_ALARMES alarmes;
        alarmes.Actives = 2;
        alarmes.TempMin = -400;
        const QDateTime dixMinutes(QDate(2010, 1, 1), QTime(0, 10), Qt::LocalTime);

        QElapsedTimer chrono;
        chrono.start();
        bool obtenu = false;
        if (operation == QLatin1String("I"))
            obtenu = m_port->LireIdentifiants(&ids);
        else if (operation == QLatin1String("M"))
            obtenu = m_port->LireParametres(&params);
        else if (operation.startsWith(QLatin1String("J")))
            obtenu =
                m_port->SetIdentifiants(QStringLiteral("CAVE_1"), operation == QLatin1String("J1"));
        else if (operation.startsWith(QLatin1String("S")))
            obtenu = m_port->SetParametres(nouveaux);
        else if (operation == QLatin1String("A"))
            obtenu = m_port->SetAlarmes(alarmes);
        else if (operation == QLatin1String("C"))
            obtenu = m_port->SetClock(uint(SecondesDepuis2010(dixMinutes)));
        else if (operation == QLatin1String("Q"))
            obtenu = m_port->QuitOnLine();
        QCOMPARE(obtenu, succes);
        QCOMPARE(m_pty->lignes(), QStringList{ligne});
        // A refusal keeps the reply that failed, silence none.
        QCOMPARE(m_port->DerniereReponse().isEmpty(), reponse.isEmpty());
        if (reponse.isEmpty()) {
            const bool lecture = operation == QLatin1String("I") ||
                                 operation == QLatin1String("M") || operation == QLatin1String("Q");
            QVERIFY(chrono.elapsed() >= (lecture ? 1000 : 2000));
        }

        if (operation == QLatin1String("I")) {
            if (succes) {
                QCOMPARE(ids.ID, QStringLiteral("CAVE"));
                QCOMPARE(ids.Modele, QStringLiteral("71240"));
                QCOMPARE(ids.Info, QStringLiteral("7"));
            } else {
                QCOMPARE(ids.ID, QStringLiteral("AVANT"));
                QCOMPARE(ids.Modele, QString());
            }
        }
        if (operation == QLatin1String("M")) {
            if (succes) {
                QCOMPARE(params.NbrePoints, quint16(32000));
                QCOMPARE(params.Frequence, quint16(60));
                QCOMPARE(params.Unite, QStringLiteral("M"));
                QCOMPARE(params.DateDebut, Origine2010 + 60);
                QCOMPARE(params.Capteurs, quint8(3));
            } else {
                QCOMPARE(params.NbrePoints, quint16(1));
                QCOMPARE(params.Unite, QStringLiteral("AVANT"));
            }
        }
    }

    void telechargement()
    {
        QStringList ordre;
        DAC::TS_PARAMETRES entete;
        QList<QPair<word, word>> valeurs;
        connect(m_port.get(), &CPortSerie::DAC_DownLoad, this, [&](DAC::TS_PARAMETRES p) {
            ordre << QStringLiteral("entete");
            entete = p;
        });
        connect(m_port.get(), QOverload<word, word>::of(&CPortSerie::DAC_Datas), this,
                [&](word t, word h) {
                    ordre << QStringLiteral("donnees");
                    valeurs << qMakePair(t, h);
                });
        QVERIFY(m_port->DownLoad());
        QVERIFY(m_port->EnAttenteEntete());
        QTRY_COMPARE(m_pty->lignes(), QStringList{QStringLiteral("D")});
        // Header and first readings in one write, the rest in another.
        m_pty->ecrire("m 8 60 M 0 0 3\rd 235 567\rv 236 568\r");
        m_pty->ecrire("d 237 569\rd 238 570\r");
        QTRY_COMPARE(valeurs.size(), 4);
        QCOMPARE(ordre.first(), QStringLiteral("entete"));
        QCOMPARE(ordre.count(QStringLiteral("entete")), 1);
        QCOMPARE(entete.NbrePoints, quint16(8));
        QCOMPARE(entete.Frequence, quint16(60));
        QCOMPARE(entete.Unite, QStringLiteral("M"));
        QCOMPARE(entete.DateDebut, Origine2010);
        QCOMPARE(entete.Capteurs, quint8(3));
        QCOMPARE(PointsParCapteur(entete), 4);
        QCOMPARE(valeurs.first(), qMakePair(word(235), word(567)));
        QCOMPARE(valeurs.last(), qMakePair(word(238), word(570)));
        QVERIFY(!m_port->EnAttenteEntete());
        QVERIFY(m_port->ReponsesEnAttente().isEmpty());
    }

    void lignesDeDonnees()
    {
        QSignalSpy une(m_port.get(), QOverload<word>::of(&CPortSerie::DAC_Datas));
        QSignalSpy deux(m_port.get(), QOverload<word, word>::of(&CPortSerie::DAC_Datas));
        m_pty->ecrire("d 235\rv 235 567\rd\rd 1 2 3\rd x\r>\r");
        QTRY_COMPARE(m_port->ReponsesEnAttente(), QStringList{QStringLiteral(">")});
        QCOMPARE(une.count(), 2);
        QCOMPARE(une.at(0).at(0).value<word>(), word(235));
        QCOMPARE(une.at(1).at(0).value<word>(), word(0));
        QCOMPARE(deux.count(), 2);
        QCOMPARE(deux.at(1).at(0).value<word>(), word(1));
        QCOMPARE(deux.at(1).at(1).value<word>(), word(2));
    }

    void mSansTelechargementEnFile()
    {
        QSignalSpy entetes(m_port.get(), &CPortSerie::DAC_DownLoad);
        m_pty->ecrire("m 8 60 M 0 0 3\r");
        QTRY_COMPARE(m_port->ReponsesEnAttente(), QStringList{QStringLiteral("m 8 60 M 0 0 3")});
        QCOMPARE(entetes.count(), 0);
    }

    void enteteCinqBlancs()
    {
        QSignalSpy entetes(m_port.get(), &CPortSerie::DAC_DownLoad);
        QSignalSpy donnees(m_port.get(), QOverload<word, word>::of(&CPortSerie::DAC_Datas));
        QVERIFY(m_port->DownLoad());
        m_pty->ecrire("m 8 60 M 0 0\rd 1 2\r");
        QTRY_COMPARE(donnees.count(), 1); // readings still flow
        QVERIFY(!m_port->EnAttenteEntete());
        QCOMPARE(entetes.count(), 0);
        QVERIFY(m_port->ReponsesEnAttente().isEmpty());
        m_pty->ecrire("m 1 2 M 0 0 3\r");
        QTRY_COMPARE(m_port->ReponsesEnAttente(), QStringList{QStringLiteral("m 1 2 M 0 0 3")});
        QCOMPARE(entetes.count(), 0);
    }

    void downLoadPortFerme()
    {
        CPortSerie ferme(QStringLiteral("/nonexistent/port"));
        QVERIFY(ferme.DownLoad());
        QVERIFY(ferme.EnAttenteEntete());
        QVERIFY(!ferme.Ouvrir());
        QVERIFY(!ferme.PortOccupe());
    }

    // A header can only follow "D": a later command ends the wait, so its "m"
    // reply is taken as the reply, not as a header.
    void attenteEnteteTermineeParCommande()
    {
        QSignalSpy entetes(m_port.get(), &CPortSerie::DAC_DownLoad);
        QVERIFY(m_port->DownLoad());
        QVERIFY(m_port->EnAttenteEntete());
        m_pty->setRepondeur([](const QString& l) {
            return l == QLatin1String("M") ? QByteArray("m 8 60 M 0 0 3\r") : QByteArray();
        });
        DAC::TS_PARAMETRES p;
        QVERIFY(m_port->LireParametres(&p));
        QCOMPARE(p.NbrePoints, quint16(8));
        QCOMPARE(entetes.count(), 0);
        QVERIFY(!m_port->EnAttenteEntete());

        // "D" itself keeps (sets) the wait.
        QVERIFY(m_port->DownLoad());
        m_port->Envoyer(QStringLiteral("D"));
        QVERIFY(m_port->EnAttenteEntete());
    }

    // Advice to a user refused a port: a group only when joining it would give access.
    void groupeConseille_data()
    {
        QTest::addColumn<QString>("groupe");
        QTest::addColumn<int>("droits"); // octal digits of the group
        QTest::addColumn<QString>("attendu");

        QTest::newRow("dialout rw") << "dialout" << 06 << "dialout";
        QTest::newRow("root:root 600") << "root" << 0 << "";
        QTest::newRow("read only") << "uucp" << 04 << "";
        QTest::newRow("write only") << "dialout" << 02 << "";
        QTest::newRow("rwx") << "dialout" << 07 << "dialout";
        QTest::newRow("no group") << "" << 06 << "";
    }

    void groupeConseille()
    {
        QFETCH(QString, groupe);
        QFETCH(int, droits);
        QFETCH(QString, attendu);
        QFileDevice::Permissions p = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        if (droits & 04)
            p |= QFileDevice::ReadGroup;
        if (droits & 02)
            p |= QFileDevice::WriteGroup;
        if (droits & 01)
            p |= QFileDevice::ExeGroup;
        QCOMPARE(GroupeConseille(groupe, p), attendu);
    }

    // Readings that stream in while a command waits reach their receiver, and the
    // command still gets its reply.
    void commandePendantFlux()
    {
        QList<word> valeurs;
        connect(m_port.get(), QOverload<word>::of(&CPortSerie::DAC_Datas), this,
                [&](word v) { valeurs << v; });
        m_pty->setRepondeur([](const QString&) {
            QByteArray flux;
            for (int i = 0; i < 50; ++i)
                flux += "d " + QByteArray::number(i) + "\r";
            flux += "i CAVE 71246 0\r";
            for (int i = 50; i < 100; ++i)
                flux += "d " + QByteArray::number(i) + "\r";
            return flux;
        });
        DAC::TS_IDENTIFIANTS ids;
        QVERIFY(m_port->LireIdentifiants(&ids));
        QCOMPARE(ids.Modele, QStringLiteral("71246"));
        QTRY_COMPARE(valeurs.size(), 100);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(int(valeurs.at(i)), i);
    }
};

VORSEN_DATA_TEST_MAIN(tst_CPortSerie)
#include "tst_CPortSerie.moc"
