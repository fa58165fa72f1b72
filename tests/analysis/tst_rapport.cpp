#include "DialoguesScriptes.h"
#include "Enregistrements.h"
#include "Environnement.h"
#include "clsAnalyse.h"
#include "clsRapport.h"
#include "clsSerie.h"
#include "diaSelectColonne.h"
#include "frmAnalyse.h"
#include "prmCheckBoxData.h"
#include "prmTableWidget.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>

#include <memory>

// 2023-07-01 12:00:00 UTC.
static const uint MIDI_UTC = 1688212800u;
// Legend columns with a header: "Mesure" to "Commentaire".
static const QList<int> TOUTES{COL_MESURE,  COL_DATE,       COL_HEURE,      COL_FREQUENCE,
                               COL_POINTS,  COL_MOYENNE,    COL_ECART_TYPE, COL_MINIMUM,
                               COL_MAXIMUM, COL_ETENDUE,    COL_TCM,        COL_LIMITES,
                               COL_NOM,     COL_COMMENTAIRE};

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
    std::unique_ptr<DialoguesScriptes> m_Utilisateur;

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
    void Ajouter(const QStringList& noms)
    {
        Enfant<QToolButton>("btnNew")->click();
        Enfant<QRadioButton>("radSynchroNumero")->setChecked(true);
        Enfant<QCheckBox>("chkHumidite")->setChecked(false);
        for (const QString& nom : noms) {
            m_Utilisateur->Fichiers << Chemin(nom + ".ail");
            Enfant<QToolButton>("btnOpen")->click();
        }
        QCOMPARE(m_Fenetre->Entrees().size(), noms.size());
        // The data folder is where the files were: the report starts there.
        QCOMPARE(m_CheminDatas, m_Dossier->path());
    }

    // The comment of the legend row `lig` edited through its dialog.
    void Commenter(int lig, const QString& texte)
    {
        m_Utilisateur->Scripts[QStringLiteral("diaMajComment")] = [texte](QDialog* w) {
            w->findChild<QTextEdit*>(QStringLiteral("txtCommentaire"))->setPlainText(texte);
            w->findChild<QToolButton*>(QStringLiteral("btnSave"))->click();
        };
        qobject_cast<QPushButton*>(Legende()->cellWidget(lig, COL_BTN_COMMENTAIRE))->click();
        QCOMPARE(Legende()->item(lig, COL_COMMENTAIRE)->text(), texte);
    }

    void Masquer(int lig) { qobject_cast<QCheckBox*>(Legende()->cellWidget(lig, 0))->click(); }

    // Output of a poppler tool as it wrote it, empty when it is not installed.
    static QString PopplerBrut(const QString& outil, const QStringList& arguments)
    {
        const QString programme = QStandardPaths::findExecutable(outil);
        if (programme.isEmpty())
            return QString();
        QProcess p;
        p.start(programme, arguments);
        if (!p.waitForFinished())
            return QString();
        // pdftotext writes ligatures as single characters ("ﬁ").
        return QString::fromUtf8(p.readAllStandardOutput())
            .normalized(QString::NormalizationForm_KC);
    }
    // The same compared in words: pdftotext writes a table's cells over
    // several lines.
    static QString Poppler(const QString& outil, const QStringList& arguments)
    {
        return PopplerBrut(outil, arguments).simplified();
    }
    static bool PopplerPresent()
    {
        return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
               !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
               !QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty();
    }
    static int NbreImages(const QString& pdf)
    {
        // One line per image: "page num type ...".
        const QString liste = Poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        return liste.count(QRegularExpression(QStringLiteral("\\b\\d+ +\\d+ +image ")));
    }
    static int NbrePages(const QString& pdf)
    {
        const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages: (\\d+)"))
                                                  .match(Poppler(QStringLiteral("pdfinfo"), {pdf}));
        return pages.hasMatch() ? pages.captured(1).toInt() : 0;
    }
    // The text of each page, laid out in lines as printed.
    static QStringList Pages(const QString& pdf)
    {
        QStringList pages = PopplerBrut(QStringLiteral("pdftotext"),
                                        {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                                .split(QLatin1Char('\f'));
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }
    // Words printed outside the page's margins of 10 mm (pdftotext leaves out
    // what lies beyond the paper).
    static QStringList HorsMarges(const QString& pdf)
    {
        const QString boites = PopplerBrut(QStringLiteral("pdftotext"),
                                           {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        const double marge = 10 / 25.4 * 72 - 1; // points, less a point for the glyphs' sides
        double largeur = 0, hauteur = 0;
        QStringList hors;
        const QRegularExpression page(
            QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
        const QRegularExpression mot(
            QStringLiteral("<word xMin=\"([\\d.-]+)\" yMin=\"([\\d.-]+)\" xMax=\"([\\d.-]+)\" "
                           "yMax=\"([\\d.-]+)\">([^<]*)</word>"));
        for (const QString& ligne : boites.split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch p = page.match(ligne);
            if (p.hasMatch()) {
                largeur = p.captured(1).toDouble();
                hauteur = p.captured(2).toDouble();
            }
            const QRegularExpressionMatch m = mot.match(ligne);
            if (!m.hasMatch())
                continue;
            const QRectF boite(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                               QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
            if (!QRectF(marge, marge, largeur - 2 * marge, hauteur - 2 * marge).contains(boite))
                hors << m.captured(5);
        }
        return hors;
    }

    // An entry added the way "Ajouter une courbe" does once the file is chosen.
    void AjouterCourbe(const QString& nom, int mesure)
    {
        QVERIFY(m_Fenetre->AjouterCourbe(QFileInfo(Chemin(nom + ".ail")), mesure));
    }

    // Seven loggers, both measures of each: 14 curves, the most a view holds.
    // Long names and comments, temperatures below zero, humidity at 100 %, an
    // hour later and a slower period from one logger to the next.
    void QuatorzeCourbes(const char* synchro)
    {
        Enfant<QToolButton>("btnNew")->click();
        Enfant<QRadioButton>(synchro)->setChecked(true);
        for (int i = 0; i < 7; ++i) {
            QList<int> temp, humi;
            for (int j = 0; j < 20; ++j) {
                temp << -185 + 47 * i + 3 * j;
                humi << 1000 - 5 * j - i;
            }
            const QString nom = QStringLiteral("chambre froide %1 lot 2023-07").arg(i + 1);
            QVERIFY(EcrireEnregistrement(
                m_Dossier->path(), nom, MIDI_UTC + uint(i) * 3600, 60 + 30 * i, temp, humi, 3,
                QStringLiteral("Relevé %1 pendant la livraison des surgelés, porte du quai ouverte")
                    .arg(i + 1),
                QStringLiteral("VL%1-%2").arg(i + 1).arg(4200 + i)));
            AjouterCourbe(nom, 1);
            AjouterCourbe(nom, 2);
        }
        QCOMPARE(m_Fenetre->Entrees().size(), 14);
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
        m_Utilisateur = std::make_unique<DialoguesScriptes>();
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
        m_Utilisateur.reset();
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
            << QList<int>{COL_MESURE, COL_NOM, COL_COMMENTAIRE} << QList<int>{} << 0 << en;
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

        // Rows of the shown curves, legend texts as displayed, in the curve's colour.
        const clsRapport rapport(Legende(), m_Fenetre->Entrees(), colonnes);
        QStringList entetes;
        for (int col : colonnes)
            entetes << Legende()->horizontalHeaderItem(col)->text();
        QCOMPARE(rapport.Entetes(), entetes);
        QCOMPARE(rapport.Lignes().size(), affichees.size());
        for (int r = 0; r < affichees.size(); ++r) {
            const int lig = affichees.at(r);
            QStringList textes;
            for (int col : colonnes)
                textes << Legende()->item(lig, col)->text();
            QCOMPARE(rapport.Lignes().at(r).Textes, textes);
            QCOMPARE(rapport.Lignes().at(r).Couleur, m_Fenetre->Entrees().at(lig)->Couleur());
        }

        // The PDF, through the window, opened with the viewer. The plot on
        // screen is left as it was: its curves keep their pens.
        auto* graphe = Enfant<QWidget>("m_qPlot");
        const QImage avant = graphe->grab().toImage();
        const QString pdf = Chemin(QStringLiteral("rapport.pdf"));
        QVERIFY(m_Fenetre->EcrireRapport(pdf, colonnes));
        QCOMPARE(graphe->grab().toImage(), avant);
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
        // The graph drawn in lines and text, the squares as rectangles: no picture.
        QCOMPARE(NbreImages(pdf), 0);
        QCOMPARE(HorsMarges(pdf), QStringList());

        const QString texte = Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY2(texte.contains(QRegularExpression("Document genere a " + heure)),
                 qPrintable(texte));
        for (int col : colonnes)
            QVERIFY2(texte.contains(Legende()->horizontalHeaderItem(col)->text()),
                     qPrintable(texte));
        const QStringList noms{"cave", "grenier", "garage"};
        for (int lig = 0; lig < 3; ++lig)
            QCOMPARE(texte.contains(noms.at(lig)),
                     colonnes.contains(COL_NOM) && affichees.contains(lig));
        QCOMPARE(texte.contains(commentaire),
                 colonnes.contains(COL_COMMENTAIRE) && affichees.contains(0));
        if (colonnes.contains(12) && affichees.contains(2))
            QVERIFY(texte.contains(QStringLiteral("16.1 \u00B0C"))); // garage's minimum
    }

    // A cold room's recording with an upper limit of 8.0 °C: the table of limits
    // and excursions, and the warning once its points file was edited as text.
    void conservation_data()
    {
        QTest::addColumn<bool>("modifie");
        QTest::newRow("as saved") << false;
        QTest::newRow("one humidity edited") << true;
    }
    void conservation()
    {
        QFETCH(bool, modifie);
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "froid", MIDI_UTC, 60, ChambreFroide(),
                                     QVector<int>(120, 500).toList()));
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "cave", MIDI_UTC, 60, Rampe(120, 20),
                                     Rampe(600, 20)));
        QVERIFY(EcrireLimites(m_Dossier->path(), "froid", 1, {std::nullopt, 80}));
        if (modifie)
            QVERIFY(Retoucher(Chemin("froid.txt"), "\t500\n", "\t501\n"));
        Enfant<QToolButton>("btnNew")->click();
        AjouterCourbe("froid", 1);
        AjouterCourbe("cave", 1);

        // Only the curve with limits; the start of the longest excursion in the
        // report's language.
        const clsRapport rapport(Legende(), m_Fenetre->Entrees(), TOUTES);
        QCOMPARE(rapport.LignesConservation().size(), 1);
        const QStringList attendu{"froid \u2013 Temperature",
                                  "\u2264 8.0 \u00B0C",
                                  "",
                                  "0:33 (27.5 %)",
                                  "3",
                                  "0:30 dès 01/07/2023 14:20:00", // Paris, UTC+2
                                  "6.5 \u00B0C"};
        QCOMPARE(rapport.LignesConservation().at(0).Textes, attendu);
        QCOMPARE(rapport.Modifiees(), modifie ? QStringList{"froid"} : QStringList());

        const QString pdf = Chemin(QStringLiteral("froid.pdf"));
        QVERIFY(m_Fenetre->EcrireRapport(pdf, TOUTES));
        if (!PopplerPresent())
            QSKIP("poppler-utils are needed to read the report back");
        QCOMPARE(HorsMarges(pdf), QStringList());
        const QString texte = Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        for (const QString& morceau :
             {QStringLiteral("Limites et excursions"), QStringLiteral("10000 K"),
              QStringLiteral("0:33 (27.5 %)"), attendu.at(5)})
            QVERIFY2(texte.contains(morceau), qPrintable(morceau + "\n" + texte));
        QCOMPARE(texte.contains(QStringLiteral(
                     "froid \u2013 Modifié hors du programme depuis son enregistrement")),
                 modifie);
    }

    // Through the buttons: the rubrics, then the file, then the viewer.
    void boutonRapport()
    {
        TroisCourbes();
        QStringList libelles;
        QList<int> indices;
        bool cochees = true;
        QList<int> choisies;
        m_Utilisateur->Demandes.clear();
        m_Utilisateur->Scripts[QStringLiteral("diaSelectColonne")] = [&](QDialog* selection) {
            for (auto* c : selection->findChildren<prmCheckBoxData*>()) {
                libelles << c->text();
                indices << c->m_Colonne;
                cochees = cochees && c->isChecked();
            }
            // "Date" and "Commentaire" left out.
            selection->findChild<QCheckBox*>(QStringLiteral("chkColonne6"))->click();
            selection->findChild<QCheckBox*>(QStringLiteral("chkColonne19"))->click();
            choisies = static_cast<diaSelectColonne*>(selection)->ColonnesCochees();
            selection->findChild<QToolButton*>(QStringLiteral("btnSave"))->click();
        };
        // A name typed without extension.
        m_Utilisateur->Fichiers = QStringList{Chemin(QStringLiteral("compte-rendu"))};
        Enfant<QToolButton>("btnRapport")->click();
        QCOMPARE(
            m_Utilisateur->Journal(),
            (QStringList{"diaSelectColonne|Rapport|", "enregistrer|Rapport|" + m_Dossier->path()}));
        QCOMPARE(libelles,
                 (QStringList{"Mesure", "Date", "Heure", "Fréq.", "Points", "Moy", "Etype", "Min",
                              "Max", "Etendue", "TCM", "Limites", "Nom fichier", "Commentaire"}));
        QCOMPARE(indices, TOUTES);
        QVERIFY(cochees);
        QCOMPARE(choisies, (QList<int>{5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 18}));

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
        // The dates only at both ends of the period: no Date column.
        QCOMPARE(texte.count(QStringLiteral("01/07/2023")), 2);
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
        m_Utilisateur->Demandes.clear();
        m_Utilisateur->Scripts[QStringLiteral("diaSelectColonne")] = [sortir](QDialog* selection) {
            selection->findChild<QToolButton*>(sortir ? "btnSortir" : "btnSave")->click();
        };
        const QStringList avant = QDir(m_Dossier->path()).entryList(QDir::Files);
        Enfant<QToolButton>("btnRapport")->click();
        QStringList attendu{"diaSelectColonne|Rapport|"};
        if (!sortir)
            attendu << "enregistrer|Rapport|" + m_Dossier->path(); // cancelled
        QCOMPARE(m_Utilisateur->Journal(), attendu);
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
        m_Utilisateur->Demandes.clear();
        QVERIFY(!m_Fenetre->EcrireRapport(pdf, TOUTES));
        QCOMPARE(m_Utilisateur->Journal(),
                 QStringList{"avertissement|Rapport|Impossible d'ecrire le rapport " + pdf + "."});
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

        const QString pdf = Chemin(QStringLiteral("balises.pdf"));
        QVERIFY(m_Fenetre->EcrireRapport(pdf, {COL_NOM, COL_COMMENTAIRE}));
        if (!PopplerPresent())
            QSKIP("poppler-utils are needed to read the report back");
        QCOMPARE(NbreImages(pdf), 0); // no x.png
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
        m_Utilisateur->Demandes.clear();
        m_Utilisateur->Impressions << [&](QPrinter* printer) {
            // No printer here: the dialog prints to a PDF file.
            printer->setOutputFileName(pdf);
            return accepter;
        };
        Enfant<QToolButton>("btnImprimer")->click();
        QCOMPARE(m_Utilisateur->Journal(), QStringList{"imprimer||"});
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
        // The report's title lines, a legend naming each curve, the report's margins.
        QVERIFY2(texte.contains(QStringLiteral("Rapport d'analyse")), qPrintable(texte));
        QVERIFY(texte.contains(QStringLiteral("LOG1")));
        for (const char* nom : {"cave", "grenier", "garage"})
            QVERIFY2(texte.contains(QLatin1String(nom)), nom);
        QCOMPARE(HorsMarges(pdf), QStringList());
    }

    // Fourteen curves and every rubric, in both languages: every value whole on
    // its line, every word inside the margins; and first what the report is
    // about: its title, the loggers, the period of the shown curves, the
    // synchronisation.
    void quatorzeCourbes_data()
    {
        QTest::addColumn<int>("langue");
        QTest::addColumn<QString>("synchro"); // radio button
        QTest::addColumn<QList<int>>("masquees");
        // The first point and the last one shown, in Paris (UTC+2); the last point
        // of a hidden logger, not in the report.
        QTest::addColumn<QString>("debut");
        QTest::addColumn<QString>("fin");
        QTest::addColumn<QString>("cachee");
        QTest::newRow("French, point numbers")
            << 1 << "radSynchroNumero" << QList<int>{} << "01/07/2023 14:00:00"
            << "01/07/2023 21:16:00"
            << "";
        QTest::newRow("English, date and time")
            << 0 << "radSynchroDate" << QList<int>{} << "07/01/2023 2:00:00 PM"
            << "07/01/2023 9:16:00 PM"
            << "";
        QTest::newRow("French, time of day, last logger hidden")
            << 1 << "radSynchroHeure" << QList<int>{12, 13} << "01/07/2023 14:00:00"
            << "01/07/2023 20:06:30"
            << "01/07/2023 21:16:00";
    }
    void quatorzeCourbes()
    {
        QFETCH(int, langue);
        QFETCH(QString, synchro);
        QFETCH(QList<int>, masquees);
        QFETCH(QString, debut);
        QFETCH(QString, fin);
        QFETCH(QString, cachee);
        // As the program runs: its translation installed, the view told.
        QTranslator traduction;
        QVERIFY(traduction.load(langue == 1 ? QStringLiteral(":/i18n/Vorsen_Logger_fr.qm")
                                            : QStringLiteral(":/i18n/Vorsen_Logger_en.qm")));
        qApp->installTranslator(&traduction);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        m_Hote->m_Langue = enm_LANGUE(langue);
        m_Fenetre->MajLangue();
        QuatorzeCourbes(qPrintable(synchro));
        const QString texteSynchro = Enfant<QRadioButton>(qPrintable(synchro))->text();
        for (int lig : masquees)
            Masquer(lig);
        const QString pdf = Chemin(QStringLiteral("quatorze.pdf"));
        QVERIFY(m_Fenetre->EcrireRapport(pdf, TOUTES));
        if (!PopplerPresent())
            QSKIP("poppler-utils are needed to read the report back");
        QCOMPARE(NbreImages(pdf), 0);
        QCOMPARE(HorsMarges(pdf), QStringList());

        QStringList lignes;
        for (const QString& page : Pages(pdf))
            lignes << page.split(QLatin1Char('\n'));
        const auto surUneLigne = [&lignes](const QString& morceau) {
            for (const QString& ligne : qAsConst(lignes))
                if (ligne.contains(morceau))
                    return true;
            return false;
        };
        for (int lig = 0; lig < 14; ++lig) {
            if (masquees.contains(lig))
                continue;
            for (int col : TOUTES) {
                // Names and comments may wrap between their words, nothing else wraps.
                const QString cellule = Legende()->item(lig, col)->text();
                const QStringList morceaux =
                    col >= COL_NOM ? cellule.split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                   : QStringList{cellule};
                for (const QString& morceau : morceaux)
                    QVERIFY2(surUneLigne(morceau),
                             qPrintable(QStringLiteral("%1 (row %2, column %3)")
                                            .arg(morceau)
                                            .arg(lig)
                                            .arg(col)));
            }
        }

        const QString texte = Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY2(texte.contains(QCoreApplication::translate("clsRapport", "Rapport d'analyse")),
                 qPrintable(texte));
        QVERIFY2(texte.contains(QCoreApplication::translate("clsRapport", "Synchronisation :") +
                                QLatin1Char(' ') + texteSynchro),
                 qPrintable(texte));
        // Loggers and period of the shown curves only.
        for (int i = 0; i < 7; ++i)
            QCOMPARE(texte.contains(QStringLiteral("VL%1-%2").arg(i + 1).arg(4200 + i)),
                     !masquees.contains(2 * i) || !masquees.contains(2 * i + 1));
        QVERIFY(cachee.isEmpty() || !texte.contains(cachee));
        const QString periode =
            QRegularExpression::escape(debut) + "\\s.{1,4}\\s" + QRegularExpression::escape(fin);
        QVERIFY2(texte.contains(QRegularExpression(periode)), qPrintable(periode + "\n" + texte));
    }

    // "Imprimer les donnees" of a curve: the points of its recording in the
    // columns of its sensors, whatever the entry's measure, the units in the
    // header. Every page names the recording and its logger, numbers itself and
    // repeats the header; a long recording prints several points a line.
    void impressionPoints_data()
    {
        QTest::addColumn<int>("capteurs");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("langue");
        QTest::addColumn<bool>("temperature");
        QTest::addColumn<bool>("humidite");
        QTest::newRow("humidity entry of a two-sensor recording") << 3 << 3 << 1 << true << true;
        QTest::newRow("temperature recording") << 1 << 3 << 1 << true << false;
        QTest::newRow("humidity recording") << 2 << 3 << 1 << false << true;
        QTest::newRow("recording of mask 0") << 0 << 3 << 1 << true << true;
        QTest::newRow("600 points, French") << 3 << 600 << 1 << true << true;
        QTest::newRow("600 points, English") << 3 << 600 << 0 << true << true;
    }
    void impressionPoints()
    {
        QFETCH(int, capteurs);
        QFETCH(int, points);
        QFETCH(int, langue);
        QFETCH(bool, temperature);
        QFETCH(bool, humidite);
        m_Hote->m_Langue = enm_LANGUE(langue);
        QList<int> temp, humi;
        for (int i = 0; i < points; ++i) {
            temp << 203 + i % 50;
            humi << 517 + i % 40;
        }
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "cave nord", MIDI_UTC, 60, temp, humi,
                                     capteurs, QString(), QStringLiteral("VL17-0042")));
        Enfant<QToolButton>("btnNew")->click();
        Enfant<QRadioButton>("radSynchroNumero")->setChecked(true);
        AjouterCourbe(QStringLiteral("cave nord"), capteurs == 1 ? 1 : 2);
        clsAnalyse* entree = m_Fenetre->Entrees().last();

        // The print button asks first; cancelled, nothing is printed.
        m_Utilisateur->Demandes.clear();
        qobject_cast<QPushButton*>(Legende()->cellWidget(0, 3))->click();
        QCOMPARE(m_Utilisateur->Journal(), QStringList{"imprimer||"});

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = Chemin(QStringLiteral("points.pdf"));
        printer.setOutputFileName(pdf);
        entree->ImprimerSur(&printer);
        QFile fichier(pdf);
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        QVERIFY(fichier.read(5) == "%PDF-");
        if (!PopplerPresent())
            QSKIP("poppler-utils are needed to read the printout back");

        const QStringList pages = Pages(pdf);
        QCOMPARE(pages.size(), NbrePages(pdf));
        QVERIFY2(pages.first().contains("Document edite a "), qPrintable(pages.first()));
        const QString jour =
            langue == 1 ? QStringLiteral("01/07/2023") : QStringLiteral("07/01/2023");
        int dates = 0;
        bool plusieursParLigne = false;
        for (int p = 0; p < pages.size(); ++p) {
            const QString& page = pages.at(p);
            QVERIFY2(page.contains("cave nord") && page.contains("VL17-0042"), qPrintable(page));
            QVERIFY2(page.contains(QStringLiteral("Page %1 / %2").arg(p + 1).arg(pages.size())),
                     qPrintable(page));
            for (const char* entete : {"Num.", "Date", "Heure"})
                QVERIFY2(page.contains(QLatin1String(entete)), qPrintable(page));
            QCOMPARE(page.contains(QStringLiteral("Temp. (\u00B0C)")), temperature);
            QCOMPARE(page.contains(QStringLiteral("Humi. (%)")), humidite);
            dates += page.count(jour);
            for (const QString& ligne : page.split(QLatin1Char('\n')))
                plusieursParLigne = plusieursParLigne || ligne.count(jour) > 1;
        }
        QCOMPARE(dates, points); // every point once
        const QString texte = pages.join(QLatin1Char('\n'));
        QCOMPARE(texte.contains("20.3"), temperature);
        QCOMPARE(texte.contains("51.7"), humidite);
        QVERIFY(!texte.contains(QRegularExpression(QStringLiteral("\\d ?(\u00B0C|%)"))));
        if (points > 100) {
            // An A4 page holds some 70 lines: a point a line would take 9 pages.
            QVERIFY(plusieursParLigne);
            QVERIFY2(pages.size() * 70 < points, qPrintable(QString::number(pages.size())));
        }
    }
};

VORSEN_GUI_TEST_MAIN(tst_rapport)
#include "tst_rapport.moc"
