#include <QAbstractButton>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QSettings>
#include <QtTest>
#include <qwt_dial.h>
#include <qwt_thermo.h>

#include "CPortSerie.h"
#include "DialoguesScriptes.h"
#include "Environnement.h"
#include "Formulaires.h"
#include "Simulateur.h"
#include "diaAlarmes.h"
#include "ressources.h"

// The alarm thresholds dialog: ticked boxes and typed values become one "A"
// line at the logger simulator; each logger gets back the thresholds last
// programmed into it.
class tst_diaAlarmes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void jauges_data();
    void jauges();
    void humidite();
    void programmation_data();
    void programmation();
    void humiditeCachee();
    void memoire();
    void debranche();
};

using namespace Formulaires;

namespace
{
const QString Titre = QStringLiteral("ALARMES");
const QString Inverses = QStringLiteral("Le seuil minimum doit être inférieur au seuil maximum.");

// A checkable group box toggles on Space, as from the keyboard.
void Cocher(QWidget* w, const QString& nom)
{
    auto* g = Enfant<QGroupBox>(w, nom);
    QVERIFY(g && g->isCheckable());
    const bool avant = g->isChecked();
    QTest::keyClick(g, Qt::Key_Space);
    QCOMPARE(g->isChecked(), !avant);
}

void Taper(QAbstractSpinBox* s, const QString& texte)
{
    s->setFocus();
    s->selectAll();
    QTest::keyClicks(s, texte);
}

void Programmer(QWidget* dia)
{
    QTest::mouseClick(Enfant<QAbstractButton>(dia, "btnProgrammer"), Qt::LeftButton);
}

// The form in one line: the ticks as a mask, then TempMax TempMin HumiMax HumiMin.
QString Formulaire(QWidget* dia)
{
    int coches = 0;
    QStringList valeurs;
    int bit = 1;
    for (const char* nom : {"TempMax", "TempMin", "HumiMax", "HumiMin"}) {
        if (Enfant<QGroupBox>(dia, QStringLiteral("gbx") + nom)->isChecked())
            coches |= bit;
        bit <<= 1;
        valeurs << QString::number(
            Enfant<QDoubleSpinBox>(dia, QStringLiteral("spi") + nom)->value());
    }
    return QString::number(coches) + ' ' + valeurs.join(' ');
}

// The form as designed.
const QString Defauts = QStringLiteral("0 50 0 80 20");
} // namespace

void tst_diaAlarmes::initTestCase()
{
    QVERIFY2(Simulateur::Disponible(), qPrintable(Simulateur::Programme()));
}

void tst_diaAlarmes::init()
{
    QSettings().clear();
}

void tst_diaAlarmes::jauges_data()
{
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("jauge");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<double>("valeur");

    QTest::newRow("température maximale") << "spiTempMax"
                                          << "thmTempMax"
                                          << "72.5" << 72.5;
    QTest::newRow("température minimale") << "spiTempMin"
                                          << "thmTempMin"
                                          << "-12.3" << -12.3;
    QTest::newRow("humidité maximale") << "spiHumiMax"
                                       << "diaHumiMax"
                                       << "95" << 95.0;
    QTest::newRow("humidité minimale") << "spiHumiMin"
                                       << "diaHumiMin"
                                       << "7.5" << 7.5;
}

void tst_diaAlarmes::jauges()
{
    QFETCH(QString, champ);
    QFETCH(QString, jauge);
    QFETCH(QString, texte);
    QFETCH(double, valeur);

    diaAlarmes dia(nullptr, nullptr, true, QString());
    dia.show();
    // Typing works on an enabled field: tick its box first.
    Cocher(&dia, QStringLiteral("gbx") + champ.mid(3));
    auto* spi = Enfant<QDoubleSpinBox>(&dia, champ);
    Taper(spi, texte);
    QCOMPARE(spi->value(), valeur);

    QWidget* g = Enfant<QWidget>(&dia, jauge);
    if (auto* thermo = qobject_cast<QwtThermo*>(g))
        QCOMPARE(thermo->value(), valeur);
    else
        QCOMPARE(qobject_cast<QwtDial*>(g)->value(), valeur);
}

void tst_diaAlarmes::humidite()
{
    diaAlarmes dia(nullptr, nullptr, false, QStringLiteral("CAVE"));
    dia.show();
    for (const char* nom : {"gbxHumiTitre", "gbxHumiMax", "gbxHumiMin"})
        QVERIFY2(!Enfant<QWidget>(&dia, nom)->isVisible(), nom);
    QVERIFY(Enfant<QWidget>(&dia, "gbxTempTitre")->isVisible());

    dia.Preparer(nullptr, true, QStringLiteral("SALLE_1"));
    for (const char* nom : {"gbxHumiTitre", "gbxHumiMax", "gbxHumiMin"})
        QVERIFY2(Enfant<QWidget>(&dia, nom)->isVisible(), nom);
}

void tst_diaAlarmes::programmation_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("coches");  // group boxes ticked
    QTest::addColumn<QStringList>("valeurs"); // "spin box=typed text"
    QTest::addColumn<QStringList>("lignes");  // received by the logger
    QTest::addColumn<QString>("message");

    const QStringList aucune;
    QTest::newRow("rien de coché")
        << aucune << aucune << aucune << QStringList{"A 0 0 0 0 0"} << Reussite;
    QTest::newRow("température maximale 50.0") << aucune << QStringList{"gbxTempMax"} << aucune
                                               << QStringList{"A 1 500 0 0 0"} << Reussite;
    QTest::newRow("température minimale -40.0")
        << aucune << QStringList{"gbxTempMin"} << QStringList{"spiTempMin=-40"}
        << QStringList{"A 2 0 -400 0 0"} << Reussite;
    QTest::newRow("humidité maximale 80.5")
        << aucune << QStringList{"gbxHumiMax"} << QStringList{"spiHumiMax=80.5"}
        << QStringList{"A 4 0 0 805 0"} << Reussite;
    QTest::newRow("humidité minimale par défaut") << aucune << QStringList{"gbxHumiMin"} << aucune
                                                  << QStringList{"A 8 0 0 0 200"} << Reussite;
    // Every threshold at once, each with its own decimal.
    QTest::newRow("les quatre, décimales")
        << aucune << QStringList{"gbxTempMax", "gbxTempMin", "gbxHumiMax", "gbxHumiMin"}
        << QStringList{"spiTempMax=50.3", "spiTempMin=-12.7", "spiHumiMax=70.1", "spiHumiMin=0.3"}
        << QStringList{"A 15 503 -127 701 3"} << Reussite;
    QTest::newRow("valeur sans case cochée")
        << aucune << QStringList{"gbxTempMax"} << QStringList{"spiTempMax=60", "spiHumiMax=90"}
        << QStringList{"A 1 600 0 0 0"} << Reussite;
    QTest::newRow("refusé") << QStringList{"--fail-first", "A:1"} << QStringList{"gbxTempMax"}
                            << aucune << QStringList{"A 1 500 0 0 0"} << Echec;
    // Typed past a sensor's range: its limit, not the digits Qt would keep.
    QTest::newRow("température maximale 105 -> 100.0")
        << aucune << QStringList{"gbxTempMax"} << QStringList{"spiTempMax=105"}
        << QStringList{"A 1 1000 0 0 0"} << Reussite;
    QTest::newRow("température minimale -45 -> -40.0")
        << aucune << QStringList{"gbxTempMin"} << QStringList{"spiTempMin=-45"}
        << QStringList{"A 2 0 -400 0 0"} << Reussite;
    QTest::newRow("humidité maximale 105 -> 100.0")
        << aucune << QStringList{"gbxHumiMax"} << QStringList{"spiHumiMax=105"}
        << QStringList{"A 4 0 0 1000 0"} << Reussite;
    QTest::newRow("humidité minimale -5 -> 0.0")
        << aucune << QStringList{"gbxHumiMin"} << QStringList{"spiHumiMin=-5"}
        << QStringList{"A 8 0 0 0 0"} << Reussite;
    // A minimum must stay below its maximum when both are on.
    QTest::newRow("température minimum = maximum")
        << aucune << QStringList{"gbxTempMax", "gbxTempMin"}
        << QStringList{"spiTempMax=20", "spiTempMin=20"} << QStringList() << Inverses;
    QTest::newRow("humidité minimum > maximum")
        << aucune << QStringList{"gbxHumiMax", "gbxHumiMin"}
        << QStringList{"spiHumiMax=30", "spiHumiMin=40"} << QStringList() << Inverses;
    QTest::newRow("minimum juste sous le maximum")
        << aucune << QStringList{"gbxTempMax", "gbxTempMin"}
        << QStringList{"spiTempMax=20", "spiTempMin=19.9"} << QStringList{"A 3 200 199 0 0"}
        << Reussite;
    QTest::newRow("minimum > maximum non coché")
        << aucune << QStringList{"gbxTempMin"} << QStringList{"spiTempMin=60"}
        << QStringList{"A 2 0 600 0 0"} << Reussite;
}

void tst_diaAlarmes::programmation()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, coches);
    QFETCH(QStringList, valeurs);
    QFETCH(QString, message);

    Simulateur sim;
    QVERIFY2(sim.Demarrer(options), qPrintable(sim.Erreur()));
    CPortSerie port(sim.Lien());

    diaAlarmes dia(nullptr, &port, true, QStringLiteral("SALLE_1"));
    dia.show();
    for (const QString& nom : coches)
        Cocher(&dia, nom);
    for (const QString& v : valeurs) {
        const QStringList c = v.split('=');
        // A field inside an unticked box is disabled: set it as the form would hold it.
        auto* spi = Enfant<QDoubleSpinBox>(&dia, c[0]);
        if (spi->isEnabled())
            Taper(spi, c[1]);
        else
            spi->setValue(c[1].toDouble());
    }

    // "Programmer" at once: the button takes no focus from the last field.
    DialoguesScriptes utilisateur;
    Programmer(&dia);

    // Sent once, whatever the outcome.
    QTEST(sim.LignesRecues(), "lignes");
    const bool reussi = message == Reussite;
    QCOMPARE(utilisateur.Journal(), Fin(reussi, Titre, message));
    QCOMPARE(dia.result(), reussi ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(dia.isVisible(), !reussi);
}

void tst_diaAlarmes::humiditeCachee()
{
    Simulateur sim;
    QVERIFY2(sim.Demarrer({"--model", "71246", "--sensors", "1"}), qPrintable(sim.Erreur()));
    CPortSerie port(sim.Lien());

    // Ticked, and inverted, while the humidity half was shown...
    diaAlarmes dia(nullptr, nullptr, true, QStringLiteral("CAVE"));
    dia.show();
    Cocher(&dia, "gbxHumiMax");
    Cocher(&dia, "gbxHumiMin");
    Taper(Enfant<QDoubleSpinBox>(&dia, "spiHumiMin"), QStringLiteral("90"));
    Cocher(&dia, "gbxTempMin");
    dia.reject();

    // ... neither sent nor in the way for a logger without the sensor.
    dia.Preparer(&port, false, QStringLiteral("CAVE"));
    dia.show();
    QVERIFY(!Enfant<QWidget>(&dia, "gbxHumiMax")->isVisible());
    DialoguesScriptes utilisateur;
    Programmer(&dia);
    QCOMPARE(sim.LignesRecues(), QStringList{"A 2 0 0 0 0"});
    QCOMPARE(dia.result(), int(QDialog::Accepted));

    // Remembered as the logger took them.
    diaAlarmes relu(nullptr, nullptr, false, QStringLiteral("CAVE"));
    QCOMPARE(Formulaire(&relu), QStringLiteral("2 50 0 80 90"));
}

void tst_diaAlarmes::memoire()
{
    Simulateur sim;
    QVERIFY2(sim.Demarrer({"--fail-first", "A:1"}), qPrintable(sim.Erreur()));
    CPortSerie port(sim.Lien());
    DialoguesScriptes utilisateur;

    // Refused by the logger: not remembered.
    diaAlarmes dia(nullptr, &port, true, QStringLiteral("SALLE_2"));
    dia.show();
    QCOMPARE(Formulaire(&dia), Defauts);
    Cocher(&dia, "gbxTempMin");
    Programmer(&dia);
    QCOMPARE(utilisateur.Demandes.value(0).Texte, Echec);

    // Another logger, never programmed here: the form as designed.
    dia.Preparer(&port, true, QStringLiteral("CAVE/1"));
    QCOMPARE(Formulaire(&dia), Defauts);
    Cocher(&dia, "gbxTempMax");
    Taper(Enfant<QDoubleSpinBox>(&dia, "spiTempMax"), QStringLiteral("30.5"));
    Cocher(&dia, "gbxHumiMin");
    Taper(Enfant<QDoubleSpinBox>(&dia, "spiHumiMin"), QStringLiteral("40"));
    Programmer(&dia);
    QCOMPARE(sim.LignesRecues().last(), QStringLiteral("A 9 305 0 0 400"));
    QCOMPARE(dia.result(), int(QDialog::Accepted));
    const QString cave = QStringLiteral("9 30.5 0 80 40");

    // The refused logger again: its entries were not kept.
    dia.Preparer(&port, true, QStringLiteral("SALLE_2"));
    dia.show();
    QCOMPARE(Formulaire(&dia), Defauts);
    Cocher(&dia, "gbxHumiMax");
    dia.reject();
    // Reopened for the same logger: as the user left it.
    dia.Preparer(&port, true, QStringLiteral("SALLE_2"));
    QCOMPARE(Formulaire(&dia), QStringLiteral("4 50 0 80 20"));

    dia.Preparer(&port, true, QStringLiteral("CAVE/1"));
    QCOMPARE(Formulaire(&dia), cave);
    // Identifiers that the settings would read as the same key.
    for (const char* id : {"CAVE/1/", "/CAVE/1", "CAVE\\1", "CAVE//1"}) {
        dia.Preparer(&port, true, QLatin1String(id));
        QVERIFY2(Formulaire(&dia) == Defauts, id);
    }
    // The program restarted.
    diaAlarmes autre(nullptr, &port, true, QStringLiteral("CAVE/1"));
    QCOMPARE(Formulaire(&autre), cave);
}

void tst_diaAlarmes::debranche()
{
    Simulateur sim;
    QVERIFY2(sim.Demarrer(), qPrintable(sim.Erreur()));
    CPortSerie port(sim.Lien());
    QVERIFY(sim.Arreter());

    diaAlarmes dia(nullptr, &port, true, QStringLiteral("SALLE_1"));
    dia.show();
    DialoguesScriptes utilisateur;
    Programmer(&dia);

    QCOMPARE(utilisateur.Journal(), Fin(false, Titre, NonConnecte));
    QVERIFY(sim.LignesRecues().isEmpty());
    QVERIFY(dia.isVisible());
}

VORSEN_TEST_MAIN(tst_diaAlarmes, Fenetres | Dpi96)
#include "tst_diaAlarmes.moc"
