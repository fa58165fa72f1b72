// The save dialog driven offscreen: its buttons are clicked as a user would, and
// its file dialog answered by the scripted user.
#include "DialoguesScriptes.h"
#include "Environnement.h"
#include "diaSaveCourbe.h"

#include <QCheckBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

namespace
{

// Clicks a check box on its indicator (the box may be wider than its text).
void Cocher(QCheckBox* boite)
{
    QTest::mouseClick(boite, Qt::LeftButton, Qt::NoModifier, QPoint(8, boite->height() / 2));
}

} // namespace

// ExportDemande() and its like.
using Accesseur = bool (diaSaveCourbe::*)() const;
Q_DECLARE_METATYPE(Accesseur)

class tst_diaSaveCourbe : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void proposition_data();
    void proposition();
    void choixFichier_data();
    void choixFichier();
    void sortir();
    void casesACocher_data();
    void casesACocher();

private:
    template <typename T> T* Enfant(QWidget& parent, const char* nom)
    {
        return parent.findChild<T*>(QLatin1String(nom));
    }

    std::unique_ptr<QTemporaryDir> m_Dossier;
};

void tst_diaSaveCourbe::init()
{
    m_Dossier = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Dossier->isValid());
}

void tst_diaSaveCourbe::proposition_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("commentaire");
    QTest::newRow("new recording") << QStringLiteral("New") << QString();
    QTest::newRow("saved recording")
        << QStringLiteral("essai") << QStringLiteral("Chambre froide\nporte ouverte");
}

void tst_diaSaveCourbe::proposition()
{
    QFETCH(QString, nom);
    QFETCH(QString, commentaire);

    const QString dossier = m_Dossier->path();
    diaSaveCourbe dia(nullptr, dossier, nom, commentaire);
    dia.open();
    QVERIFY(QTest::qWaitForWindowExposed(&dia));
    QCOMPARE(Enfant<QTextEdit>(dia, "txtCommentaire")->toPlainText(), commentaire);
    QCOMPARE(dia.Commentaire(), commentaire);

    // Cancelling the file dialog keeps the save dialog open and unchanged.
    DialoguesScriptes utilisateur;
    QTest::mouseClick(Enfant<QToolButton>(dia, "btnSave"), Qt::LeftButton);
    const QString propose = dossier + QLatin1Char('/') + nom + QStringLiteral(".ail");
    QCOMPARE(utilisateur.Journal(),
             QStringList(QStringLiteral("enregistrer|") + propose + QLatin1Char('|') + propose));
    QCOMPARE(utilisateur.Demandes.at(0).FiltresProposes, QStringLiteral("Logger (*.ail)"));
    QVERIFY(dia.isVisible());
    QCOMPARE(dia.result(), 0);
    QCOMPARE(dia.Chemin(), QDir(dossier).absolutePath());
    QCOMPARE(dia.Nom(), nom);

    // The comment is typed in.
    QTest::keyClicks(Enfant<QTextEdit>(dia, "txtCommentaire"), QStringLiteral(" (B)"));
    QCOMPARE(dia.Commentaire(), commentaire + QStringLiteral(" (B)"));
}

void tst_diaSaveCourbe::choixFichier_data()
{
    QTest::addColumn<QString>("sousDossier");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("nom");

    QTest::newRow("proposed folder")
        << QString() << QStringLiteral("essai.ail") << QStringLiteral("essai");
    QTest::newRow("cut at the first dot")
        << QString() << QStringLiteral("essai.old.ail") << QStringLiteral("essai");
    QTest::newRow("no extension typed")
        << QString() << QStringLiteral("mesure") << QStringLiteral("mesure");
    QTest::newRow("other folder") << QStringLiteral("ailleurs") << QStringLiteral("cave.ail")
                                  << QStringLiteral("cave");
}

void tst_diaSaveCourbe::choixFichier()
{
    QFETCH(QString, sousDossier);
    QFETCH(QString, tape);
    QFETCH(QString, nom);

    QString dossier = m_Dossier->path();
    if (!sousDossier.isEmpty()) {
        QVERIFY(QDir(dossier).mkdir(sousDossier));
        dossier += QLatin1Char('/') + sousDossier;
    }
    diaSaveCourbe dia(nullptr, m_Dossier->path(), QStringLiteral("New"), QString());
    dia.open();
    QVERIFY(QTest::qWaitForWindowExposed(&dia));
    const QString chemin = dossier + QLatin1Char('/') + tape;
    DialoguesScriptes utilisateur;
    utilisateur.Fichiers << chemin;
    QTest::mouseClick(Enfant<QToolButton>(dia, "btnSave"), Qt::LeftButton);

    QCOMPARE(utilisateur.Demandes.size(), 1);
    QCOMPARE(dia.result(), int(QDialog::Accepted));
    QVERIFY(!dia.isVisible());
    QCOMPARE(dia.Chemin(), QDir(dossier).absolutePath());
    QCOMPARE(dia.Nom(), nom);
    // The dialog itself writes nothing.
    QVERIFY(!QFileInfo::exists(chemin));
}

void tst_diaSaveCourbe::sortir()
{
    diaSaveCourbe dia(nullptr, m_Dossier->path(), QStringLiteral("New"), QString());
    dia.open();
    QVERIFY(QTest::qWaitForWindowExposed(&dia));
    QTest::mouseClick(Enfant<QToolButton>(dia, "btnSortir"), Qt::LeftButton);
    QCOMPARE(dia.result(), int(QDialog::Rejected));
    QVERIFY(!dia.isVisible());
    QCOMPARE(QDir(m_Dossier->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList());
}

void tst_diaSaveCourbe::casesACocher_data()
{
    // An export box and the option it enables, with what the dialog answers.
    QTest::addColumn<QString>("caseExport");
    QTest::addColumn<QString>("caseOption");
    QTest::addColumn<Accesseur>("exportDemande");
    QTest::addColumn<Accesseur>("optionDemandee");
    QTest::newRow("workbook, opened at the end")
        << "chkExcel"
        << "chkOpenXls" << &diaSaveCourbe::ExportDemande << &diaSaveCourbe::OuvertureDemandee;
    QTest::newRow("CSV, times in UTC")
        << "chkCsv"
        << "chkCsvUtc" << &diaSaveCourbe::ExportCsvDemande << &diaSaveCourbe::CsvUtc;
}

void tst_diaSaveCourbe::casesACocher()
{
    QFETCH(QString, caseExport);
    QFETCH(QString, caseOption);
    QFETCH(Accesseur, exportDemande);
    QFETCH(Accesseur, optionDemandee);

    diaSaveCourbe dia(nullptr, m_Dossier->path(), QStringLiteral("New"), QString());
    dia.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dia));
    auto* exporter = dia.findChild<QCheckBox*>(caseExport);
    auto* choix = dia.findChild<QCheckBox*>(caseOption);
    QVERIFY(exporter && choix);

    // The workbook writer is compiled in: both exports offered, all unchecked.
    QVERIFY(exporter->isEnabled());
    QVERIFY(!exporter->isChecked());
    QVERIFY(!choix->isEnabled());
    QVERIFY(!choix->isChecked());
    QVERIFY(!(dia.*exportDemande)());

    Cocher(exporter);
    QVERIFY(choix->isEnabled());
    QVERIFY((dia.*exportDemande)());
    QVERIFY(!(dia.*optionDemandee)());
    Cocher(choix);
    QVERIFY((dia.*optionDemandee)());

    // Unchecking the export disables its option without unchecking it.
    Cocher(exporter);
    QVERIFY(!choix->isEnabled());
    QVERIFY(choix->isChecked());
    QVERIFY(!(dia.*exportDemande)());
    QVERIFY(!(dia.*optionDemandee)());
}

VORSEN_GUI_TEST_MAIN(tst_diaSaveCourbe)

#include "tst_diaSaveCourbe.moc"
