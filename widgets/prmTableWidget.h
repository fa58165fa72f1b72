#pragma once

#include "Langue.h"

#include <QTableWidget>

class QPushButton;
class prmLabelCouleur;

// A table written cell by cell. Every Set... grows the table first, so that
// rows and columns can be written in any order. Texts are centred (horizontally
// and vertically) unless told otherwise.
class prmTableWidget : public QTableWidget
{
    Q_OBJECT

public:
    explicit prmTableWidget(QWidget* parent = nullptr);

    void SetWidget(int lig, int col, QWidget* widget);
    // Creates the cell's item or rewrites its text; sets alignment and tooltip.
    void SetItem(int lig, int col, const QString& texte, const QString& tooltip = QString(),
                 Qt::Alignment alignement = Qt::AlignCenter);
    // Same as SetItem.
    void SetTexte(int lig, int col, const QString& texte, const QString& tooltip = QString(),
                  Qt::Alignment alignement = Qt::AlignCenter);
    void SetEntier(int lig, int col, int valeur, const QString& tooltip = QString());
    // valeur in tenths, written with one decimal and followed by the unit text.
    void SetMesure(int lig, int col, qint64 valeur, const QString& tooltip, const QString& unite);
    // temps in s since 1970 UTC: the date in this column, the time in the next one.
    void SetDateHeure(int lig, int col, uint temps, const QString& tooltip = QString());

    // Deletes the cell widgets and empties the texts; the rows stay.
    void Vider();
    void SupprimerLigneBouton(QPushButton* bouton);
    void SupprimerLigneCouleur(prmLabelCouleur* couleur);
    // Writes the text left of the button and fits that column to it.
    void SetTexteAvantBouton(QPushButton* bouton, const QString& texte);

    // Language of the date-time cells written from now on.
    enm_LANGUE m_Langue;

private:
    void Agrandir(int lig, int col);
    bool Chercher(const QWidget* widget, int* lig, int* col) const;
};
