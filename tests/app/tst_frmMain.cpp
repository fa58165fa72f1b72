#include "ClesReglages.h"
#include "Emplacements.h"
#include "frmAnalyse.h"
#include "frmMain.h"
#include "frmMesure.h"

#include <QDateTimeEdit>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

// Receives what the program asks the desktop to open.
class Bureau : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> ouverts;
public slots:
    void ouvrir(const QUrl& url) { ouverts << url; }
};

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

int main(int argc, char* argv[])
{
    QTemporaryDir maison;
    qputenv("HOME", maison.path().toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vorsen"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorsen_Logger"));
    // The program's folder must not hold translations or manuals that shadow the embedded ones.
    QDir::setCurrent(maison.path());
    tst_frmMain t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_frmMain.moc"
