#ifndef CLSRAPPORT_H
#define CLSRAPPORT_H

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

class QTableWidget;
class QTextDocument;
class QWidget;
class clsAnalyse;

// One row of the report's table: a shown curve, its colour and the texts of
// the chosen legend cells.
struct LigneRapport {
    QColor Couleur;
    QStringList Textes;
};

// The analysis report, apart from its dialogs: the rubrics chosen, the rows of
// the shown curves and the document written to PDF. It copies the legend cells
// as they are displayed and computes nothing.
class clsRapport
{
public:
    // colonnes: legend column indices, in the order of the report's columns.
    clsRapport(const QTableWidget* legende, const QList<clsAnalyse*>& entrees,
               const QList<int>& colonnes);

    const QStringList& Entetes() const { return m_Entetes; }
    const QList<LigneRapport>& Lignes() const { return m_Lignes; }

    // The date line, the graph, then the table (none without a column). Every
    // text goes in as plain text: a comment holding markup prints as typed.
    QTextDocument* Document(const QString& ligneDate, const QImage& graphe) const;
    // A4 PDF titled "Vorsen_Logger"; false when the file could not be written,
    // in which case no file is left behind.
    bool Ecrire(const QString& fichier, const QString& ligneDate, const QImage& graphe) const;

    // Legend columns whose header is not blank: the rubrics a report may hold.
    static QList<int> Rubriques(const QTableWidget* legende);
    // The chosen name, with ".pdf" added when it has no extension.
    static QString NomPdf(const QString& nom);
    // The plot as on screen, scaled to fit 630 x 330 pixels.
    static QImage ImageGraphe(QWidget* graphe);

private:
    QStringList m_Entetes;
    QList<LigneRapport> m_Lignes;
};

#endif
