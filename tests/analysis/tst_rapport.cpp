#include "Enregistrements.h"
#include "Environnement.h"
#include "Repondeur.h"
#include "clsAnalyse.h"
#include "clsRapport.h"
#include "diaSelectColonne.h"
#include "frmAnalyse.h"
#include "prmCheckBoxData.h"
#include "prmTableWidget.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextTable>
#include <QToolButton>
#include <QVBoxLayout>

// 2023-07-01 12:00:00 UTC.
static const uint MIDI_UTC = 1688212800u;
// Legend columns with a header: "Mesure" to "Commentaire".
static const QList<int> TOUTES{5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

// Stands in for the desktop's PDF viewer.
class Visionneuse : public QObject
{
    Q_OBJECT

public slots:
    void Ouvrir(const QUrl& url) { m_Urls << url; }

public:
    QList<QUrl> m_Urls;
};

class tst_rapport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir* m_Dossier = nullptr;
    HoteAnalyse* m_Hote = nullptr;
    QString m_CheminDatas;
    frmAnalyse* m_Fenetre = nullptr;
    Visionneuse m_Visionneuse;

    template <class T> T* Enfant(const char* nom) const
    {
        T* enfant = m_Fenetre->findChild<T*>(QLatin1String(nom));
        if (!enfant)
            qFatal("no widget %s", nom);
        return enfant;
    }
    prmTableWidget* Legende() const { return Enfant<prmTableWidget>("tabLegende"); }
    QString Chemin(const QString& nom) const { return m_Dossier->filePath(nom); }

    // Three temperature curves: cave, grenier, garage.
    void TroisCourbes(const QString& commentaire = QStringLiteral("avant"))
    {
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "cave", MIDI_UTC, 60, Rampe(120, 20),
                                     Rampe(600, 20), 3, commentaire));
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "grenier", MIDI_UTC, 60, Rampe(250, 20, 2),
                                     Rampe(400, 20)));
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "garage", MIDI_UTC, 60, Rampe(180, 20, -1),
                                     Rampe(500, 20)));
        Ajouter({"cave", "grenier", "garage"});
    }

    // Temperature curves added with "Ajouter une courbe", one file a click.
    void Ajouter(QStringList noms)
    {
        Enfant<QToolButton>("btnNew")->click();
        Enfant<QRadioButton>("radSynchroNumero")->setChecked(true);
        Enfant<QCheckBox>("chkHumidite")->setChecked(false);
        Repondeur repondeur([&](QWidget* w) {
            auto* dialogue = qobject_cast<QFileDialog*>(w);
            if (!dialogue || noms.isEmpty())
                return false;
            const QString chemin = Chemin(noms.takeFirst() + ".ail");
            dialogue->selectFile(chemin);
            if (auto* nom = dialogue->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                nom->setText(chemin);
            static_cast<QDialog*>(dialogue)->accept();
            return true;
        });
        const int n = noms.size();
        for (int i = 0; i < n; ++i)
            Enfant<QToolButton>("btnOpen")->click();
        QCOMPARE(m_Fenetre->Entrees().size(), n);
        // The data folder is where the files were: the report starts there.
        QCOMPARE(m_CheminDatas, m_Dossier->path());
    }

    // The comment of the legend row `lig` edited through its dialog.
    void Commenter(int lig, const QString& texte)
    {
        Repondeur repondeur([&](QWidget* w) {
            if (w->objectName() != QLatin1String("diaMajComment"))
                return false;
            w->findChild<QTextEdit*>(QStringLiteral("txtCommentaire"))->setPlainText(texte);
            w->findChild<QToolButton*>(QStringLiteral("btnSave"))->click();
            return true;
        });
        qobject_cast<QPushButton*>(Legende()->cellWidget(lig, 17))->click();
        QCOMPARE(repondeur.Reponses(), 1);
    }

    void Masquer(int lig) { qobject_cast<QCheckBox*>(Legende()->cellWidget(lig, 0))->click(); }

    static QTextTable* Table(QTextDocument* document)
    {
        for (QTextFrame* cadre : document->rootFrame()->childFrames())
            if (auto* table = qobject_cast<QTextTable*>(cadre))
                return table;
        return nullptr;
    }
    static QString TexteCellule(QTextTable* table, int lig, int col)
    {
        const QTextTableCell cellule = table->cellAt(lig, col);
        QTextCursor c = cellule.firstCursorPosition();
        c.setPosition(cellule.lastCursorPosition().position(), QTextCursor::KeepAnchor);
        return c.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    }

    // Output of a poppler tool, empty when it is not installed.
    static QString Poppler(const QString& outil, const QStringList& arguments)
    {
        const QString programme = QStandardPaths::findExecutable(outil);
        if (programme.isEmpty())
            return QString();
        QProcess p;
        p.start(programme, arguments);
        if (!p.waitForFinished())
            return QString();
        // pdftotext writes ligatures as single characters ("ﬁ") and cells
        // over several lines: compared in words.
        return QString::fromUtf8(p.readAllStandardOutput())
            .normalized(QString::NormalizationForm_KC)
            .simplified();
    }
    static bool PopplerPresent()
    {
        return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
               !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
               !QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty();
    }
    static int NbreImages(const QString& pdf)
    {
        // One line per image: "page num type ...", its first field the page.
        const QString liste = Poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        return liste.count(QRegularExpression(QStringLiteral(" 1 +\\d+ +image ")));
    }

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_Visionneuse, "Ouvrir");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    void init()
    {
        m_Dossier = new QTemporaryDir();
        QVERIFY(m_Dossier->isValid());
        m_CheminDatas = m_Dossier->path();
        m_Visionneuse.m_Urls.clear();
        m_Hote = new HoteAnalyse(FRANCAIS);
        m_Hote->resize(903, 600);
        m_Fenetre = new frmAnalyse(m_Hote, &m_CheminDatas);
        auto* disposition = new QVBoxLayout(m_Hote);
        disposition->addWidget(m_Fenetre);
        m_Hote->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_Hote));
    }
    void cleanup()
    {
        delete m_Hote;
        m_Hote = nullptr;
        m_Fenetre = nullptr;
        delete m_Dossier;
        QSettings().clear();
    }

    void rapport_data()
    {
        QTest::addColumn<QList<int>>("colonnes");
        QTest::addColumn<QList<int>>("masquees");
        QTest::addColumn<int>("langue");
        QTest::addColumn<QString>("heure"); // the date line's time and date
        const QString fr = QStringLiteral("\\d\\d:\\d\\d:\\d\\d -\\s+\\d\\d/\\d\\d/\\d{4}");
        const QString en = QStringLiteral("\\d{1,2}:\\d\\d:\\d\\d [AP]M -\\s+\\d\\d/\\d\\d/\\d{4}");
        QTest::newRow("every rubric, one curve hidden") << TOUTES << QList<int>{1} << 1 << fr;
        QTest::newRow("some rubrics, English formats")
            << QList<int>{5, 15, 16} << QList<int>{} << 0 << en;
        QTest::newRow("no rubric: no table") << QList<int>{} << QList<int>{} << 1 << fr;
        QTest::newRow("every curve hidden: header row only")
            << TOUTES << QList<int>{0, 1, 2} << 1 << fr;
    }
    void rapport()
    {
        QFETCH(QList<int>, colonnes);
        QFETCH(QList<int>, masquees);
        QFETCH(int, langue);
        QFETCH(QString, heure);
        m_Hote->m_Langue = enm_LANGUE(langue);
        TroisCourbes();
        // Edited just before: the report takes the legend as it stands.
        const QString commentaire = QStringLiteral("après dégivrage");
        Commenter(0, commentaire);
        for (int lig : masquees)
            Masquer(lig);
        QList<int> affichees;
        for (int lig = 0; lig < 3; ++lig)
            if (!masquees.contains(lig))
                affichees << lig;

        // The document: rows of the shown curves, legend texts as displayed, the
        // curve's colour in a square drawn as an image.
        const clsRapport rapport(Legende(), m_Fenetre->Entrees(), colonnes);
        const QImage graphe = clsRapport::ImageGraphe(Enfant<QWidget>("m_qPlot"));
        QVERIFY(graphe.width() == 630 || graphe.height() == 330);
        QVERIFY(graphe.width() <= 630 && graphe.height() <= 330);
        QScopedPointer<QTextDocument> document(
            rapport.Document(QStringLiteral("date\n\n"), graphe));
        QTextTable* table = Table(document.data());
        QCOMPARE(table != nullptr, !colonnes.isEmpty());
        if (table) {
            QCOMPARE(table->rows(), 1 + affichees.size());
            QCOMPARE(table->columns(), 1 + colonnes.size());
            QCOMPARE(table->format().cellPadding(), 3.0);
            QCOMPARE(table->format().cellSpacing(), 3.0);
            QCOMPARE(table->format().background().color(), QColor(Qt::white));
            QVERIFY(TexteCellule(table, 0, 0).isEmpty());
            for (int j = 0; j < colonnes.size(); ++j)
                QCOMPARE(TexteCellule(table, 0, j + 1),
                         Legende()->horizontalHeaderItem(colonnes.at(j))->text());
            for (int r = 0; r < affichees.size(); ++r) {
                const int lig = affichees.at(r);
                // The unit stays on the value's line.
                for (int j = 0; j < colonnes.size(); ++j)
                    QCOMPARE(TexteCellule(table, r + 1, j + 1).replace(QChar::Nbsp, ' '),
                             Legende()->item(lig, colonnes.at(j))->text());
                // The square: an image in the curve's colour.
                QTextCursor c = table->cellAt(r + 1, 0).firstCursorPosition();
                c.movePosition(QTextCursor::NextCharacter);
                const QTextImageFormat image = c.charFormat().toImageFormat();
                QVERIFY(image.isValid());
                const QImage carre =
                    document->resource(QTextDocument::ImageResource, QUrl(image.name()))
                        .value<QImage>();
                QVERIFY(!carre.isNull());
                QCOMPARE(carre.pixelColor(carre.width() / 2, carre.height() / 2),
                         m_Fenetre->Entrees().at(lig)->Couleur());
            }
        }

        // The PDF, through the window, opened with the viewer.
        const QString pdf = Chemin(QStringLiteral("rapport.pdf"));
        QVERIFY(m_Fenetre->EcrireRapport(pdf, colonnes));
        QCOMPARE(m_Visionneuse.m_Urls, QList<QUrl>{QUrl::fromLocalFile(pdf)});
        QFile fichier(pdf);
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        QVERIFY(fichier.read(5) == "%PDF-");
        if (!PopplerPresent())
            QSKIP("poppler-utils are needed to read the report back");

        const QString infos = Poppler(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(infos.contains(QRegularExpression("Pages: 1 ")), qPrintable(infos));
        QVERIFY2(infos.contains(
                     QRegularExpression("Page size:\\s+595[.\\d]* x 84[12][.\\d]* pts \\(A4\\)")),
                 qPrintable(infos));
        QVERIFY(infos.contains(QRegularExpression("Title:\\s+Vorsen_Logger")));
        // The graph, and a square a row.
        QCOMPARE(NbreImages(pdf), 1 + (colonnes.isEmpty() ? 0 : affichees.size()));

        const QString texte = Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY2(texte.contains(QRegularExpression("Document genere a " + heure)),
                 qPrintable(texte));
        for (int col : colonnes)
            QVERIFY2(texte.contains(Legende()->horizontalHeaderItem(col)->text()),
                     qPrintable(texte));
        const QStringList noms{"cave", "grenier", "garage"};
        for (int lig = 0; lig < 3; ++lig)
            QCOMPARE(texte.contains(noms.at(lig)),
                     colonnes.contains(15) && affichees.contains(lig));
        QCOMPARE(texte.contains(commentaire), colonnes.contains(16) && affichees.contains(0));
        if (colonnes.contains(12) && affichees.contains(2))
            QVERIFY(texte.contains(QStringLiteral("16.1 \u00B0C"))); // garage's minimum
    }

    // Through the buttons: the rubrics, then the file, then the viewer.
    void boutonRapport()
    {
        TroisCourbes();
        QStringList libelles;
        QList<int> indices;
        bool cochees = true;
        QList<int> choisies;
        QString titreFichier, dossierFichier;
        Repondeur repondeur([&](QWidget* w) {
            if (auto* selection = qobject_cast<diaSelectColonne*>(w)) {
                for (auto* c : selection->findChildren<prmCheckBoxData*>()) {
                    libelles << c->text();
                    indices << c->m_Colonne;
                    cochees = cochees && c->isChecked();
                }
                // "Date" and "Commentaire" left out.
                selection->findChild<QCheckBox*>(QStringLiteral("chkColonne6"))->click();
                selection->findChild<QCheckBox*>(QStringLiteral("chkColonne16"))->click();
                choisies = selection->ColonnesCochees();
                selection->findChild<QToolButton*>(QStringLiteral("btnSave"))->click();
                return true;
            }
            if (auto* dialogue = qobject_cast<QFileDialog*>(w)) {
                titreFichier = dialogue->windowTitle();
                dossierFichier = dialogue->directory().absolutePath();
                // A name typed without extension.
                const QString nom = Chemin(QStringLiteral("compte-rendu"));
                dialogue->selectFile(nom);
                if (auto* champ = dialogue->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                    champ->setText(nom);
                static_cast<QDialog*>(dialogue)->accept();
                return true;
            }
            return false;
        });
        Enfant<QToolButton>("btnRapport")->click();
        QCOMPARE(repondeur.Reponses(), 2);
        QCOMPARE(libelles,
                 (QStringList{"Mesure", "Date", "Heure", "Fréq.", "Points", "Moy", "Etype", "Min",
                              "Max", "Etendue", "Nom fichier", "Commentaire"}));
        QCOMPARE(indices, TOUTES);
        QVERIFY(cochees);
        QCOMPARE(choisies, (QList<int>{5, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
        QCOMPARE(titreFichier, QStringLiteral("Rapport"));
        QCOMPARE(dossierFichier, m_Dossier->path());

        const QString pdf = Chemin(QStringLiteral("compte-rendu.pdf"));
        QVERIFY(QFileInfo(pdf).isFile());
        QVERIFY(!QFileInfo::exists(Chemin(QStringLiteral("compte-rendu"))));
        QCOMPARE(m_Visionneuse.m_Urls, QList<QUrl>{QUrl::fromLocalFile(pdf)});
        QCOMPARE(m_CheminDatas, m_Dossier->path());
        if (!PopplerPresent())
            QSKIP("poppler-utils are needed to read the report back");
        const QString texte = Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(texte.contains(QStringLiteral("Nom fichier")));
        QVERIFY(!texte.contains(QStringLiteral("Commentaire")));
        QVERIFY(!texte.contains(QStringLiteral("01/07/2023")));
    }

    // Cancelling a dialog leaves no file and calls no viewer.
    void annulation_data()
    {
        QTest::addColumn<bool>("sortir"); // else the file dialog is cancelled
        QTest::newRow("rubrics dialog") << true;
        QTest::newRow("file dialog") << false;
    }
    void annulation()
    {
        QFETCH(bool, sortir);
        TroisCourbes();
        bool dialogueFichier = false;
        Repondeur repondeur([&](QWidget* w) {
            if (auto* selection = qobject_cast<diaSelectColonne*>(w)) {
                selection->findChild<QToolButton*>(sortir ? "btnSortir" : "btnSave")->click();
                return true;
            }
            if (auto* dialogue = qobject_cast<QFileDialog*>(w)) {
                dialogueFichier = true;
                dialogue->reject();
                return true;
            }
            return false;
        });
        const QStringList avant = QDir(m_Dossier->path()).entryList(QDir::Files);
        Enfant<QToolButton>("btnRapport")->click();
        QCOMPARE(repondeur.Reponses(), sortir ? 1 : 2);
        QCOMPARE(dialogueFichier, !sortir);
        QCOMPARE(QDir(m_Dossier->path()).entryList(QDir::Files), avant);
        QVERIFY(m_Visionneuse.m_Urls.isEmpty());
    }

    void nomPdf_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("no extension") << "/d/rapport"
                                      << "/d/rapport.pdf";
        QTest::newRow("pdf") << "/d/rapport.pdf"
                             << "/d/rapport.pdf";
        QTest::newRow("other extension kept") << "/d/rapport.PDF"
                                              << "/d/rapport.PDF";
        QTest::newRow("dot in the folder only") << "/d/juillet.2023/rapport"
                                                << "/d/juillet.2023/rapport.pdf";
    }
    void nomPdf()
    {
        QFETCH(QString, nom);
        QFETCH(QString, attendu);
        QCOMPARE(clsRapport::NomPdf(nom), attendu);
    }

    // A folder that is a regular file, which root cannot write into either.
    void ecritureImpossible()
    {
        TroisCourbes();
        QFile bloque(Chemin(QStringLiteral("<b>bloque")));
        QVERIFY(bloque.open(QIODevice::WriteOnly));
        bloque.close();
        const QString pdf = bloque.fileName() + QStringLiteral("/rapport.pdf");
        QString titre, texte;
        Qt::TextFormat format = Qt::AutoText;
        Repondeur repondeur([&](QWidget* w) {
            auto* boite = qobject_cast<QMessageBox*>(w);
            if (!boite)
                return false;
            titre = boite->windowTitle();
            texte = boite->text();
            format = boite->textFormat();
            boite->button(QMessageBox::Ok)->click();
            return true;
        });
        QVERIFY(!m_Fenetre->EcrireRapport(pdf, TOUTES));
        QCOMPARE(repondeur.Reponses(), 1);
        QCOMPARE(titre, QStringLiteral("Rapport"));
        QCOMPARE(texte, QStringLiteral("Impossible d'ecrire le rapport %1.").arg(pdf));
        QCOMPARE(format, Qt::PlainText); // the name is shown as typed
        QVERIFY(m_Visionneuse.m_Urls.isEmpty());
        QCOMPARE(QFileInfo(bloque.fileName()).size(), 0);
    }

    // Texts typed by users print as typed, never read as markup.
    void balisage()
    {
        const QString commentaire = QStringLiteral("<b>gras</b> <img src=\"x.png\"> &amp; suite");
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "<i>cave", MIDI_UTC, 60, Rampe(200, 5),
                                     Rampe(500, 5), 3, QStringLiteral("avant")));
        Ajouter({"<i>cave"});
        Commenter(0, commentaire);

        const clsRapport rapport(Legende(), m_Fenetre->Entrees(), {15, 16});
        QScopedPointer<QTextDocument> document(
            rapport.Document(QStringLiteral("date\n\n"), QImage(10, 10, QImage::Format_RGB32)));
        QTextTable* table = Table(document.data());
        QVERIFY(table);
        QCOMPARE(TexteCellule(table, 1, 1), QStringLiteral("<i>cave"));
        QCOMPARE(TexteCellule(table, 1, 2), commentaire);

        const QString pdf = Chemin(QStringLiteral("balises.pdf"));
        QVERIFY(m_Fenetre->EcrireRapport(pdf, {15, 16}));
        if (!PopplerPresent())
            QSKIP("poppler-utils are needed to read the report back");
        QCOMPARE(NbreImages(pdf), 2); // the graph and the square, no x.png
        const QString texte = Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY2(texte.contains(commentaire), qPrintable(texte));
        QVERIFY(texte.contains(QStringLiteral("<i>cave")));
    }

    // "Imprimer le graphe": A4 landscape through the print dialog, here to a PDF file.
    void impressionGraphe_data()
    {
        QTest::addColumn<bool>("accepter");
        QTest::newRow("printed") << true;
        QTest::newRow("cancelled") << false;
    }
    void impressionGraphe()
    {
        QFETCH(bool, accepter);
        TroisCourbes();
        const QString pdf = Chemin(QStringLiteral("graphe.pdf"));
        Repondeur repondeur([&](QWidget* w) {
            auto* dialogue = qobject_cast<QPrintDialog*>(w);
            if (!dialogue)
                return false;
            if (!accepter) {
                dialogue->reject();
                return true;
            }
            // No printer here: the dialog prints to a PDF file.
            dialogue->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(pdf);
            dialogue->accept();
            return true;
        });
        Enfant<QToolButton>("btnImprimer")->click();
        QCOMPARE(repondeur.Reponses(), 1);
        QCOMPARE(QFileInfo::exists(pdf), accepter);
        if (!accepter)
            return;
        if (!PopplerPresent())
            QSKIP("poppler-utils are needed to read the printout back");
        const QString infos = Poppler(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(infos.contains(QRegularExpression("Pages: 1 ")), qPrintable(infos));
        QVERIFY2(infos.contains(
                     QRegularExpression("Page size:\\s+84[12][.\\d]* x 595[.\\d]* pts \\(A4\\)")),
                 qPrintable(infos));
        const QString texte = Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY2(texte.contains(QStringLiteral("Temperature")), qPrintable(texte));
    }
};

VORSEN_GUI_TEST_MAIN(tst_rapport)
#include "tst_rapport.moc"
