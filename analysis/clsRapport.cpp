#include "clsRapport.h"

#include "EcritureFichier.h"
#include "MiseEnPage.h"
#include "TableauImprime.h"
#include "clsAnalyse.h"
#include "clsSerie.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTableWidget>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_renderer.h>

namespace
{
// Legend columns, as clsAnalyse fills them.
const int ColMesure = 5;
const int ColNom = 15;
const int ColCommentaire = 16;

const double PointsTitre = 16;
const double PointsEtiquettes = 9;
const double PointsDate = 8;
const double PointsTableau = 8;
const double PointsTableauLisible = 6.5;
const double PointsTableauMini = 5;
const double PointsLegende = 9;

QString TexteCellule(const QTableWidget* table, int lig, int col)
{
    const QTableWidgetItem* cellule = table->item(lig, col);
    return cellule ? cellule->text() : QString();
}

// The plot drawn in lines and text into `cadre`. On screen the curves are
// one-pixel cosmetic lines, which on paper would be hairlines of the printer's
// resolution: they are drawn 0.35 mm wide here, then given back their pen.
void DessinerGraphe(QPainter* painter, QwtPlot* graphe, const QRectF& cadre)
{
    const bool autoReplot = graphe->autoReplot();
    graphe->setAutoReplot(false);
    QList<QPair<QwtPlotCurve*, QPen>> stylos;
    const double largeurTrait = Millimetres(painter->device(), 0.35);
    for (QwtPlotItem* item : graphe->itemList(QwtPlotItem::Rtti_PlotCurve)) {
        auto* courbe = static_cast<QwtPlotCurve*>(item);
        stylos << qMakePair(courbe, courbe->pen());
        QPen stylo = courbe->pen();
        stylo.setWidthF(largeurTrait);
        stylo.setCosmetic(true); // in device units, whatever scale the renderer sets
        stylo.setJoinStyle(Qt::RoundJoin);
        courbe->setPen(stylo);
    }
    QwtPlotRenderer rendu;
    // White paper rather than the window's grey.
    rendu.setDiscardFlag(QwtPlotRenderer::DiscardBackground);
    rendu.setDiscardFlag(QwtPlotRenderer::DiscardCanvasBackground);
    rendu.render(graphe, painter, cadre);
    for (const auto& stylo : qAsConst(stylos))
        stylo.first->setPen(stylo.second);
    graphe->setAutoReplot(autoReplot);
}
} // namespace

clsRapport::clsRapport(const QTableWidget* legende, const QList<clsAnalyse*>& entrees,
                       const QList<int>& colonnes)
    : m_Colonnes(colonnes)
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
        ligne.Legende = TexteCellule(legende, lig, ColNom) + QStringLiteral(" \u2013 ") +
                        TexteCellule(legende, lig, ColMesure);
        const bool premiere = m_Lignes.isEmpty();
        m_Lignes << ligne;

        const clsSerie* serie = entree->Serie();
        if (!serie->Infos.ID.isEmpty() && !m_Identifiants.contains(serie->Infos.ID))
            m_Identifiants << serie->Infos.ID;
        const QList<int>& temps = serie->Temps.Valeurs;
        const uint debut = uint(temps.first());
        const uint fin = uint(temps.at(serie->NbrePointsPresents() - 1));
        m_Debut = premiere ? debut : qMin(m_Debut, debut);
        m_Fin = premiere ? fin : qMax(m_Fin, fin);
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

double clsRapport::DessinerTitre(QPainter* painter, const QRectF& zone,
                                 const ContexteRapport& contexte) const
{
    painter->save();
    painter->setPen(Qt::black);
    const QFont date = PoliceImpression(PointsDate, false, true);
    const QFont titre = PoliceImpression(PointsTitre, true);
    const QFontMetricsF mesureDate(date, painter->device());
    const QFontMetricsF mesureTitre(titre, painter->device());
    painter->setFont(date);
    painter->drawText(zone, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, contexte.LigneDate);
    painter->setFont(titre);
    const double largeurDate =
        mesureDate.horizontalAdvance(contexte.LigneDate) + Millimetres(painter->device(), 5);
    painter->drawText(
        QRectF(zone.left(), zone.top(), zone.width() - largeurDate, mesureTitre.height()),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, tr("Rapport d'analyse"));
    painter->restore();

    // Loggers and period of the shown curves: none when every curve is hidden.
    QList<QPair<QString, QString>> lignes;
    if (!m_Identifiants.isEmpty())
        lignes << qMakePair(tr("Enregistreurs :"), m_Identifiants.join(QStringLiteral(", ")));
    if (!m_Lignes.isEmpty())
        lignes << qMakePair(tr("Période :"), tr("du %1 au %2")
                                                 .arg(TexteDate(m_Debut, contexte.Langue),
                                                      TexteDate(m_Fin, contexte.Langue)));
    lignes << qMakePair(tr("Synchronisation :"), contexte.Synchro);
    const double y = zone.top() + mesureTitre.height() + Millimetres(painter->device(), 1.5);
    return y - zone.top() +
           DessinerEtiquettes(painter, QRectF(zone.left(), y, zone.width(), zone.bottom() - y),
                              lignes, PointsEtiquettes);
}

void clsRapport::DessinerTableau(QPainter* painter, QPagedPaintDevice* pages, double y) const
{
    TableauImprime tableau;
    for (int col = 0; col < m_Entetes.size(); ++col) {
        // Names and comments wrap between their words; comments read from the
        // left, as in the legend.
        const int colonne = m_Colonnes.at(col);
        tableau.AjouterColonne(m_Entetes.at(col),
                               colonne == ColCommentaire ? Qt::AlignLeft : Qt::AlignHCenter,
                               colonne == ColNom || colonne == ColCommentaire);
    }
    for (const LigneRapport& ligne : m_Lignes)
        tableau.AjouterLigne(ligne.Textes, ligne.Couleur);
    tableau.setFilets(true);
    const QRectF zone = ZonePage(pages);
    // A smaller font, down to a size still easy to read, rather than a second
    // page; a smaller one still rather than columns past the page's edge.
    if (!tableau.Disposer(painter->device(), zone.width(), PointsTableau, PointsTableauLisible,
                          zone.bottom() - y))
        tableau.Disposer(painter->device(), zone.width(), PointsTableau, PointsTableauMini);

    // The header never ends a page: it goes with the first row.
    const double premiere = tableau.NbreLignes() > 0 ? tableau.HauteurLigne(0) : 0;
    if (y + tableau.HauteurEntete() + premiere > zone.bottom()) {
        pages->newPage();
        y = zone.top();
    }
    tableau.DessinerEntete(painter, QPointF(zone.left(), y));
    y += tableau.HauteurEntete();
    for (int lig = 0; lig < tableau.NbreLignes(); ++lig) {
        if (y + tableau.HauteurLigne(lig) > zone.bottom()) {
            pages->newPage();
            y = zone.top();
            tableau.DessinerEntete(painter, QPointF(zone.left(), y));
            y += tableau.HauteurEntete();
        }
        tableau.DessinerLigne(painter, lig, QPointF(zone.left(), y));
        y += tableau.HauteurLigne(lig);
    }
}

bool clsRapport::Ecrire(const QString& fichier, const ContexteRapport& contexte,
                        QwtPlot* graphe) const
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
        QPainter painter(&writer);
        if (!painter.isActive())
            return false;
        const QRectF zone = ZonePage(&writer);
        double y = zone.top() + DessinerTitre(&painter, zone, contexte) + Millimetres(&writer, 4);
        // The graph as wide as the page, a little over half as high.
        const double hauteur = qMin(zone.width() * 0.55, zone.height() * 0.45);
        DessinerGraphe(&painter, graphe, QRectF(zone.left(), y, zone.width(), hauteur));
        y += hauteur + Millimetres(&writer, 6);
        if (!m_Entetes.isEmpty())
            DessinerTableau(&painter, &writer, y);
    }
    // A full disk must not leave a cut report reported as written.
    return EngagerFichier(sortie);
}

double clsRapport::DessinerLegende(QPainter* painter, const QRectF& zone) const
{
    if (m_Lignes.isEmpty())
        return 0;
    const QFont police = PoliceImpression(PointsLegende);
    const QFontMetricsF mesure(police, painter->device());
    const double trait = Millimetres(painter->device(), 8);
    const double ecart = Millimetres(painter->device(), 2);
    const double separation = Millimetres(painter->device(), 6);
    // Items of the same width, as many a line as fit, read across.
    double largeurTexte = 0;
    for (const LigneRapport& ligne : m_Lignes)
        largeurTexte = qMax(largeurTexte, mesure.horizontalAdvance(ligne.Legende));
    largeurTexte = qMin(largeurTexte, zone.width() - trait - ecart);
    const double largeurItem = trait + ecart + largeurTexte + separation;
    const int parLigne = qMax(1, int((zone.width() + separation) / largeurItem));
    const int lignes = (m_Lignes.size() + parLigne - 1) / parLigne;
    const double hauteurLigne = mesure.height() * 1.3;
    const double hauteur = lignes * hauteurLigne;

    painter->save();
    painter->setFont(police);
    for (int i = 0; i < m_Lignes.size(); ++i) {
        const LigneRapport& ligne = m_Lignes.at(i);
        const double x = zone.left() + (i % parLigne) * largeurItem;
        const double y = zone.bottom() - hauteur + (i / parLigne) * hauteurLigne;
        QColor couleur = ligne.Couleur;
        couleur.setAlpha(255);
        QPen stylo(couleur, Millimetres(painter->device(), 0.7));
        stylo.setCapStyle(Qt::FlatCap);
        painter->setPen(stylo);
        const double milieu = y + hauteurLigne / 2;
        painter->drawLine(QPointF(x, milieu), QPointF(x + trait, milieu));
        painter->setPen(Qt::black);
        painter->drawText(QRectF(x + trait + ecart, y, largeurTexte, hauteurLigne),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          mesure.elidedText(ligne.Legende, Qt::ElideRight, largeurTexte));
    }
    painter->restore();
    return hauteur;
}

void clsRapport::ImprimerGraphe(QPrinter* printer, const ContexteRapport& contexte,
                                QwtPlot* graphe) const
{
    QPainter painter(printer);
    if (!painter.isActive())
        return;
    const QRectF zone = ZonePage(printer);
    const double y = zone.top() + DessinerTitre(&painter, zone, contexte) + Millimetres(printer, 4);
    const double legende = DessinerLegende(&painter, zone);
    const double bas = zone.bottom() - (legende > 0 ? legende + Millimetres(printer, 4) : 0);
    DessinerGraphe(&painter, graphe, QRectF(zone.left(), y, zone.width(), bas - y));
}
