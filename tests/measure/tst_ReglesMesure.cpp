// Decisions of the measurement window that need neither a logger nor a screen:
// the value axes of a recording, the sensor names, and what the user is told
// about a port that does not open.
#include "AccesPort.h"
#include "ArbreMinMax.h"
#include "Environnement.h"
#include "IntervalleMesures.h"
#include "ReductionColonnes.h"
#include "TexteCapteur.h"
#include "clsRefusPorts.h"

#include <QMap>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

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
        QTest::newRow("node without rights")
            << QSerialPort::PermissionError << false << RefusPort::Droits;
        QTest::newRow("locked by another program")
            << QSerialPort::PermissionError << true << RefusPort::Occupe;
        QTest::newRow("device gone")
            << QSerialPort::DeviceNotFoundError << true << RefusPort::Aucun;
        QTest::newRow("device gone, no rights")
            << QSerialPort::DeviceNotFoundError << false << RefusPort::Aucun;
        QTest::newRow("already open here") << QSerialPort::OpenError << true << RefusPort::Aucun;
        QTest::newRow("not a serial port")
            << QSerialPort::UnsupportedOperationError << true << RefusPort::Aucun;
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
            << QStringList{"ttyS4 D uucp", "present", "ttyS4 D uucp"}
            << QList<bool>{true, true, true} << QStringList{"ttyS4:D:uucp"};
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

    // Points as "x:y" separated by blanks.
    static QPolygonF Ligne(const QString& texte)
    {
        QPolygonF ligne;
        for (const QString& p : texte.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList xy = p.split(QLatin1Char(':'));
            ligne << QPointF(xy.at(0).toDouble(), xy.at(1).toDouble());
        }
        return ligne;
    }

    void reductionColonnes_data()
    {
        QTest::addColumn<QString>("entree");
        QTest::addColumn<QString>("sortie");
        QTest::newRow("four points kept") << "10:5 10:1 10:9 10:3"
                                          << "10:5 10:1 10:9 10:3";
        QTest::newRow("first, low, high, last") << "10:5 10:1 10:9 10:3 10:4"
                                                << "10:5 10:1 10:9 10:4";
        QTest::newRow("high before low, in that order") << "10:5 10:9 10:2 10:1 10:4 10:6"
                                                        << "10:5 10:9 10:1 10:6";
        QTest::newRow("first is the lowest, once") << "10:1 10:5 10:9 10:3 10:4"
                                                   << "10:1 10:9 10:4";
        QTest::newRow("last is the highest, once") << "10:5 10:1 10:3 10:4 10:9"
                                                   << "10:5 10:1 10:9";
        QTest::newRow("flat column") << "10:5 10:5 10:5 10:5 10:5"
                                     << "10:5 10:5";
        QTest::newRow("one point per column") << "1:5 2:1 3:9 4:3 5:4"
                                              << "1:5 2:1 3:9 4:3 5:4";
        QTest::newRow("fractions share the column") << "3.1:4 3.4:8 3.6:0 3.9:2 4.2:7"
                                                    << "3.1:4 3.4:8 3.6:0 3.9:2 4.2:7";
        QTest::newRow("each column on its own") << "1:5 1:1 1:9 1:3 1:4 2:7 2:7 2:0 2:8 2:6"
                                                << "1:5 1:1 1:9 1:4 2:7 2:0 2:8 2:6";
        QTest::newRow("either side of zero") << "-0.5:1 -0.2:9 -0.1:4 0.2:5 0.4:3 0.6:2"
                                             << "-0.5:1 -0.2:9 -0.1:4 0.2:5 0.6:2";
        QTest::newRow("same column again later") << "1:1 1:2 1:3 2:0 1:9 1:8 1:7"
                                                 << "1:1 1:3 2:0 1:9 1:7";
    }
    void reductionColonnes()
    {
        QFETCH(QString, entree);
        QFETCH(QString, sortie);
        QCOMPARE(ReduireColonnes(Ligne(entree)), Ligne(sortie));
    }

    // A download drawn over 600 columns: the same extremes in every column, the
    // points kept in their order, the ends kept, at most four per column.
    void reductionDuneDescente()
    {
        QRandomGenerator hasard(7);
        QPolygonF ligne;
        double y = 300;
        for (int i = 0; i < 16000; ++i) {
            y += hasard.bounded(7) - 3;
            ligne << QPointF(std::floor(i * 600.0 / 16000.0), y);
        }
        const QPolygonF reduite = ReduireColonnes(ligne);
        QVERIFY(reduite.size() <= 4 * 600);
        QCOMPARE(reduite.first(), ligne.first());
        QCOMPARE(reduite.last(), ligne.last());
        int j = 0;
        for (const QPointF& p : reduite) {
            while (j < ligne.size() && ligne.at(j) != p)
                ++j;
            QVERIFY2(j < ligne.size(), "a point that was not in the line, or out of order");
            ++j;
        }
        QMap<int, QPair<double, double>> avant, apres;
        auto etendre = [](QMap<int, QPair<double, double>>& m, const QPointF& p) {
            const int c = int(std::floor(p.x()));
            if (!m.contains(c))
                m[c] = {p.y(), p.y()};
            m[c].first = qMin(m[c].first, p.y());
            m[c].second = qMax(m[c].second, p.y());
        };
        for (const QPointF& p : ligne)
            etendre(avant, p);
        for (const QPointF& p : reduite)
            etendre(apres, p);
        QCOMPARE(apres, avant);
    }

    // The min/max tree picks, for any range of samples, the samples whose
    // reduction is the reduction of the whole range (columns: whole x here).
    void arbreMinMax_data()
    {
        QTest::addColumn<QString>("entree"); // "x:y ...", or a walk of 16000 samples
        QTest::addColumn<int>("de");
        QTest::addColumn<int>("a"); // -1: the last sample
        QTest::newRow("one point per column") << "1:5 2:1 3:9 4:3 5:4" << 0 << -1;
        QTest::newRow("each column on its own")
            << "1:5 1:1 1:9 1:3 1:4 2:7 2:7 2:0 2:8 2:6" << 0 << -1;
        QTest::newRow("part of them") << "1:5 1:1 1:9 1:3 1:4 2:7 2:7 2:0 2:8 2:6" << 2 << 7;
        QTest::newRow("equal extremes: the first") << "1:5 1:1 1:9 1:1 1:9 1:5 1:1 1:9" << 0 << -1;
        QTest::newRow("same column again later") << "1:1 1:2 1:3 2:0 1:9 1:8 1:7" << 0 << -1;
        QTest::newRow("16000 samples over 600 columns") << "marche" << 0 << -1;
        QTest::newRow("the last 333 of them") << "marche" << 15667 << -1;
        QTest::newRow("a clock put back halfway") << "recul" << 0 << -1;
    }
    void arbreMinMax()
    {
        QFETCH(QString, entree);
        QFETCH(int, de);
        QFETCH(int, a);
        QPolygonF ligne;
        if (entree == QLatin1String("marche") || entree == QLatin1String("recul")) {
            QRandomGenerator hasard(11);
            double y = 300;
            for (int i = 0; i < 16000; ++i) {
                y += hasard.bounded(7) - 3;
                const int j = entree == QLatin1String("recul") && i >= 8000 ? i - 5000 : i;
                ligne << QPointF(j * 600.0 / 16000.0, y);
            }
        } else {
            ligne = Ligne(entree);
        }
        if (a < 0)
            a = ligne.size() - 1;
        ArbreMinMax arbre;
        for (const QPointF& p : qAsConst(ligne))
            arbre.Ajouter(p.x(), p.y());
        QPolygonF choisis;
        for (int i : arbre.Representants(de, a, [](double x) { return int(std::floor(x)); }))
            choisis << ligne.at(i);
        QCOMPARE(ReduireColonnes(choisis), ReduireColonnes(ligne.mid(de, a - de + 1)));
    }

    void noeudPeripherique_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("noeud");
        QTest::newRow("short name") << "ttyUSB0"
                                    << "/dev/ttyUSB0";
        QTest::newRow("path on the command line") << "/tmp/x/logger"
                                                  << "/tmp/x/logger";
    }
    void noeudPeripherique()
    {
        QFETCH(QString, port);
        QFETCH(QString, noeud);
        QCOMPARE(NoeudPeripherique(port), noeud);
    }
};

VORSEN_TEST_MAIN(tst_ReglesMesure, SansAffichage)
#include "tst_ReglesMesure.moc"
