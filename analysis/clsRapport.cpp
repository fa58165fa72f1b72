#include "clsRapport.h"

#include "CalculsConservation.h"
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
#include <qwt_plot_marker.h>
#include <qwt_plot_renderer.h>

namespace
{

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

// The plot drawn in lines and text into `cadre`. On screen the curves and the
// limit lines are one-pixel cosmetic lines, which on paper would be hairlines of
// the printer's resolution: they are drawn 0.35 mm wide here (the dashes grow
// with them), then given back their pen.
void DessinerGraphe(QPainter* painter, QwtPlot* graphe, const QRectF& cadre)
{
    const bool autoReplot = graphe->autoReplot();
    graphe->setAutoReplot(false);
    QList<QPair<QwtPlotCurve*, QPen>> stylos;
    QList<QPair<QwtPlotMarker*, QPen>> stylosLignes;
    const double largeurTrait = Millimetres(painter->device(), 0.35);
    const auto elargir = [largeurTrait](QPen stylo) {
        stylo.setWidthF(largeurTrait);
        stylo.setCosmetic(true); // in device units, whatever scale the renderer sets
        stylo.setJoinStyle(Qt::RoundJoin);
        return stylo;
    };
    for (QwtPlotItem* item : graphe->itemList(QwtPlotItem::Rtti_PlotCurve)) {
        auto* courbe = static_cast<QwtPlotCurve*>(item);
        stylos << qMakePair(courbe, courbe->pen());
        courbe->setPen(elargir(courbe->pen()));
    }
    for (QwtPlotItem* item : graphe->itemList(QwtPlotItem::Rtti_PlotMarker)) {
        auto* ligne = static_cast<QwtPlotMarker*>(item);
        stylosLignes << qMakePair(ligne, ligne->linePen());
        ligne->setLinePen(elargir(ligne->linePen()));
    }
    QwtPlotRenderer rendu;
    // White paper rather than the window's grey.
    rendu.setDiscardFlag(QwtPlotRenderer::DiscardBackground);
    rendu.setDiscardFlag(QwtPlotRenderer::DiscardCanvasBackground);
    rendu.render(graphe, painter, cadre);
    for (const auto& stylo : qAsConst(stylos))
        stylo.first->setPen(stylo.second);
    for (const auto& stylo : qAsConst(stylosLignes))
        stylo.first->setLinePen(stylo.second);
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
        ligne.Legende = entree->NomCourbe();
        const bool premiere = m_Lignes.isEmpty();
        m_Lignes << ligne;

        // Curves with limits: the others have nothing to say here, and their
        // mean kinetic temperature is a rubric of the first table.
        const QString limites = TexteCellule(legende, lig, COL_LIMITES);
        if (!limites.isEmpty()) {
            const TextesConservation conservation = entree->Conservation();
            LigneRapport figures;
            figures.Couleur = entree->Couleur();
            figures.Legende = ligne.Legende;
            figures.Textes << ligne.Legende << limites << conservation.Sous << conservation.Sur
                           << conservation.Excursions << conservation.PlusLongue
                           << conservation.Tcm;
            m_Conservation << figures;
        }
        m_DeltaHsurR = entree->DeltaHsurR();
        const QString fichier = TexteCellule(legende, lig, COL_NOM);
        if (entree->Modifiee() && !m_Modifiees.contains(fichier))
            m_Modifiees << fichier;

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

QStringList clsRapport::EntetesConservation() const
{
    return {tr("Courbe"),    tr("Limites"),    tr("Sous la limite"),
            tr("Au-dessus"), tr("Excursions"), tr("Plus longue"),
            tr("TCM")};
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
    // A fingerprint that no longer matches: the reader of the report must know.
    if (!m_Modifiees.isEmpty())
        lignes << qMakePair(tr("Attention :"),
                            m_Modifiees.join(QStringLiteral(", ")) + QStringLiteral(" \u2013 ") +
                                tr("Modifié hors du programme depuis son enregistrement"));
    const double y = zone.top() + mesureTitre.height() + Millimetres(painter->device(), 1.5);
    return y - zone.top() +
           DessinerEtiquettes(painter, QRectF(zone.left(), y, zone.width(), zone.bottom() - y),
                              lignes, PointsEtiquettes);
}

TableauImprime clsRapport::TableauRubriques() const
{
    TableauImprime tableau;
    for (int col = 0; col < m_Entetes.size(); ++col) {
        // Names and comments wrap between their words; comments read from the
        // left, as in the legend.
        const int colonne = m_Colonnes.at(col);
        tableau.AjouterColonne(m_Entetes.at(col),
                               colonne == COL_COMMENTAIRE ? Qt::AlignLeft : Qt::AlignHCenter,
                               colonne == COL_NOM || colonne == COL_COMMENTAIRE);
    }
    for (const LigneRapport& ligne : m_Lignes)
        tableau.AjouterLigne(ligne.Textes, ligne.Couleur);
    return tableau;
}

TableauImprime clsRapport::TableauConservation() const
{
    TableauImprime tableau;
    const QStringList entetes = EntetesConservation();
    for (int col = 0; col < entetes.size(); ++col)
        tableau.AjouterColonne(entetes.at(col), col == 0 ? Qt::AlignLeft : Qt::AlignHCenter,
                               col == 0);
    for (const LigneRapport& ligne : m_Conservation)
        tableau.AjouterLigne(ligne.Textes, ligne.Couleur);
    return tableau;
}

double clsRapport::DessinerTableau(QPainter* painter, QPagedPaintDevice* pages,
                                   TableauImprime& tableau, double y) const
{
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
    return y;
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
        if (!m_Entetes.isEmpty()) {
            TableauImprime rubriques = TableauRubriques();
            y = DessinerTableau(&painter, &writer, rubriques, y) + Millimetres(&writer, 6);
        }
        if (!m_Conservation.isEmpty()) {
            // Its title goes with the table: on the next page when the header
            // and first row would not follow it.
            const QFont police = PoliceImpression(PointsEtiquettes, true);
            const double hauteurTitre = QFontMetricsF(police, &writer).height() * 1.4;
            if (y + 3 * hauteurTitre > zone.bottom()) {
                writer.newPage();
                y = zone.top();
            }
            painter.save();
            painter.setPen(Qt::black);
            painter.setFont(police);
            painter.drawText(
                QRectF(zone.left(), y, zone.width(), hauteurTitre),
                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                tr("Limites et excursions ; TCM avec ΔH/R = %1 K").arg(qRound(m_DeltaHsurR)));
            painter.restore();
            TableauImprime figures = TableauConservation();
            DessinerTableau(&painter, &writer, figures, y + hauteurTitre);
        }
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
