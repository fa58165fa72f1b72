#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QTableWidget;
class QwtPlot;
class TableauImprime;
class clsAnalyse;

// One row of the report's table: a shown curve, its colour and the texts of
// the chosen legend cells.
struct LigneRapport {
    QColor Couleur;
    QStringList Textes;
    QString Legende; // file name and measure, for the printed graph's legend
};

// What a report or a printed graph says of itself besides its curves.
struct ContexteRapport {
    QString LigneDate; // when it was made, in the language's formats
    QString Synchro;   // how the curves lie on the x axis, as the view names it
    int Langue = 0;    // TexteDate() style of the period's time stamps
};

// The analysis report and the printed graph, apart from their dialogs: the
// rubrics chosen, the rows of the shown curves, and the pages drawn from them.
// It copies the legend cells as they are displayed.
class clsRapport
{
    Q_DECLARE_TR_FUNCTIONS(clsRapport)

public:
    // colonnes: legend column indices, in the order of the report's columns.
    clsRapport(const QTableWidget* legende, const QList<clsAnalyse*>& entrees,
               const QList<int>& colonnes);

    const QStringList& Entetes() const { return m_Entetes; }
    const QList<LigneRapport>& Lignes() const { return m_Lignes; }
    // The table of limits and excursions: one row for each shown curve that has
    // limits, its texts under EntetesConservation().
    QStringList EntetesConservation() const;
    const QList<LigneRapport>& LignesConservation() const { return m_Conservation; }
    // Files of the shown curves changed outside the program since their save.
    const QStringList& Modifiees() const { return m_Modifiees; }

    // A4 PDF titled "Vorsen_Logger": the title lines (with the files changed
    // outside the program), the graph drawn as lines and text, then the table
    // (none without a column) and the table of limits and excursions, each
    // header again at the top of any further page. Every text goes in as typed,
    // never read as markup. False when the file could not be written, in which
    // case no file is left behind.
    bool Ecrire(const QString& fichier, const ContexteRapport& contexte, QwtPlot* graphe) const;
    // The printed graph: the title lines, the graph, a legend of the shown curves.
    void ImprimerGraphe(QPrinter* printer, const ContexteRapport& contexte, QwtPlot* graphe) const;

    // Legend columns whose header is not blank: the rubrics a report may hold.
    static QList<int> Rubriques(const QTableWidget* legende);
    // The chosen name, with ".pdf" added when it has no extension.
    static QString NomPdf(const QString& nom);

private:
    // Title, loggers, period and synchronisation from the top of `zone`, the
    // date line on the right; returns the height used.
    double DessinerTitre(QPainter* painter, const QRectF& zone,
                         const ContexteRapport& contexte) const;
    // A table from y on, over as many pages as it needs; returns the y under it.
    double DessinerTableau(QPainter* painter, QPagedPaintDevice* pages, TableauImprime& tableau,
                           double y) const;
    // The rubrics' table, the table of limits and excursions.
    TableauImprime TableauRubriques() const;
    TableauImprime TableauConservation() const;
    // The legend of the printed graph, at the bottom of `zone`; returns its height.
    double DessinerLegende(QPainter* painter, const QRectF& zone) const;

    QList<int> m_Colonnes; // legend columns of the table
    QStringList m_Entetes;
    QList<LigneRapport> m_Lignes;
    QList<LigneRapport> m_Conservation;
    double m_DeltaHsurR = 0; // K, of the mean kinetic temperatures
    QStringList m_Modifiees;
    QStringList m_Identifiants;
    uint m_Debut = 0; // first and last time stamps of the shown curves, s since 1970 UTC
    uint m_Fin = 0;
};
