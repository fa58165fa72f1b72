// Decisions of the measurement window that need neither a logger nor a screen:
// the value axes of a recording, the sensor names, and what the user is told
// about a port that does not open.
#include "AccesPort.h"
#include "IntervalleMesures.h"
#include "TexteCapteur.h"
#include "clsRefusPorts.h"

#include <QTest>

Q_DECLARE_METATYPE(QSerialPort::SerialPortError)
Q_DECLARE_METATYPE(RefusPort)

class tst_ReglesMesure : public QObject
{
    Q_OBJECT

private slots:
    void intervalle_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<double>("bas");
        QTest::addColumn<double>("haut");
        QTest::newRow("18.0 to 26.0 degrees") << 180 << 260 << 170.0 << 270.0;
        QTest::newRow("flat 20.0") << 200 << 200 << 199.0 << 201.0;
        QTest::newRow("range under 8 tenths") << 0 << 7 << -1.0 << 8.0;
        QTest::newRow("range of 8 tenths") << 0 << 8 << -1.0 << 9.0;
        QTest::newRow("eighth truncated") << 100 << 117 << 98.0 << 119.0;
        QTest::newRow("negative readings") << -400 << -240 << -420.0 << -220.0;
        // Raw 16-bit readings: no overflow near the top of the range.
        QTest::newRow("top of 16 bits") << 0 << 65535 << -8191.0 << 73726.0;
    }
    void intervalle()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(double, bas);
        QFETCH(double, haut);
        const QwtInterval axe = IntervalleMesures(minimum, maximum);
        QCOMPARE(axe.minValue(), bas);
        QCOMPARE(axe.maxValue(), haut);
    }

    void texteCapteur_data()
    {
        QTest::addColumn<int>("masque");
        QTest::addColumn<QString>("texte");
        QTest::newRow("temperature") << 1 << "Temperature";
        QTest::newRow("humidity") << 2 << "Humidite";
        QTest::newRow("both") << 3 << "Temperature et humidite";
        QTest::newRow("none") << 0 << "";
        QTest::newRow("unknown bit") << 4 << "";
        QTest::newRow("negative") << -1 << "";
    }
    void texteCapteur()
    {
        QFETCH(int, masque);
        QFETCH(QString, texte);
        QCOMPARE(TexteCapteur(masque), texte);
    }

    void classerRefus_data()
    {
        QTest::addColumn<QSerialPort::SerialPortError>("erreur");
        QTest::addColumn<bool>("accesPermis");
        QTest::addColumn<RefusPort>("attendu");
        // Qt gives PermissionError both for a node without rights and for a lock
        // held by another program.
        QTest::newRow("node without rights") << QSerialPort::PermissionError << false << RefusPort::Droits;
        QTest::newRow("locked by another program") << QSerialPort::PermissionError << true << RefusPort::Occupe;
        QTest::newRow("device gone") << QSerialPort::DeviceNotFoundError << true << RefusPort::Aucun;
        QTest::newRow("device gone, no rights") << QSerialPort::DeviceNotFoundError << false << RefusPort::Aucun;
        QTest::newRow("already open here") << QSerialPort::OpenError << true << RefusPort::Aucun;
        QTest::newRow("not a serial port") << QSerialPort::UnsupportedOperationError << true << RefusPort::Aucun;
        QTest::newRow("unknown") << QSerialPort::UnknownError << false << RefusPort::Aucun;
        QTest::newRow("opened") << QSerialPort::NoError << true << RefusPort::Aucun;
    }
    void classerRefus()
    {
        QFETCH(QSerialPort::SerialPortError, erreur);
        QFETCH(bool, accesPermis);
        QFETCH(RefusPort, attendu);
        QCOMPARE(ClasserRefus(erreur, accesPermis), attendu);
    }

    // A sequence of probe outcomes and port lists; after each step, whether the
    // notices changed and which ports they name, as "port:kind:group".
    void noticesParPort_data()
    {
        QTest::addColumn<QStringList>("etapes");
        QTest::addColumn<QList<bool>>("changements");
        QTest::addColumn<QStringList>("notices");
        QTest::newRow("told once per port")
            << QStringList{"ttyUSB0 D dialout", "ttyUSB0 D dialout", "ttyUSB0 D dialout"}
            << QList<bool>{true, false, false} << QStringList{"ttyUSB0:D:dialout"};
        QTest::newRow("cleared when the port goes away")
            << QStringList{"ttyUSB0 D dialout", "ttyUSB1 O", "present ttyUSB1"}
            << QList<bool>{true, true, true} << QStringList{"ttyUSB1:O:"};
        QTest::newRow("port names without case")
            << QStringList{"ttyUSB0 O", "TTYUSB0 O", "present TTYusb0"}
            << QList<bool>{true, false, false} << QStringList{"ttyUSB0:O:"};
        QTest::newRow("opens after all")
            << QStringList{"ttyUSB0 O", "ttyUSB0 A"} << QList<bool>{true, true} << QStringList{};
        QTest::newRow("other kind replaces")
            << QStringList{"ttyUSB0 O", "ttyUSB0 D dialout"} << QList<bool>{true, true}
            << QStringList{"ttyUSB0:D:dialout"};
        QTest::newRow("nothing to say about a port never noticed")
            << QStringList{"ttyUSB0 A", "present"} << QList<bool>{false, false} << QStringList{};
        QTest::newRow("back after going away: told again")
            << QStringList{"ttyS4 D uucp", "present", "ttyS4 D uucp"} << QList<bool>{true, true, true}
            << QStringList{"ttyS4:D:uucp"};
        QTest::newRow("order of notice kept")
            << QStringList{"b O", "a D dialout", "b O", "present a b"}
            << QList<bool>{true, true, false, false} << QStringList{"b:O:", "a:D:dialout"};
    }
    void noticesParPort()
    {
        QFETCH(QStringList, etapes);
        QFETCH(QList<bool>, changements);
        QFETCH(QStringList, notices);
        clsRefusPorts refus;
        for (int i = 0; i < etapes.size(); ++i) {
            const QStringList mots = etapes.at(i).split(QLatin1Char(' '));
            bool change;
            if (mots.first() == QLatin1String("present")) {
                change = refus.Oublier(mots.mid(1));
            } else {
                const QString genre = mots.value(1);
                const RefusPort r = genre == QLatin1String("D")   ? RefusPort::Droits
                                    : genre == QLatin1String("O") ? RefusPort::Occupe
                                                                  : RefusPort::Aucun;
                change = refus.Noter(mots.first(), r, mots.value(2));
            }
            QVERIFY2(change == changements.at(i), qPrintable(etapes.at(i)));
        }
        QStringList vues;
        for (const clsRefusPorts::Entree& e : refus.Entrees()) {
            vues << QStringLiteral("%1:%2:%3")
                        .arg(e.Port, e.Refus == RefusPort::Droits ? "D" : "O", e.Groupe);
        }
        QCOMPARE(vues, notices);
    }

    void noeudPeripherique_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("noeud");
        QTest::newRow("short name") << "ttyUSB0" << "/dev/ttyUSB0";
        QTest::newRow("path on the command line") << "/tmp/x/logger" << "/tmp/x/logger";
    }
    void noeudPeripherique()
    {
        QFETCH(QString, port);
        QFETCH(QString, noeud);
        QCOMPARE(NoeudPeripherique(port), noeud);
    }
};

QTEST_GUILESS_MAIN(tst_ReglesMesure)
#include "tst_ReglesMesure.moc"
