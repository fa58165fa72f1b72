#pragma once

#include <QToolButton>

class ISelectionAppareil;

// One button per logger found. The buttons of one parent are auto-exclusive;
// every change of the checked state is passed to the creator's selection.
class prmBoutonAppareil : public QToolButton
{
    Q_OBJECT

public:
    // createur: the window that selects loggers, usually the parent itself.
    // identifiant: the logger's port name; texte: its caption; icone: an image file.
    prmBoutonAppareil(ISelectionAppareil* createur, QWidget* parent, const QString& identifiant,
                      const QString& texte, const QString& icone);

    QString Identifiant() const { return m_Identifiant; }
    // The caption is the button's text().

public slots:
    void slot_Clicked(bool checked);

private:
    QString m_Identifiant;
    ISelectionAppareil* m_pCreateur;
};
