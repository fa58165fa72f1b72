#include "clsRapport.h"

#include "clsAnalyse.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QSaveFile>
#include <QTableWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

namespace
{
// Side of a curve's coloured square, in pixels at 96 dpi (about 3 mm, the
// height of the 8-point cells).
const int CoteCarre = 11;
const double MargeMm = 10;

QString TexteCellule(const QTableWidget* table, int lig, int col)
{
    const QTableWidgetItem* cellule = table->item(lig, col);
    return cellule ? cellule->text() : QString();
}

// A value keeps its unit on its line in a narrow column: "20.2 °C", not
// "20.2" over "°C".
QString UniteInsecable(QString texte)
{
    for (const QString& unite : {QStringLiteral(" \u00B0C"), QStringLiteral(" %")})
        if (texte.endsWith(unite))
            texte[texte.size() - unite.size()] = QChar::Nbsp;
    return texte;
}

// A square drawn rather than a symbol of some font, so that it looks the same
// whatever fonts the system has.
QImage Carre(QColor couleur)
{
    couleur.setAlpha(255);
    QImage carre(CoteCarre, CoteCarre, QImage::Format_RGB32);
    carre.fill(couleur);
    return carre;
}
} // namespace

clsRapport::clsRapport(const QTableWidget* legende, const QList<clsAnalyse*>& entrees,
                       const QList<int>& colonnes)
{
    for (int col : colonnes) {
        const QTableWidgetItem* entete = legende->horizontalHeaderItem(col);
        m_Entetes << (entete ? entete->text() : QString());
    }
    // Hidden curves are left out.
    for (const clsAnalyse* entree : entrees) {
        if (!entree->Affichee())
            continue;
        const int lig = entree->LigneLegende();
        LigneRapport ligne;
        ligne.Couleur = entree->Couleur();
        for (int col : colonnes)
            ligne.Textes << TexteCellule(legende, lig, col);
        m_Lignes << ligne;
    }
}

QList<int> clsRapport::Rubriques(const QTableWidget* legende)
{
    QList<int> colonnes;
    for (int col = 0; col < legende->columnCount(); ++col) {
        const QTableWidgetItem* entete = legende->horizontalHeaderItem(col);
        if (entete && !entete->text().trimmed().isEmpty())
            colonnes << col;
    }
    return colonnes;
}

QString clsRapport::NomPdf(const QString& nom)
{
    // Without an extension the desktop does not know the file for a PDF.
    return QFileInfo(nom).suffix().isEmpty() ? nom + QStringLiteral(".pdf") : nom;
}

QImage clsRapport::ImageGraphe(QWidget* graphe)
{
    QPixmap pixmap(graphe->size());
    graphe->render(&pixmap, QPoint(), QRegion(),
                   QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return pixmap.toImage().scaled(630, 330, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QTextDocument* clsRapport::Document(const QString& ligneDate, const QImage& graphe) const
{
    auto* document = new QTextDocument();
    // Cells wrap between words, never inside one.
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);
    document->setDefaultTextOption(option);
    QTextCursor curseur(document);

    QTextCharFormat italique;
    italique.setFontItalic(true);
    curseur.insertText(ligneDate, italique);
    curseur.insertImage(graphe);
    curseur.insertText(QStringLiteral("\n\n\n\n"), QTextCharFormat());

    if (m_Entetes.isEmpty())
        return document;

    curseur.beginEditBlock();
    QTextTableFormat formatTable;
    formatTable.setAlignment(Qt::AlignLeft);
    formatTable.setBackground(QBrush(QColor(QStringLiteral("#ffffff")), Qt::SolidPattern));
    formatTable.setCellPadding(3);
    formatTable.setCellSpacing(3);
    formatTable.setBorder(0);
    QTextTable* table = curseur.insertTable(1 + m_Lignes.size(), 1 + m_Entetes.size(), formatTable);

    QTextBlockFormat centre;
    centre.setAlignment(Qt::AlignCenter);
    QTextCharFormat cellule;
    cellule.setFontPointSize(8);
    // insertText() takes the text as it stands: no markup is read from it.
    const auto ecrire = [table, &centre, &cellule](int lig, int col, const QString& texte) {
        QTextCursor c = table->cellAt(lig, col).firstCursorPosition();
        c.setBlockFormat(centre);
        c.insertText(texte, cellule);
    };
    for (int col = 0; col < m_Entetes.size(); ++col)
        ecrire(0, col + 1, m_Entetes.at(col));
    for (int lig = 0; lig < m_Lignes.size(); ++lig) {
        const LigneRapport& ligne = m_Lignes.at(lig);
        QTextCursor c = table->cellAt(lig + 1, 0).firstCursorPosition();
        c.setBlockFormat(centre);
        const QString nom = QStringLiteral("carre%1").arg(lig);
        document->addResource(QTextDocument::ImageResource, QUrl(nom), Carre(ligne.Couleur));
        QTextImageFormat carre;
        carre.setName(nom);
        carre.setVerticalAlignment(QTextCharFormat::AlignMiddle); // level with the texts
        c.insertImage(carre);
        for (int col = 0; col < ligne.Textes.size(); ++col)
            ecrire(lig + 1, col + 1, UniteInsecable(ligne.Textes.at(col)));
    }
    curseur.endEditBlock();
    return document;
}

bool clsRapport::Ecrire(const QString& fichier, const QString& ligneDate,
                        const QImage& graphe) const
{
    // Written under a temporary name and renamed once complete: a failure
    // leaves neither a partial report nor a file for the viewer.
    QSaveFile sortie(fichier);
    if (!sortie.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&sortie);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF());
        writer.setTitle(QStringLiteral("Vorsen_Logger"));
        QScopedPointer<QTextDocument> document(Document(ligneDate, graphe));
        // Laid out on the page itself, with margins of 10 mm: the default
        // print layout keeps 2 cm and breaks the words of a full table.
        document->documentLayout()->setPaintDevice(&writer);
        document->setPageSize(QSizeF(writer.width(), writer.height()));
        QTextFrameFormat marges = document->rootFrame()->frameFormat();
        // Frame margins count in pixels at 96 dpi, the layout scales them.
        marges.setMargin(96 * MargeMm / 25.4);
        document->rootFrame()->setFrameFormat(marges);
        document->print(&writer);
    }
    return sortie.commit();
}
