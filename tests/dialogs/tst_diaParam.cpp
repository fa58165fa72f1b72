#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QtTest>

#include "CPortSerie.h"
#include "DialoguesScriptes.h"
#include "Environnement.h"
#include "Formulaires.h"
#include "Simulateur.h"
#include "diaParam.h"
#include "ressources.h"

// The recording parameters dialog, driven through its widgets; programming goes
// to the logger simulator, whose log tells what reached the logger.
class tst_diaParam : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void ouverture_data();
    void ouverture();
    void capteurs_data();
    void capteurs();
    void saisie_data();
    void saisie();
    void panneauProgrammable();
    void ajustable_data();
    void ajustable();
    void recalculParLesChamps_data();
    void recalculParLesChamps();
    void programmation_data();
    void programmation();
    void programmable_data();
    void programmable();
    void periodeTropLongue();
    void debranche();
    void reouverture();
};

using namespace Formulaires;

namespace
{
const QString Titre = QStringLiteral("PARAMETRAGE");
const QString DebutPasse = QStringLiteral("Le début programmé est déjà passé.");

// 15 June 2030 08:00 CEST: 7470 days and 7 hours after 1 January 2010 00:00 CET.
const QDateTime Juin2030(QDate(2030, 6, 15), QTime(8, 0));
const QString SecondesJuin2030 = QStringLiteral("645433200");

// How the confirmation hook answers.
enum Confirmation { SansQuestion, Oui, Non, OuiDebutPasse, OuiFerme };

DAC::TS_PARAMETRES Params(quint8 capteurs = 3, const QString& unite = QStringLiteral("M"),
                          quint16 frequence = 60)
{
    DAC::TS_PARAMETRES p;
    p.NbrePoints = 3000;
    p.Frequence = frequence;
    p.Unite = unite;
    p.Capteurs = capteurs;
    return p;
}

// Types text into a spin box or time edit, replacing its editable part, or
// only one section of a time edit.
void Taper(QAbstractSpinBox* s, const QString& texte,
           QDateTimeEdit::Section section = QDateTimeEdit::NoSection)
{
    s->setFocus();
    if (section == QDateTimeEdit::NoSection)
        s->selectAll();
    else
        qobject_cast<QDateTimeEdit*>(s)->setSelectedSection(section);
    QTest::keyClicks(s, texte);
}

// The logger clock's seconds at an instant: from 1 January 2010 00:00 in Paris
// (UTC+1), where the test runs.
qint64 SecondesLogger(qint64 secondesDepuis1970)
{
    return secondesDepuis1970 - 1262300400;
}
} // namespace

void tst_diaParam::initTestCase()
{
    QVERIFY2(Simulateur::Disponible(), qPrintable(Simulateur::Programme()));
}

void tst_diaParam::ouverture_data()
{
    QTest::addColumn<int>("capteurs");
    QTest::addColumn<QString>("unite");
    QTest::addColumn<int>("frequence");
    QTest::addColumn<bool>("temp");
    QTest::addColumn<bool>("humi");
    QTest::addColumn<bool>("imperial");
    QTest::addColumn<QTime>("periode");

    QTest::newRow("2 capteurs, métrique, 1 min")
        << 3 << "M" << 60 << true << true << false << QTime(0, 1);
    QTest::newRow("température, impérial, 10 s")
        << 1 << "I" << 10 << true << false << true << QTime(0, 0, 10);
    QTest::newRow("humidité, 6:59:59")
        << 2 << "M" << 25199 << false << true << false << QTime(6, 59, 59);
    QTest::newRow("période au-delà de 6:59:59")
        << 3 << "M" << 25200 << true << true << false << QTime(6, 59, 59);
    QTest::newRow("période 0 -> 1 s") << 3 << "X" << 0 << true << true << false << QTime(0, 0, 1);
}

void tst_diaParam::ouverture()
{
    QFETCH(int, capteurs);
    QFETCH(QString, unite);
    QFETCH(int, frequence);

    diaParam dia(nullptr, nullptr, Params(quint8(capteurs), unite, quint16(frequence)), true);
    dia.show();
    QTEST(Enfant<QCheckBox>(&dia, "chkCapteurTemp")->isChecked(), "temp");
    QTEST(Enfant<QCheckBox>(&dia, "chkCapteurHumi")->isChecked(), "humi");
    QTEST(Enfant<QRadioButton>(&dia, "radUniteImperial")->isChecked(), "imperial");
    QTEST(Enfant<QTimeEdit>(&dia, "timPeriode")->time(), "periode");
    // Mode and count are not taken from the logger.
    QVERIFY(Enfant<QRadioButton>(&dia, "radModeImmediat")->isChecked());
    QCOMPARE(Enfant<QSpinBox>(&dia, "spiPoints")->value(), 32);
    QVERIFY(!Enfant<QFrame>(&dia, "fraProgramme")->isVisible());
    QCOMPARE(dia.ModeCode, 1);
}

void tst_diaParam::capteurs_data()
{
    QTest::addColumn<int>("capteurs");  // in the logger's record
    QTest::addColumn<bool>("humidite"); // the logger has the sensor
    QTest::addColumn<QStringList>("clics");
    QTest::addColumn<bool>("temp");
    QTest::addColumn<bool>("humi");
    QTest::addColumn<QString>("ligneS");

    const QStringList temp{"chkCapteurTemp"};
    const QStringList humi{"chkCapteurHumi"};
    QTest::newRow("décocher température, humidité cochée")
        << 3 << true << temp << false << true << "S 60 M 1 32 2";
    QTest::newRow("décocher humidité, température cochée")
        << 3 << true << humi << true << false << "S 60 M 1 32 1";
    QTest::newRow("décocher la seule température")
        << 1 << true << temp << false << true << "S 60 M 1 32 2";
    QTest::newRow("décocher la seule humidité")
        << 2 << true << humi << true << false << "S 60 M 1 32 1";
    QTest::newRow("cocher humidité") << 1 << true << humi << true << true << "S 60 M 1 32 3";
    // A 71246: the humidity box is unticked and greyed, the temperature stays.
    QTest::newRow("sans humidité, relevé à deux capteurs")
        << 3 << false << QStringList() << true << false << "S 60 M 1 32 1";
    QTest::newRow("sans humidité, relevé d'humidité seule")
        << 2 << false << QStringList() << true << false << "S 60 M 1 32 1";
    QTest::newRow("sans humidité, décocher la température")
        << 3 << false << temp << true << false << "S 60 M 1 32 1";
    QTest::newRow("sans humidité, cliquer l'humidité")
        << 1 << false << humi << true << false << "S 60 M 1 32 1";
}

void tst_diaParam::capteurs()
{
    QFETCH(int, capteurs);
    QFETCH(bool, humidite);
    QFETCH(QStringList, clics);

    Simulateur sim;
    QVERIFY2(sim.Demarrer(), qPrintable(sim.Erreur()));
    CPortSerie port(sim.Lien());
    diaParam dia(nullptr, &port, Params(quint8(capteurs)), humidite);
    dia.show();
    for (const QString& boite : clics)
        Cliquer(&dia, boite);
    QTEST(Enfant<QCheckBox>(&dia, "chkCapteurTemp")->isChecked(), "temp");
    QTEST(Enfant<QCheckBox>(&dia, "chkCapteurHumi")->isChecked(), "humi");
    QCOMPARE(Enfant<QCheckBox>(&dia, "chkCapteurHumi")->isEnabled(), humidite);

    DialoguesScriptes utilisateur;
    Cliquer(&dia, "btnProgrammer");
    QTEST(sim.LignesRecues().value(1), "ligneS");
}

void tst_diaParam::saisie_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("champ");
    QTest::addColumn<int>("section"); // of a time field, typed over alone
    QTest::addColumn<QString>("frappe");
    QTest::addColumn<QString>("affiche"); // the field once programmed
    QTest::addColumn<QString>("ligneS");

    const int tout = QDateTimeEdit::NoSection;
    const int heures = QDateTimeEdit::HourSection;
    const int minutes = QDateTimeEdit::MinuteSection;
    // The plain fields, from 1 min and 32000 readings.
    QTest::newRow("points 45 -> 32000") << "radModeImmediat"
                                        << "spiPoints" << tout << "45"
                                        << "32000"
                                        << "S 60 M 1 32 3";
    QTest::newRow("points 100 -> 32000") << "radModeImmediat"
                                         << "spiPoints" << tout << "100"
                                         << "32000"
                                         << "S 60 M 1 32 3";
    QTest::newRow("points 0 -> 1000") << "radModeImmediat"
                                      << "spiPoints" << tout << "0"
                                      << "1000"
                                      << "S 60 M 1 1 3";
    QTest::newRow("période 12 h -> 6:59:59") << "radModeContinu"
                                             << "timPeriode" << heures << "12"
                                             << "06:59:59"
                                             << "S 25199 M 5 32 3";
    QTest::newRow("période 7 h -> 6:59:59") << "radModeContinu"
                                            << "timPeriode" << heures << "7"
                                            << "06:59:59"
                                            << "S 25199 M 5 32 3";
    QTest::newRow("période 0 -> 1 s") << "radModeContinu"
                                      << "timPeriode" << minutes << "00"
                                      << "00:00:01"
                                      << "S 1 M 5 32 3";
    // "1" alone is not yet an hour for the field: it is read as the user left it.
    QTest::newRow("période 1 h, heure inachevée") << "radModeContinu"
                                                  << "timPeriode" << heures << "1"
                                                  << "01:01:00"
                                                  << "S 3660 M 5 32 3";
    // The programmable panel, from 15 June 2030, 1 s and 1000 readings, the end
    // adjusted.
    QTest::newRow("programmable, points 45 -> 32000") << "radModeProgram"
                                                      << "spiProgPoints" << tout << "45"
                                                      << "32000"
                                                      << "S 1 M " + SecondesJuin2030 + " 32 3";
    QTest::newRow("programmable, période 7 h -> 6:59:59")
        << "radModeProgram"
        << "timProgPeriode" << heures << "7"
        << "06:59:59"
        << "S 25199 M " + SecondesJuin2030 + " 1 3";
    // 31 December 2099 23:59:59 CET, the field's last instant.
    QTest::newRow("programmable, début en 2100 -> fin 2099")
        << "radModeProgram"
        << "datProgDebut" << int(QDateTimeEdit::YearSection) << "2100"
        << "31 Dec 2099 23:59:59"
        << "S 1 M 2840140799 1 3";
}

// Typed past a field's limits, then "Programmer" at once (the button takes no
// focus): the field shows its limit and the logger gets what the field shows.
void tst_diaParam::saisie()
{
    QFETCH(QString, mode);
    QFETCH(QString, champ);
    QFETCH(int, section);
    QFETCH(QString, frappe);

    Simulateur sim;
    QVERIFY2(sim.Demarrer(), qPrintable(sim.Erreur()));
    CPortSerie port(sim.Lien());
    diaParam dia(nullptr, &port, Params(), true);
    dia.show();
    Cliquer(&dia, mode);
    if (mode == "radModeProgram") {
        Cliquer(&dia, "chkProgFin");
        Enfant<QDateTimeEdit>(&dia, "datProgDebut")->setDateTime(Juin2030);
    }
    auto* saisie = Enfant<QAbstractSpinBox>(&dia, champ);
    Taper(saisie, frappe, QDateTimeEdit::Section(section));

    DialoguesScriptes utilisateur;
    Cliquer(&dia, "btnProgrammer");
    QTEST(saisie->text(), "affiche");
    QTEST(sim.LignesRecues().value(1), "ligneS");
}

void tst_diaParam::panneauProgrammable()
{
    diaParam dia(nullptr, nullptr, Params(), true);
    dia.show();
    const QStringList simples{"timPeriode", "lblPeriode", "spiPoints", "lblPoints"};

    Cliquer(&dia, "radModeProgram");
    QVERIFY(Enfant<QFrame>(&dia, "fraProgramme")->isVisible());
    for (const QString& nom : simples)
        QVERIFY2(!Enfant<QWidget>(&dia, nom)->isVisible(), qPrintable(nom));

    Cliquer(&dia, "radModeContinu");
    QVERIFY(!Enfant<QFrame>(&dia, "fraProgramme")->isVisible());
    for (const QString& nom : simples)
        QVERIFY2(Enfant<QWidget>(&dia, nom)->isVisible(), qPrintable(nom));
}

void tst_diaParam::ajustable_data()
{
    QTest::addColumn<QString>("boite");
    QTest::addColumn<QString>("bloque");

    QTest::newRow("fin") << "chkProgFin"
                         << "datProgFin";
    QTest::newRow("période") << "chkProgPeriode"
                             << "timProgPeriode";
    QTest::newRow("nombre de points") << "chkProgPoints"
                                      << "spiProgPoints";
}

void tst_diaParam::ajustable()
{
    QFETCH(QString, boite);
    QFETCH(QString, bloque);

    diaParam dia(nullptr, nullptr, Params(), true);
    dia.show();
    Cliquer(&dia, "radModeProgram");
    // Start from another box, so that the click below really changes the tick.
    Cliquer(&dia, boite == "chkProgFin" ? "chkProgPeriode" : "chkProgFin");
    Cliquer(&dia, boite);

    int coches = 0;
    for (const char* nom : {"chkProgFin", "chkProgPeriode", "chkProgPoints"})
        coches += Enfant<QCheckBox>(&dia, nom)->isChecked();
    QCOMPARE(coches, 1);
    QVERIFY(Enfant<QCheckBox>(&dia, boite)->isChecked());
    // The panel's boxes and the mode radios live in the same group box but do
    // not exclude one another.
    QVERIFY(Enfant<QRadioButton>(&dia, "radModeProgram")->isChecked());
    for (const char* nom : {"datProgFin", "timProgPeriode", "spiProgPoints"})
        QCOMPARE(Enfant<QWidget>(&dia, nom)->isEnabled(), bloque != nom);
}

void tst_diaParam::recalculParLesChamps_data()
{
    QTest::addColumn<int>("capteurs");
    QTest::addColumn<QString>("boite");
    QTest::addColumn<int>("milliers");
    QTest::addColumn<QTime>("periode");
    QTest::addColumn<int>("fin");         // s after the start
    QTest::addColumn<int>("finAttendue"); // s after the start
    QTest::addColumn<QTime>("periodeAttendue");
    QTest::addColumn<int>("milliersAttendus");
    QTest::addColumn<int>("finApresDecalage"); // s after a start moved by one hour

    QTest::newRow("fin: température seule, 32, 1 min")
        << 1 << "chkProgFin" << 32 << QTime(0, 1) << 0 << 1920000 << QTime(0, 1) << 32 << 1920000;
    // With the end fixed, a later start shortens the period: 28400 s / 16000 -> 1 s.
    QTest::newRow("période: 2 capteurs, 32, 10 h")
        << 3 << "chkProgPeriode" << 32 << QTime(0, 0, 1) << 36000 << 32000 << QTime(0, 0, 2) << 32
        << 16000;
    QTest::newRow("points: 2 capteurs, 1 min, 1 h")
        << 3 << "chkProgPoints" << 32 << QTime(0, 1) << 3600 << 30000 << QTime(0, 1) << 1 << 30000;
    QTest::newRow("points: humidité seule, 10 s, 1 jour")
        << 2 << "chkProgPoints" << 1 << QTime(0, 0, 10) << 86400 << 90000 << QTime(0, 0, 10) << 9
        << 90000;
}

void tst_diaParam::recalculParLesChamps()
{
    QFETCH(int, capteurs);
    QFETCH(QString, boite);
    QFETCH(int, milliers);
    QFETCH(QTime, periode);
    QFETCH(int, fin);

    diaParam dia(nullptr, nullptr, Params(quint8(capteurs)), true);
    dia.show();
    Cliquer(&dia, "radModeProgram");
    Cliquer(&dia, boite);

    auto* debut = Enfant<QDateTimeEdit>(&dia, "datProgDebut");
    auto* datFin = Enfant<QDateTimeEdit>(&dia, "datProgFin");
    auto* timPeriode = Enfant<QTimeEdit>(&dia, "timProgPeriode");
    auto* spiPoints = Enfant<QSpinBox>(&dia, "spiProgPoints");

    // The user's edits, each of which re-derives the ticked quantity.
    const QDateTime S(QDate(2030, 6, 15), QTime(8, 0));
    debut->setDateTime(S);
    if (spiPoints->isEnabled())
        Taper(spiPoints, QString::number(milliers));
    if (timPeriode->isEnabled())
        timPeriode->setTime(periode);
    if (datFin->isEnabled())
        datFin->setDateTime(S.addSecs(fin));

    QCOMPARE(debut->dateTime(), S);
    QTEST(int(S.secsTo(datFin->dateTime())), "finAttendue");
    QTEST(timPeriode->time(), "periodeAttendue");
    QTEST(spiPoints->value(), "milliersAttendus");

    debut->setDateTime(S.addSecs(3600));
    QTEST(int(S.addSecs(3600).secsTo(datFin->dateTime())), "finApresDecalage");
}

void tst_diaParam::programmation_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("capteurs");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QTime>("periode");
    QTest::addColumn<int>("milliers");
    QTest::addColumn<bool>("imperial");
    QTest::addColumn<QString>("ligneS");
    QTest::addColumn<int>("nbC");
    QTest::addColumn<int>("nbS");
    QTest::addColumn<int>("modeCode");
    QTest::addColumn<bool>("reussi");

    const QStringList aucune;
    QTest::newRow("immédiat") << aucune << 3 << "radModeImmediat" << QTime(0, 0, 10) << 8 << false
                              << "S 10 M 1 8 3" << 1 << 1 << 1 << true;
    QTest::newRow("temps réel") << aucune << 3 << "radModeTempsReel" << QTime(0, 0, 1) << 32
                                << false << "S 1 M 2 32 3" << 1 << 1 << 2 << true;
    QTest::newRow("manuel, impérial, température")
        << aucune << 1 << "radModeManuel" << QTime(0, 1) << 16 << true << "S 60 I 3 16 1" << 1 << 1
        << 3 << true;
    QTest::newRow("continu, humidité, 6:59:59")
        << aucune << 2 << "radModeContinu" << QTime(6, 59, 59) << 1 << false << "S 25199 M 5 1 2"
        << 1 << 1 << 5 << true;
    QTest::newRow("S refusé puis accepté")
        << QStringList{"--fail-first", "S:1"} << 3 << "radModeImmediat" << QTime(0, 0, 10) << 8
        << false << "S 10 M 1 8 3" << 1 << 2 << 1 << true;
    QTest::newRow("S refusé deux fois")
        << QStringList{"--fail-first", "S:2"} << 3 << "radModeImmediat" << QTime(0, 0, 10) << 8
        << false << "S 10 M 1 8 3" << 1 << 2 << 1 << false;
    QTest::newRow("S sans réponse")
        << QStringList{"--no-reply", "S"} << 3 << "radModeContinu" << QTime(0, 0, 10) << 8 << false
        << "S 10 M 5 8 3" << 1 << 2 << 5 << false;
    QTest::newRow("S répondu par ?")
        << QStringList{"--question-s"} << 3 << "radModeImmediat" << QTime(0, 0, 10) << 8 << false
        << "S 10 M 1 8 3" << 1 << 1 << 1 << true;
    QTest::newRow("horloge refusée une fois")
        << QStringList{"--fail-first", "C:1"} << 3 << "radModeImmediat" << QTime(0, 0, 10) << 8
        << false << "S 10 M 1 8 3" << 2 << 1 << 1 << true;
    // The second clock attempt's result is not looked at.
    QTest::newRow("horloge refusée deux fois")
        << QStringList{"--fail-first", "C:2"} << 3 << "radModeImmediat" << QTime(0, 0, 10) << 8
        << false << "S 10 M 1 8 3" << 2 << 1 << 1 << true;
}

void tst_diaParam::programmation()
{
    QFETCH(QStringList, options);
    QFETCH(int, capteurs);
    QFETCH(QString, mode);
    QFETCH(QTime, periode);
    QFETCH(int, milliers);
    QFETCH(bool, imperial);
    QFETCH(QString, ligneS);
    QFETCH(int, nbC);
    QFETCH(int, nbS);
    QFETCH(bool, reussi);

    Simulateur sim;
    QVERIFY2(sim.Demarrer(options), qPrintable(sim.Erreur()));
    CPortSerie port(sim.Lien());

    diaParam dia(nullptr, &port, Params(quint8(capteurs)), true);
    dia.show();
    Cliquer(&dia, mode);
    Enfant<QTimeEdit>(&dia, "timPeriode")->setTime(periode);
    Taper(Enfant<QSpinBox>(&dia, "spiPoints"), QString::number(milliers));
    QCOMPARE(Enfant<QSpinBox>(&dia, "spiPoints")->value(), milliers);
    if (imperial)
        Cliquer(&dia, "radUniteImperial");

    DialoguesScriptes utilisateur;
    const qint64 avant = SecondesLogger(QDateTime::currentSecsSinceEpoch());
    Cliquer(&dia, "btnProgrammer");
    const qint64 apres = SecondesLogger(QDateTime::currentSecsSinceEpoch());

    // Clock lines first, then the parameters.
    const QStringList lignes = sim.LignesRecues();
    QCOMPARE(lignes.size(), nbC + nbS);
    for (int i = 0; i < nbC; ++i) {
        const QStringList champs = lignes[i].split(' ');
        QCOMPARE(champs.size(), 2);
        QCOMPARE(champs[0], QStringLiteral("C"));
        QVERIFY2(champs[1].toLongLong() >= avant && champs[1].toLongLong() <= apres,
                 qPrintable(lignes[i]));
    }
    for (int i = nbC; i < lignes.size(); ++i)
        QCOMPARE(lignes[i], ligneS);

    QCOMPARE(utilisateur.Journal(), Fin(reussi, Titre, reussi ? Reussite : Echec));
    QCOMPARE(dia.result(), reussi ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(dia.isVisible(), !reussi);
    QTEST(dia.ModeCode, "modeCode");
}

void tst_diaParam::programmable_data()
{
    QTest::addColumn<QDateTime>("debut"); // invalid: as the dialog opened
    QTest::addColumn<int>("confirmation");
    QTest::addColumn<int>("questions");   // times the hook was asked
    QTest::addColumn<QString>("ligneS");  // empty: nothing sent
    QTest::addColumn<QString>("message"); // empty: no message box

    const QString ligne = "S 60 M " + SecondesJuin2030 + " 16 3";
    QTest::newRow("15 juin 2030") << Juin2030 << int(SansQuestion) << 0 << ligne << Reussite;
    QTest::newRow("confirmé") << Juin2030 << int(Oui) << 1 << ligne << Reussite;
    QTest::newRow("confirmation refusée") << Juin2030 << int(Non) << 1 << QString() << QString();
    QTest::newRow("début hier") << QDateTime::currentDateTime().addDays(-1) << int(Oui) << 0
                                << QString() << DebutPasse;
    QTest::newRow("début laissé à l'ouverture")
        << QDateTime() << int(Oui) << 0 << QString() << DebutPasse;
    // The question stayed open: the start went by, or the window closed the
    // dialog (logger gone).
    QTest::newRow("début passé pendant la question")
        << Juin2030 << int(OuiDebutPasse) << 1 << QString() << DebutPasse;
    QTest::newRow("dialogue fermé pendant la question")
        << Juin2030 << int(OuiFerme) << 1 << QString() << QString();
}

void tst_diaParam::programmable()
{
    QFETCH(QDateTime, debut);
    QFETCH(int, confirmation);
    QFETCH(QString, ligneS);
    QFETCH(QString, message);

    Simulateur sim;
    QVERIFY2(sim.Demarrer(), qPrintable(sim.Erreur()));
    CPortSerie port(sim.Lien());

    diaParam dia(nullptr, &port, Params(), true);
    auto* datDebut = Enfant<QDateTimeEdit>(&dia, "datProgDebut");
    int questions = 0;
    if (confirmation != SansQuestion) {
        dia.setConfirmation([&]() {
            ++questions;
            // Before anything reaches the logger, the clock included.
            [&] { QVERIFY(sim.LignesRecues().isEmpty()); }();
            if (confirmation == OuiDebutPasse)
                datDebut->setDateTime(QDateTime::currentDateTime().addSecs(-60));
            else if (confirmation == OuiFerme)
                dia.reject();
            return confirmation != Non;
        });
    }
    dia.show();
    Cliquer(&dia, "radModeProgram");
    Cliquer(&dia, "chkProgFin");
    if (debut.isValid())
        datDebut->setDateTime(debut);
    Taper(Enfant<QSpinBox>(&dia, "spiProgPoints"), QStringLiteral("16"));
    Enfant<QTimeEdit>(&dia, "timProgPeriode")->setTime(QTime(0, 1));
    // The plain period and count are not what is sent.
    Enfant<QTimeEdit>(&dia, "timPeriode")->setTime(QTime(0, 0, 5));

    DialoguesScriptes utilisateur;
    Cliquer(&dia, "btnProgrammer");
    QTEST(questions, "questions");
    if (ligneS.isEmpty())
        QVERIFY(sim.LignesRecues().isEmpty());
    else
        QCOMPARE(sim.LignesRecues().value(1), ligneS);

    const bool reussi = message == Reussite;
    if (message.isEmpty()) {
        QVERIFY(utilisateur.Demandes.isEmpty());
    } else {
        QCOMPARE(utilisateur.Journal(), Fin(reussi, Titre, message));
    }
    // Refused: the dialog stays open as it was, mode included.
    QCOMPARE(dia.result(), reussi ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(dia.isVisible(), !reussi && confirmation != OuiFerme);
    QVERIFY(Enfant<QRadioButton>(&dia, "radModeProgram")->isChecked());
    QCOMPARE(dia.ModeCode, reussi ? 4 : 1);
}

void tst_diaParam::periodeTropLongue()
{
    Simulateur sim;
    QVERIFY2(sim.Demarrer({"--period", "30000", "--sensors", "1"}), qPrintable(sim.Erreur()));
    CPortSerie port(sim.Lien());
    QVERIFY(port.Ouvrir());
    DAC::TS_PARAMETRES lus;
    QVERIFY(port.LireParametres(&lus));
    QCOMPARE(lus.Frequence, quint16(30000));

    diaParam dia(nullptr, &port, lus, true);
    dia.show();
    QCOMPARE(Enfant<QTimeEdit>(&dia, "timPeriode")->time(), QTime(6, 59, 59));

    DialoguesScriptes utilisateur;
    Cliquer(&dia, "btnProgrammer");
    QCOMPARE(sim.LignesRecues().last(), QStringLiteral("S 25199 M 1 32 1"));
    QCOMPARE(dia.result(), int(QDialog::Accepted));
}

void tst_diaParam::debranche()
{
    Simulateur sim;
    QVERIFY2(sim.Demarrer(), qPrintable(sim.Erreur()));
    CPortSerie port(sim.Lien());
    QVERIFY(sim.Arreter()); // unplugged: the link is gone

    diaParam dia(nullptr, &port, Params(), true);
    int questions = 0;
    dia.setConfirmation([&questions] {
        ++questions;
        return true;
    });
    dia.show();
    DialoguesScriptes utilisateur;
    Cliquer(&dia, "btnProgrammer");

    QCOMPARE(questions, 0);
    QCOMPARE(utilisateur.Journal(), Fin(false, Titre, NonConnecte));
    QVERIFY(sim.LignesRecues().isEmpty());
    QVERIFY(dia.isVisible());
}

void tst_diaParam::reouverture()
{
    Simulateur premier;
    QVERIFY2(premier.Demarrer(), qPrintable(premier.Erreur()));
    CPortSerie ancien(premier.Lien());
    diaParam dia(nullptr, &ancien, Params(3), true);
    // Set once by the window: asked in any mode, after any reopening.
    int questions = 0;
    dia.setConfirmation([&questions] {
        ++questions;
        return true;
    });
    dia.show();
    Cliquer(&dia, "radModeContinu");
    Cliquer(&dia, "radUniteImperial");
    dia.reject();

    // Another logger: its port and record, the widgets as the user left them.
    Simulateur second;
    QVERIFY2(second.Demarrer(), qPrintable(second.Erreur()));
    CPortSerie nouveau(second.Lien());
    dia.SetParams(&nouveau, Params(1, QStringLiteral("M"), 10));
    dia.show();
    QVERIFY(Enfant<QRadioButton>(&dia, "radModeContinu")->isChecked());
    QVERIFY(Enfant<QRadioButton>(&dia, "radUniteImperial")->isChecked());
    QCOMPARE(Enfant<QTimeEdit>(&dia, "timPeriode")->time(), QTime(0, 1));

    DialoguesScriptes utilisateur;
    Cliquer(&dia, "btnProgrammer");
    QVERIFY(premier.LignesRecues().isEmpty());
    QCOMPARE(second.LignesRecues().last(), QStringLiteral("S 60 I 5 32 3"));
    QCOMPARE(dia.ModeCode, 5);
    QCOMPARE(questions, 1);
}

VORSEN_TEST_MAIN(tst_diaParam, Fenetres | Dpi96)
#include "tst_diaParam.moc"
