#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

#include "CPortSerie.h"
#include "DialoguesScriptes.h"
#include "Environnement.h"
#include "Formulaires.h"
#include "Simulateur.h"
#include "diaNewID.h"
#include "ressources.h"

// The identifier and display dialog: what can be typed, what is refused before
// sending, and the "J" line at the logger simulator.
class tst_diaNewID : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void saisie_data();
    void saisie();
    void ouverture();
    void programmation_data();
    void programmation();
    void ecranCache_data();
    void ecranCache();
    void debranche();
};

using namespace Formulaires;

namespace
{
const QString Titre = QStringLiteral("CHANGEMENTS DE BASE");
const QString Invalide =
    QStringLiteral("Le nouvel ID doit contenir 1 a 20 lettres et/ou chiffres.");

void Retaper(QLineEdit* l, const QString& texte)
{
    l->setFocus();
    l->selectAll();
    QTest::keyClick(l, Qt::Key_Delete);
    QTest::keyClicks(l, texte);
}
} // namespace

void tst_diaNewID::initTestCase()
{
    QVERIFY2(Simulateur::Disponible(), qPrintable(Simulateur::Programme()));
}

void tst_diaNewID::saisie_data()
{
    QTest::addColumn<QString>("frappe");
    QTest::addColumn<QString>("texte");

    // Lower-case letters turn into capitals as they are typed.
    QTest::newRow("minuscule") << "a"
                               << "A";
    QTest::newRow("blanc") << " "
                           << "";
    QTest::newRow("trait d'union") << "-"
                                   << "";
    QTest::newRow("majuscule, souligné, chiffre") << "A_1"
                                                  << "A_1";
    QTest::newRow("mélange") << "Ab-C 1_x"
                             << "ABC1_X";
    // Typing stops at 20 characters.
    QTest::newRow("vingt et un caractères") << "ABCDEFGHIJ0123456789K"
                                            << "ABCDEFGHIJ0123456789";
}

void tst_diaNewID::saisie()
{
    QFETCH(QString, frappe);

    diaNewID dia(nullptr, nullptr, QString(), true);
    dia.show();
    auto* lin = Enfant<QLineEdit>(&dia, "linNewID");
    // Before any "Programmer": as the field shows it while typing.
    Retaper(lin, frappe);
    QTEST(lin->text(), "texte");
}

void tst_diaNewID::ouverture()
{
    diaNewID dia(nullptr, nullptr, QStringLiteral("SALLE_1"), true);
    dia.show();
    QCOMPARE(Enfant<QLineEdit>(&dia, "linNewID")->text(), QStringLiteral("SALLE_1"));
    QVERIFY(Enfant<QWidget>(&dia, "gbxLCD")->isVisible());
    QVERIFY(Enfant<QCheckBox>(&dia, "chkLcdON")->isChecked());
    QVERIFY(!Enfant<QCheckBox>(&dia, "chkLcdOFF")->isChecked());

    dia.Preparer(nullptr, false, QStringLiteral("CAVE"));
    QCOMPARE(Enfant<QLineEdit>(&dia, "linNewID")->text(), QStringLiteral("CAVE"));
    QVERIFY(!Enfant<QWidget>(&dia, "gbxLCD")->isVisible());
}

void tst_diaNewID::programmation_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("id");  // typed
    QTest::addColumn<bool>("off");    // "OFF" ticked
    QTest::addColumn<bool>("entree"); // Return in the field instead of the button
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<QString>("message");

    const QStringList aucune;
    QTest::newRow("écran allumé") << aucune << "SALLE_2" << false << false
                                  << QStringList{"J SALLE_2 1"} << Reussite;
    QTest::newRow("écran éteint") << aucune << "SALLE_2" << true << false
                                  << QStringList{"J SALLE_2 0"} << Reussite;
    QTest::newRow("touche Entrée")
        << aucune << "CAVE_3" << false << true << QStringList{"J CAVE_3 1"} << Reussite;
    QTest::newRow("un caractère") << aucune << "X" << false << false << QStringList{"J X 1"}
                                  << Reussite;
    QTest::newRow("vingt caractères") << aucune << "ABCDEFGHIJ0123456789" << false << false
                                      << QStringList{"J ABCDEFGHIJ0123456789 1"} << Reussite;
    QTest::newRow("minuscules") << aucune << "salle_2" << false << false
                                << QStringList{"J SALLE_2 1"} << Reussite;
    QTest::newRow("vide") << aucune << "" << false << false << QStringList() << Invalide;
    QTest::newRow("refusé") << QStringList{"--fail-first", "J:1"} << "SALLE_2" << false << false
                            << QStringList{"J SALLE_2 1"} << Echec;
}

void tst_diaNewID::programmation()
{
    QFETCH(QStringList, options);
    QFETCH(QString, id);
    QFETCH(bool, off);
    QFETCH(bool, entree);
    QFETCH(QString, message);

    Simulateur sim;
    QVERIFY2(sim.Demarrer(options), qPrintable(sim.Erreur()));
    CPortSerie port(sim.Lien());

    diaNewID dia(nullptr, &port, QStringLiteral("DEMO"), true);
    dia.show();
    auto* lin = Enfant<QLineEdit>(&dia, "linNewID");
    Retaper(lin, id);
    if (off)
        Cliquer(&dia, "chkLcdOFF");

    DialoguesScriptes utilisateur;
    if (entree)
        QTest::keyClick(lin, Qt::Key_Return);
    else
        Cliquer(&dia, "btnProgrammer");

    QTEST(sim.LignesRecues(), "lignes");
    const bool reussi = message == Reussite;
    QCOMPARE(utilisateur.Journal(), Fin(reussi, Titre, message));
    QCOMPARE(dia.result(), reussi ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(dia.isVisible(), !reussi);
}

void tst_diaNewID::ecranCache_data()
{
    QTest::addColumn<bool>("offAvant"); // "OFF" ticked during an earlier use
    QTest::addColumn<QString>("ligne");

    QTest::newRow("ON par défaut") << false << "J CAVE 1";
    QTest::newRow("OFF d'un usage précédent") << true << "J CAVE 0";
}

void tst_diaNewID::ecranCache()
{
    QFETCH(bool, offAvant);

    Simulateur sim;
    QVERIFY2(sim.Demarrer({"--model", "71246", "--sensors", "1"}), qPrintable(sim.Erreur()));
    CPortSerie port(sim.Lien());

    diaNewID dia(nullptr, nullptr, QStringLiteral("SALLE_1"), true);
    dia.show();
    if (offAvant)
        Cliquer(&dia, "chkLcdOFF");
    dia.reject();

    // A 71246 has no display: the box is hidden, its state is still sent.
    dia.Preparer(&port, false, QStringLiteral("CAVE"));
    dia.show();
    DialoguesScriptes utilisateur;
    Cliquer(&dia, "btnProgrammer");
    QFETCH(QString, ligne);
    QCOMPARE(sim.LignesRecues(), QStringList{ligne});
    QCOMPARE(dia.result(), int(QDialog::Accepted));
}

void tst_diaNewID::debranche()
{
    Simulateur sim;
    QVERIFY2(sim.Demarrer(), qPrintable(sim.Erreur()));
    CPortSerie port(sim.Lien());
    QVERIFY(sim.Arreter());

    diaNewID dia(nullptr, &port, QStringLiteral("DEMO"), true);
    dia.show();
    DialoguesScriptes utilisateur;
    Cliquer(&dia, "btnProgrammer");

    QCOMPARE(utilisateur.Journal(), Fin(false, Titre, NonConnecte));
    QVERIFY(sim.LignesRecues().isEmpty());
    QVERIFY(dia.isVisible());
}

VORSEN_TEST_MAIN(tst_diaNewID, Fenetres | Dpi96)
#include "tst_diaNewID.moc"
