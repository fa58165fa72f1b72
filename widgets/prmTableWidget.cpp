#include "prmTableWidget.h"

#include "Grandeurs.h"
#include "clsSerie.h"
#include "prmLabelCouleur.h"

#include <QPushButton>

prmTableWidget::prmTableWidget(QWidget* parent) : QTableWidget(parent), m_Langue(ANGLAIS) {}

void prmTableWidget::Agrandir(int lig, int col)
{
    while (rowCount() <= lig)
        insertRow(rowCount());
    while (columnCount() <= col)
        insertColumn(columnCount());
}

void prmTableWidget::SetWidget(int lig, int col, QWidget* widget)
{
    Agrandir(lig, col);
    setCellWidget(lig, col, widget);
}

void prmTableWidget::SetItem(int lig, int col, const QString& texte, const QString& tooltip,
                             Qt::Alignment alignement)
{
    Agrandir(lig, col);
    QTableWidgetItem* cellule = item(lig, col);
    if (!cellule) {
        // Filled before it joins the table: the model hears of it once, not once
        // per property (a table of 16000 rows is filled cell by cell).
        cellule = new QTableWidgetItem(texte);
        cellule->setTextAlignment(alignement);
        if (!tooltip.isEmpty())
            cellule->setToolTip(tooltip);
        setItem(lig, col, cellule);
        return;
    }
    cellule->setText(texte);
    cellule->setTextAlignment(alignement);
    cellule->setToolTip(tooltip);
}

void prmTableWidget::SetTexte(int lig, int col, const QString& texte, const QString& tooltip,
                              Qt::Alignment alignement)
{
    SetItem(lig, col, texte, tooltip, alignement);
}

void prmTableWidget::SetEntier(int lig, int col, int valeur, const QString& tooltip)
{
    SetItem(lig, col, QString::number(valeur), tooltip, Qt::AlignCenter);
}

void prmTableWidget::SetMesure(int lig, int col, qint64 valeur, const QString& tooltip,
                               const QString& unite)
{
    SetItem(lig, col, TexteMesure(valeur, unite), tooltip, Qt::AlignCenter);
}

void prmTableWidget::SetDateHeure(int lig, int col, uint temps, const QString& tooltip)
{
    // "date time" in French, "date time AM" in English: the time keeps its marker.
    const QString texte = TexteDate(temps, m_Langue);
    const int blanc = texte.indexOf(QLatin1Char(' '));
    SetItem(lig, col, texte.left(blanc), tooltip, Qt::AlignCenter);
    SetItem(lig, col + 1, blanc < 0 ? QString() : texte.mid(blanc + 1), tooltip, Qt::AlignCenter);
}

void prmTableWidget::Vider()
{
    for (int lig = 0; lig < rowCount(); ++lig) {
        for (int col = 0; col < columnCount(); ++col) {
            if (cellWidget(lig, col))
                removeCellWidget(lig, col);
            if (QTableWidgetItem* cellule = item(lig, col))
                cellule->setText(QString());
        }
    }
}

bool prmTableWidget::Chercher(const QWidget* widget, int* lig, int* col) const
{
    for (int l = 0; l < rowCount(); ++l) {
        for (int c = 0; c < columnCount(); ++c) {
            if (widget && cellWidget(l, c) == widget) {
                *lig = l;
                *col = c;
                return true;
            }
        }
    }
    return false;
}

void prmTableWidget::SupprimerLigneBouton(QPushButton* bouton)
{
    int lig, col;
    if (Chercher(bouton, &lig, &col))
        removeRow(lig);
}

void prmTableWidget::SupprimerLigneCouleur(prmLabelCouleur* couleur)
{
    int lig, col;
    if (Chercher(couleur, &lig, &col))
        removeRow(lig);
}

void prmTableWidget::SetTexteAvantBouton(QPushButton* bouton, const QString& texte)
{
    int lig, col;
    if (!Chercher(bouton, &lig, &col) || col == 0)
        return;
    if (QTableWidgetItem* cellule = item(lig, col - 1))
        cellule->setText(texte);
    else
        SetItem(lig, col - 1, texte, QString(), Qt::AlignLeft | Qt::AlignVCenter);
    resizeColumnToContents(col - 1);
}
