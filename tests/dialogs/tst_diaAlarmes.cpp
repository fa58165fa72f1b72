#include <QAbstractButton>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QtTest>
#include <qwt_dial.h>
#include <qwt_thermo.h>

#include "CPortSerie.h"
#include "EnvironnementTest.h"
#include "Repondeur.h"
#include "Simulateur.h"
#include "diaAlarmes.h"
#include "ressources.h"

// The alarm thresholds dialog: ticked boxes and typed values become one "A"
// line at the logger simulator.
class tst_diaAlarmes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void jauges_data();
    void jauges();
    void humidite();
    void programmation_data();
    void programmation();
    void humiditeCacheeEnvoyee();
    void debranche();
};

namespace
{
const QString Titre = QStringLiteral("ALARMES");
const QString Reussite = QStringLiteral("Programmation effectuee");
const QString Echec = QStringLiteral("La programmation n'a pas fonctionne. Veuillez recommencer.");
const QString NonConnecte = QStringLiteral(
    "L'enregistreur ne semble pas connecte.\nVeuillez verifier s'il est correctement branche.");

template <typename T> T* Enfant(QWidget* w, const QString& nom)
{
    T* e = w->findChild<T*>(nom);
    if (!e)
        qWarning("no widget %s", qPrintable(nom));
    return e;
}

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
} // namespace

void tst_diaAlarmes::initTestCase()
{
    QVERIFY2(Simulateur::Disponible(), qPrintable(Simulateur::Programme()));
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

    diaAlarmes dia(nullptr, nullptr, true);
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
    diaAlarmes dia(nullptr, nullptr, false);
    dia.show();
    for (const char* nom : {"gbxHumiTitre", "gbxHumiMax", "gbxHumiMin"})
        QVERIFY2(!Enfant<QWidget>(&dia, nom)->isVisible(), nom);
    QVERIFY(Enfant<QWidget>(&dia, "gbxTempTitre")->isVisible());

    dia.Preparer(nullptr, true);
    for (const char* nom : {"gbxHumiTitre", "gbxHumiMax", "gbxHumiMin"})
        QVERIFY2(Enfant<QWidget>(&dia, nom)->isVisible(), nom);
}

void tst_diaAlarmes::programmation_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("coches");  // group boxes ticked
    QTest::addColumn<QStringList>("valeurs"); // "spin box=typed text"
    QTest::addColumn<QString>("ligne");
    QTest::addColumn<bool>("reussi");

    const QStringList aucune;
    QTest::newRow("rien de coché") << aucune << aucune << aucune << "A 0 0 0 0 0" << true;
    QTest::newRow("température maximale 50.0")
        << aucune << QStringList{"gbxTempMax"} << aucune << "A 1 500 0 0 0" << true;
    QTest::newRow("température minimale -40.0")
        << aucune << QStringList{"gbxTempMin"} << QStringList{"spiTempMin=-40"} << "A 2 0 -400 0 0"
        << true;
    QTest::newRow("humidité maximale 80.5")
        << aucune << QStringList{"gbxHumiMax"} << QStringList{"spiHumiMax=80.5"} << "A 4 0 0 805 0"
        << true;
    QTest::newRow("humidité minimale par défaut")
        << aucune << QStringList{"gbxHumiMin"} << aucune << "A 8 0 0 0 200" << true;
    // Every threshold at once, each with its own decimal.
    QTest::newRow("les quatre, décimales")
        << aucune << QStringList{"gbxTempMax", "gbxTempMin", "gbxHumiMax", "gbxHumiMin"}
        << QStringList{"spiTempMax=50.3", "spiTempMin=-12.7", "spiHumiMax=70.1", "spiHumiMin=0.3"}
        << "A 15 503 -127 701 3" << true;
    QTest::newRow("valeur sans case cochée")
        << aucune << QStringList{"gbxTempMax"} << QStringList{"spiTempMax=60", "spiHumiMax=90"}
        << "A 1 600 0 0 0" << true;
    QTest::newRow("refusé") << QStringList{"--fail-first", "A:1"} << QStringList{"gbxTempMax"}
                            << aucune << "A 1 500 0 0 0" << false;
}

void tst_diaAlarmes::programmation()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, coches);
    QFETCH(QStringList, valeurs);
    QFETCH(QString, ligne);
    QFETCH(bool, reussi);

    Simulateur sim;
    QVERIFY2(sim.Demarrer(options), qPrintable(sim.Erreur()));
    CPortSerie port(sim.Lien());

    diaAlarmes dia(nullptr, &port, true);
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
        QCOMPARE(spi->value(), c[1].toDouble());
    }

    Repondeur repondeur;
    QTest::mouseClick(Enfant<QAbstractButton>(&dia, "btnProgrammer"), Qt::LeftButton);

    // Sent once, whatever the outcome.
    QCOMPARE(sim.LignesRecues(), QStringList{ligne});
    QCOMPARE(repondeur.Vus.size(), 1);
    QCOMPARE(repondeur.Vus[0].Titre, Titre);
    QCOMPARE(repondeur.Vus[0].Texte, reussi ? Reussite : Echec);
    QCOMPARE(repondeur.Vus[0].Icone, reussi ? QMessageBox::Information : QMessageBox::Warning);
    QCOMPARE(dia.result(), reussi ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(dia.isVisible(), !reussi);
}

void tst_diaAlarmes::humiditeCacheeEnvoyee()
{
    Simulateur sim;
    QVERIFY2(sim.Demarrer({"--model", "71246", "--sensors", "1"}), qPrintable(sim.Erreur()));
    CPortSerie port(sim.Lien());

    // Ticked during an earlier use with a logger that has humidity...
    diaAlarmes dia(nullptr, nullptr, true);
    dia.show();
    Cocher(&dia, "gbxHumiMax");
    Cocher(&dia, "gbxTempMin");
    dia.reject();

    // ... still sent for a 71246, whose humidity half is hidden.
    dia.Preparer(&port, false);
    dia.show();
    QVERIFY(!Enfant<QWidget>(&dia, "gbxHumiMax")->isVisible());
    Repondeur repondeur;
    QTest::mouseClick(Enfant<QAbstractButton>(&dia, "btnProgrammer"), Qt::LeftButton);
    QCOMPARE(sim.LignesRecues(), QStringList{"A 6 0 0 800 0"});
    QCOMPARE(dia.result(), int(QDialog::Accepted));
}

void tst_diaAlarmes::debranche()
{
    Simulateur sim;
    QVERIFY2(sim.Demarrer(), qPrintable(sim.Erreur()));
    CPortSerie port(sim.Lien());
    QVERIFY(sim.Arreter());

    diaAlarmes dia(nullptr, &port, true);
    dia.show();
    Repondeur repondeur;
    QTest::mouseClick(Enfant<QAbstractButton>(&dia, "btnProgrammer"), Qt::LeftButton);

    QCOMPARE(repondeur.Vus.size(), 1);
    QCOMPARE(repondeur.Vus[0].Titre, Titre);
    QCOMPARE(repondeur.Vus[0].Texte, NonConnecte);
    QCOMPARE(repondeur.Vus[0].Icone, QMessageBox::Warning);
    QVERIFY(sim.LignesRecues().isEmpty());
    QVERIFY(dia.isVisible());
}

VORSEN_TEST_MAIN(tst_diaAlarmes)
#include "tst_diaAlarmes.moc"
