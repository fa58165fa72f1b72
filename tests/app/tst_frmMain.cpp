#include "ClesReglages.h"
#include "DAC.h"
#include "DialoguesScriptes.h"
#include "Emplacements.h"
#include "Environnement.h"
#include "LangueInitiale.h"
#include "clsAnalyse.h"
#include "clsSerie.h"
#include "diaAlarmes.h"
#include "diaMajComment.h"
#include "diaNewID.h"
#include "diaParam.h"
#include "diaSaveCourbe.h"
#include "diaSelectColonne.h"
#include "frmAnalyse.h"
#include "frmMain.h"
#include "frmMesure.h"
#include "prmTableWidget.h"

#include <QDateTimeEdit>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <qwt_plot.h>
#include <qwt_scale_div.h>

// Receives what the program asks the desktop to open.
class Bureau : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> ouverts;
public slots:
    void ouvrir(const QUrl& url) { ouverts << url; }
};

// A recording of `capteurs` (1 temperature, 3 both) in `dossier`, as a download
// saves it.
bool EcrireEnregistrement(const QString& dossier, const QString& nom, int capteurs)
{
    clsSerie serie;
    serie.NbrePoints = 0;
    serie.Infos.Appareil = 1;
    serie.Infos.Frequence = 60;
    serie.Infos.DateDebut = 1767268800;
    serie.Infos.Capteurs = capteurs;
    for (int i = 0; i < 20; ++i)
        serie.AjouterPoint(1767268800u + uint(60 * i), 200 + i, 500 - i);
    return serie.Sauvegarder(nom, dossier);
}

class tst_frmMain : public QObject
{
    Q_OBJECT

private:
    QToolButton* bouton(frmMain& f, const char* nom)
    {
        return f.findChild<QToolButton*>(QLatin1String(nom));
    }

private slots:
    void init() { QSettings().clear(); }

    void titre()
    {
        frmMain f;
        QCOMPARE(f.windowTitle(), QStringLiteral("Vorsen Logger V1.3"));
    }

    void langueAuDemarrage_data()
    {
        QTest::addColumn<QVariant>("stockee");
        QTest::addColumn<bool>("francais");
        QTest::addColumn<QString>("texteQuitter");
        QTest::newRow("first start") << QVariant() << false << "Quit";
        QTest::newRow("english") << QVariant(0) << false << "Quit";
        QTest::newRow("french") << QVariant(1) << true << "Quitter";
        QTest::newRow("unknown code") << QVariant(5) << false << "Quit";
        QTest::newRow("not a number") << QVariant("abc") << false << "Quit";
    }
    void langueAuDemarrage()
    {
        QFETCH(QVariant, stockee);
        QFETCH(bool, francais);
        QFETCH(QString, texteQuitter);
        if (stockee.isValid())
            QSettings().setValue(ClesReglages::Langue, stockee);
        frmMain f;
        QCOMPARE(f.Langue(), francais ? FRANCAIS : ANGLAIS);
        QCOMPARE(bouton(f, "btnLangueFrancais")->isChecked(), francais);
        QCOMPARE(bouton(f, "btnLangueAnglais")->isChecked(), !francais);
        QCOMPARE(bouton(f, "btnAcquisition")->isChecked(), true);
        QCOMPARE(bouton(f, "btnQuitter")->text(), texteQuitter);
    }

    void changementDeLangue()
    {
        {
            frmMain f;
            bouton(f, "btnLangueFrancais")->click();
            QCOMPARE(f.Langue(), FRANCAIS);
            QCOMPARE(bouton(f, "btnQuitter")->text(), QStringLiteral("Quitter"));
            QCOMPARE(bouton(f, "btnHelp")->toolTip(), QStringLiteral("Manuel d'utilisation"));
            QCOMPARE(QSettings().value(ClesReglages::Langue).toInt(), 1);
            // Date editors (the programming dialogs') name months in the language.
            QDateTimeEdit date(QDateTime(QDate(2026, 3, 4), QTime(9, 0)));
            date.setDisplayFormat(QStringLiteral("d MMMM yyyy"));
            QCOMPARE(date.text(), QStringLiteral("4 mars 2026"));
        }
        {
            // The choice survives a restart.
            frmMain f;
            QCOMPARE(f.Langue(), FRANCAIS);
            QVERIFY(bouton(f, "btnLangueFrancais")->isChecked());
            bouton(f, "btnLangueAnglais")->click();
            QCOMPARE(bouton(f, "btnQuitter")->text(), QStringLiteral("Quit"));
            QCOMPARE(bouton(f, "btnHelp")->toolTip(), QStringLiteral("User manual"));
            QCOMPARE(QSettings().value(ClesReglages::Langue).toInt(), 0);
            QCOMPARE(QLocale().toString(1500.5, 'f', 1), QStringLiteral("1,500.5"));
        }
    }

    void vues()
    {
        frmMain f;
        auto* mesure = f.findChild<frmMesure*>();
        auto* analyse = f.findChild<frmAnalyse*>();
        QVERIFY(mesure && analyse);
        QVERIFY(mesure->isVisible());
        QVERIFY(!analyse->isVisible());

        bouton(f, "btnAnalyse")->click();
        QVERIFY(!mesure->isVisible());
        QVERIFY(analyse->isVisible());
        QVERIFY(bouton(f, "btnAnalyse")->isChecked());
        QVERIFY(!bouton(f, "btnAcquisition")->isChecked());

        bouton(f, "btnAcquisition")->click();
        QVERIFY(mesure->isVisible());
        QVERIFY(!analyse->isVisible());
    }

    // The temperature unit chosen in the analysis's palette page: both views
    // show it at once, and again at the next start.
    void uniteDesTemperatures()
    {
        QTemporaryDir dossier;
        QVERIFY(EcrireEnregistrement(dossier.path(), "essai", 3)); // 20.0 to 21.9 °C
        const auto degres = [](double valeur) {
            return QLocale().toString(valeur, 'f', 1) + QStringLiteral(" \u00B0F");
        };
        {
            frmMain f;
            f.OuvrirFichiers({dossier.filePath("essai.ail")});
            auto* analyse = f.findChild<frmAnalyse*>();
            QwtPlot* graphe = f.findChild<frmMesure*>()->findChild<QwtPlot*>("m_qPlot");
            analyse->findChild<QRadioButton*>("radUniteFahrenheit")->click();
            QCOMPARE(QSettings().value(ClesReglages::UniteTemperature).toInt(), 1);

            // Minimum and maximum as temperatures, the spread (1.9 °C) as a difference.
            const auto* legende = analyse->findChild<prmTableWidget*>("tabLegende");
            QCOMPARE(legende->item(0, COL_MINIMUM)->text(), degres(68.0));
            QCOMPARE(legende->item(0, COL_MAXIMUM)->text(), degres(71.4));
            QCOMPARE(legende->item(0, COL_ETENDUE)->text(), degres(3.4));
            // The hidden measurement view divided its temperature axis again: every
            // 20 °C were 36 °F apart, the ticks now fall on tens of °F.
            graphe->updateAxes();
            const QList<double> ticks =
                graphe->axisScaleDiv(QwtPlot::yLeft).ticks(QwtScaleDiv::MajorTick);
            QVERIFY(ticks.size() >= 3);
            for (double tick : ticks) {
                const double f = tick * 9 / 5 + 320; // tenths of °F
                QVERIFY2(qAbs(f - 100 * qRound(f / 100)) < 1e-6, qPrintable(QString::number(f)));
            }
        }
        {
            frmMain f;
            QCOMPARE(UniteAffichage(), FAHRENHEIT);
            QVERIFY(f.findChild<QRadioButton*>("radUniteFahrenheit")->isChecked());
        }
        QSettings().clear();
        frmMain f; // back to °C for the tests after this one
        QCOMPARE(UniteAffichage(), CELSIUS);
    }

    // Qt's own texts (message box buttons, file dialog) follow the language too.
    void textesDeQt()
    {
        frmMain f;
        const auto oui = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
        QCOMPARE(oui(), QStringLiteral("&Yes"));
        bouton(f, "btnLangueFrancais")->click();
        QCOMPARE(oui(), QStringLiteral("&Oui"));
        bouton(f, "btnLangueAnglais")->click();
        QCOMPARE(oui(), QStringLiteral("&Yes"));
    }

    void langueInitiale_data()
    {
        QTest::addColumn<QVariant>("stockee");
        QTest::addColumn<QString>("systeme");
        QTest::addColumn<bool>("francais");
        QTest::newRow("stored French, English system") << QVariant(1) << "en-US" << true;
        QTest::newRow("stored English, French system") << QVariant(0) << "fr-FR" << false;
        QTest::newRow("stored unknown code") << QVariant(5) << "fr-FR" << false;
        QTest::newRow("first start, France") << QVariant() << "fr-FR" << true;
        QTest::newRow("first start, Quebec (POSIX name)") << QVariant() << "fr_CA" << true;
        QTest::newRow("first start, French alone") << QVariant() << "fr" << true;
        QTest::newRow("first start, Friulian") << QVariant() << "fur-IT" << false;
        QTest::newRow("first start, Germany") << QVariant() << "de-DE" << false;
        QTest::newRow("first start, C locale") << QVariant() << "C" << false;
        QTest::newRow("first start, nothing known") << QVariant() << "" << false;
    }
    void langueInitiale()
    {
        QFETCH(QVariant, stockee);
        QFETCH(QString, systeme);
        QFETCH(bool, francais);
        QCOMPARE(LangueInitiale(stockee, systeme), francais ? FRANCAIS : ANGLAIS);
    }

    // The real program, without any display: it answers before needing one.
    void ligneDeCommande_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("sortie");  // expected in the standard output
        QTest::addColumn<QString>("erreurs"); // expected in the standard error
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "--port <PATH>"
                                << "";
        QTest::newRow("-h") << QStringList{"-h"} << 0 << "[FILE.ail...]"
                            << "";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << "Vorsen_Logger 1.3\n"
                                   << "";
        QTest::newRow("Qt's own options pass")
            << QStringList{"-style", "Fusion", "-v"} << 0 << "Vorsen_Logger 1.3\n"
            << "";
        QTest::newRow("unknown option")
            << QStringList{"--bavard", "x.ail"} << 2 << ""
            << "Vorsen_Logger: Unknown option 'bavard'.\nTry 'Vorsen_Logger --help'";
        QTest::newRow("missing value") << QStringList{"--port"} << 2 << ""
                                       << "Missing value after '--port'.";
    }
    void ligneDeCommande()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, sortie);
        QFETCH(QString, erreurs);
        QProcess programme;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* nom : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(nom));
        programme.setProcessEnvironment(env);
        programme.start(QStringLiteral(VORSEN_BIN_DIR "/Vorsen_Logger"), arguments);
        QVERIFY(programme.waitForFinished(-1));
        const QString out = QString::fromLocal8Bit(programme.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(programme.readAllStandardError());
        QCOMPARE(programme.exitStatus(), QProcess::NormalExit);
        QVERIFY2(programme.exitCode() == code, qPrintable(out + err));
        QVERIFY2(sortie.isEmpty() ? out.isEmpty() : out.contains(sortie), qPrintable(out));
        QVERIFY2(erreurs.isEmpty() ? err.isEmpty() : err.contains(erreurs), qPrintable(err));
        QVERIFY(!out.contains(QLatin1String("platform"))); // Qt's options stay unlisted
    }

    void langueCouranteNeRienEcrit()
    {
        frmMain f;
        bouton(f, "btnLangueAnglais")->click();
        QVERIFY(!QSettings().contains(ClesReglages::Langue));
    }

    void dossierDeDonnees_data()
    {
        QTest::addColumn<QVariant>("stocke");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("absent") << QVariant() << QDir::homePath();
        QTest::newRow("empty") << QVariant(QString()) << QDir::homePath();
        QTest::newRow("kept") << QVariant("/srv/mesures") << "/srv/mesures";
    }
    void dossierDeDonnees()
    {
        QFETCH(QVariant, stocke);
        QFETCH(QString, attendu);
        if (stocke.isValid())
            QSettings().setValue(ClesReglages::CheminDatas, stocke);
        frmMain f;
        QCOMPARE(f.CheminDatas(), attendu);
    }

    void formats_data()
    {
        QTest::addColumn<int>("langue");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("dateHeure");
        QTest::addColumn<QString>("heure");
        QTest::newRow("english") << 0 << " MM/dd/yyyy"
                                 << " MM/dd/yyyy\n h:mm:ss AP"
                                 << "h:mm:ss AP";
        QTest::newRow("french") << 1 << " dd/MM/yyyy"
                                << " dd/MM/yyyy\n  hh:mm:ss"
                                << "hh:mm:ss";
        QTest::newRow("unknown") << 7 << " MM/dd/yyyy"
                                 << " MM/dd/yyyy\n h:mm:ss AP"
                                 << "h:mm:ss AP";
    }
    void formats()
    {
        QFETCH(int, langue);
        QSettings().setValue(ClesReglages::Langue, langue);
        frmMain f;
        QTEST(f.FormatDate(), "date");
        QTEST(f.FormatDateHeure(), "dateHeure");
        QTEST(f.FormatHeure(), "heure");
    }

    void barreDeProgression()
    {
        frmMain f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        auto* barre = f.findChild<QProgressBar*>(QStringLiteral("pbaProgression"));
        auto* message = f.findChild<QLabel*>(QStringLiteral("lblProgression"));
        QVERIFY(barre && message);
        QVERIFY(!barre->isVisible());

        f.SLOT_StopPbar(); // hidden: nothing to do
        QVERIFY(!barre->isVisible());

        f.SLOT_StartPbar(QStringLiteral("Téléchargement"), 10, 20);
        QVERIFY(barre->isVisible());
        QCOMPARE(barre->value(), 10);
        QVERIFY(message->isVisible());
        QCOMPARE(message->text(), QStringLiteral("Téléchargement"));

        f.SLOT_SetPbarValue(25);
        QCOMPARE(barre->value(), 20);
        f.SLOT_IncrPbar();
        QCOMPARE(barre->value(), 20);
        f.SLOT_SetPbarValue(3);
        QCOMPARE(barre->value(), 10);
        f.SLOT_IncrPbar();
        QCOMPARE(barre->value(), 11);

        f.SLOT_StopPbar();
        QVERIFY(!barre->isVisible());
        QVERIFY(!message->isVisible());

        f.SLOT_StartPbar(QStringLiteral("Export"), 0, 5);
        QVERIFY(barre->isVisible());
        QCOMPARE(barre->minimum(), 0);
        QCOMPARE(barre->maximum(), 5);
        QCOMPARE(barre->value(), 0);

        // The measurement window's line stands beside the bar until it goes.
        auto* ligne = f.findChild<QLabel*>(QStringLiteral("lblMessage"));
        QVERIFY(ligne && !ligne->isVisible());
        f.SLOT_Message(QStringLiteral("Impossible d'écrire la sauvegarde automatique dans /x."));
        QVERIFY(ligne->isVisible() && barre->isVisible());
        QCOMPARE(ligne->text(),
                 QStringLiteral("Impossible d'écrire la sauvegarde automatique dans /x."));
        f.SLOT_Message(QString());
        QVERIFY(!ligne->isVisible());
    }

    void manuel_data()
    {
        QTest::addColumn<int>("langue");
        QTest::addColumn<QString>("fichier");
        QTest::newRow("french") << 1 << "Vorsen_Logger_Manuel_fr.pdf";
        QTest::newRow("english") << 0 << "Vorsen_Logger_Manuel_en.pdf";
        QTest::newRow("other") << 3 << "Vorsen_Logger_Manuel_en.pdf";
    }
    void manuel()
    {
        QFETCH(int, langue);
        QFETCH(QString, fichier);
        QTemporaryDir dossier;
        const QString ancien = QDir::currentPath();
        QDir::setCurrent(dossier.path());
        QFile pdf(dossier.filePath(fichier));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.close();

        Bureau bureau;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &bureau, "ouvrir");
        QSettings().setValue(ClesReglages::Langue, langue);
        {
            frmMain f;
            bouton(f, "btnHelp")->click();
        }
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QDir::setCurrent(ancien);
        QCOMPARE(bureau.ouverts.size(), 1);
        QCOMPARE(bureau.ouverts.first().toLocalFile(), dossier.filePath(fichier));
    }

    // The offscreen platform opens nothing: like a desktop without a PDF viewer.
    void manuelSansVisionneuse()
    {
        QTemporaryDir dossier;
        const QString ancien = QDir::currentPath();
        QDir::setCurrent(dossier.path());
        const QString pdf = dossier.filePath("Vorsen_Logger_Manuel_fr.pdf");
        QFile(pdf).open(QIODevice::WriteOnly);
        QSettings().setValue(ClesReglages::Langue, 1);
        DialoguesScriptes utilisateur;
        QString titre;
        bool contenu = false; // the main window's boxes are its content's (style sheet)
        {
            frmMain f;
            bouton(f, "btnHelp")->click();
            titre = f.windowTitle();
            contenu = utilisateur.Demandes.value(0).Parent == f.centralWidget();
        }
        QDir::setCurrent(ancien);
        QCOMPARE(utilisateur.Journal(),
                 QStringList{"information|" + titre + "|Le manuel se trouve dans " + pdf + "."});
        QVERIFY(contenu);
    }

    // Files named on the command line: each recording with the channels it holds.
    void fichiersOuverts()
    {
        QTemporaryDir dossier;
        QVERIFY(EcrireEnregistrement(dossier.path(), "deux", 3));
        QVERIFY(EcrireEnregistrement(dossier.path(), "temperature", 1));
        DialoguesScriptes utilisateur;
        frmMain f;
        f.OuvrirFichiers({dossier.filePath("deux.ail"), dossier.filePath("absent.ail"),
                          dossier.filePath("temperature.ail")});
        auto* analyse = f.findChild<frmAnalyse*>();
        QVERIFY(bouton(f, "btnAnalyse")->isChecked());
        QVERIFY(!f.findChild<frmMesure*>()->isVisibleTo(&f));
        QVERIFY(analyse->isVisibleTo(&f));
        QList<int> mesures;
        for (const clsAnalyse* entree : analyse->Entrees())
            mesures << entree->Mesure();
        QCOMPARE(mesures, (QList<int>{1, 2, 1}));
        QCOMPARE(utilisateur.Demandes.size(), 1);
        const QString vu = utilisateur.Demandes.first().Texte;
        QVERIFY2(vu.contains(dossier.filePath("absent.ail")), qPrintable(vu));
        // The analysis goes on as after "Ajouter une courbe": legend, report, more curves.
        QVERIFY(analyse->findChild<QWidget*>("tabLegende")->isVisibleTo(analyse));
        QVERIFY(bouton(f, "btnRapport")->isEnabled());
        QVERIFY(bouton(f, "btnOpen")->isEnabled());
    }

    // Each shortcut in the real window: the button it clicks, the window that
    // opens, asked for by the program's content (which carries its style sheet),
    // or nothing when the view it belongs to is hidden.
    void raccourcis_data()
    {
        QTest::addColumn<QString>("vue"); // the view button clicked first
        QTest::addColumn<QKeySequence>("touche");
        QTest::addColumn<QStringList>("cliques");
        QTest::addColumn<QStringList>("dialogues");
        QTest::addColumn<bool>("fermee");
        const QString mesure = "btnAcquisition", analyse = "btnAnalyse";
        QTest::newRow("F1: the manual")
            << mesure << QKeySequence(Qt::Key_F1) << QStringList{"btnHelp"}
            << QStringList{"information"} << false;
        QTest::newRow("Ctrl+S: save the download")
            << mesure << QKeySequence("Ctrl+S") << QStringList{"btnSave"} << QStringList() << false;
        QTest::newRow("Ctrl+S in the analysis: nothing")
            << analyse << QKeySequence("Ctrl+S") << QStringList() << QStringList() << false;
        QTest::newRow("Ctrl+O: add a curve")
            << analyse << QKeySequence("Ctrl+O") << QStringList{"btnOpen"} << QStringList{"ouvrir"}
            << false;
        QTest::newRow("Ctrl+O in the measurement: nothing")
            << mesure << QKeySequence("Ctrl+O") << QStringList() << QStringList() << false;
        QTest::newRow("Ctrl+P: print the graph")
            << analyse << QKeySequence("Ctrl+P") << QStringList{"btnImprimer"}
            << QStringList{"imprimer"} << false;
        QTest::newRow("Ctrl+Q: quit")
            << analyse << QKeySequence("Ctrl+Q") << QStringList() << QStringList() << true;
    }
    void raccourcis()
    {
        QFETCH(QString, vue);
        QFETCH(QKeySequence, touche);
        QTemporaryDir dossier;
        QVERIFY(EcrireEnregistrement(dossier.path(), "essai", 3));
        // F1 finds the manual in the working folder, and offscreen no viewer opens it.
        for (const char* langue : {"fr", "en"})
            QFile(QStringLiteral("Vorsen_Logger_Manuel_%1.pdf").arg(langue))
                .open(QIODevice::WriteOnly);

        DialoguesScriptes utilisateur;
        frmMain f;
        f.OuvrirFichiers({dossier.filePath("essai.ail")}); // "Ajouter une courbe", "Imprimer"
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QStringList cliques;
        for (const char* nom : {"btnHelp", "btnSave", "btnOpen", "btnImprimer"}) {
            auto* b = bouton(f, nom);
            QVERIFY2(b, nom);
            connect(b, &QAbstractButton::clicked, [&cliques, nom] { cliques << nom; });
        }
        bouton(f, qPrintable(vue))->click();
        bouton(f, "btnSave")->setEnabled(true); // as after a download

        QTest::keySequence(&f, touche);
        QTEST(cliques, "cliques");
        QStringList dialogues;
        for (const DialoguesScriptes::Demande& demande : qAsConst(utilisateur.Demandes)) {
            dialogues << demande.Genre;
            QVERIFY(demande.Parent && demande.Parent->style() != QApplication::style());
        }
        QTEST(dialogues, "dialogues");
        QTEST(!f.isVisible(), "fermee");
        // The program's style sheet is its windows' content's, not the
        // application's nor the main window's (Qt's dialogs are its children).
        QVERIFY(qApp->styleSheet().isEmpty());
        QVERIFY(f.styleSheet().isEmpty());
        QVERIFY(!f.centralWidget()->styleSheet().isEmpty());
    }

    // Screen readers say a button's text; an icon-only button says its name.
    void nomsAccessibles()
    {
        QTemporaryDir dossier;
        QVERIFY(EcrireEnregistrement(dossier.path(), "essai", 3));
        frmMain f;
        f.OuvrirFichiers({dossier.filePath("essai.ail")}); // the legend's row buttons
        DAC::TS_PARAMETRES parametres{};
        QWidget* vue = f.findChild<frmMesure*>();
        const QList<QWidget*> fenetres{
            &f,
            new diaParam(vue, nullptr, parametres, true),
            new diaAlarmes(vue, nullptr, true, "SALLE_1"),
            new diaNewID(vue, nullptr, "SALLE_1", true),
            new diaSaveCourbe(vue, dossier.path(), "SALLE_1", QString()),
            new diaMajComment(vue, QString()),
            new diaSelectColonne(vue, f.findChild<prmTableWidget*>("tabLegende"))};
        int iconesSeules = 0;
        for (QWidget* fenetre : fenetres)
            for (QAbstractButton* b : fenetre->findChildren<QAbstractButton*>()) {
                if (b->icon().isNull() || !b->text().isEmpty() || !b->isVisibleTo(fenetre))
                    continue;
                ++iconesSeules;
                QVERIFY2(!b->accessibleName().isEmpty(),
                         qPrintable(b->objectName() + " " + b->toolTip()));
            }
        QVERIFY(iconesSeules >= 8); // the header's four, the legend row's four
    }

    void premierExistant()
    {
        QTemporaryDir a, b;
        QFile(b.filePath("x.qm")).open(QIODevice::WriteOnly);
        QFile(a.filePath("y.qm")).open(QIODevice::WriteOnly);
        QDir(a.path()).mkdir("x.qm"); // a folder of that name does not count
        const QStringList dossiers{a.path(), b.path()};
        QCOMPARE(Emplacements::PremierExistant(dossiers, "x.qm"), b.filePath("x.qm"));
        QCOMPARE(Emplacements::PremierExistant(dossiers, "y.qm"), a.filePath("y.qm"));
        QCOMPARE(Emplacements::PremierExistant(dossiers, "z.qm"), QString());
    }
};

VORSEN_TEST_MAIN(tst_frmMain, Fenetres | DossierMaison)

#include "tst_frmMain.moc"
