#include "DialoguesQt.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPushButton>

namespace DialoguesQt
{

QWidget* Hote(QWidget* fenetre)
{
    QWidget* hote = fenetre ? fenetre->window() : nullptr;
    while (hote && hote->parentWidget())
        hote = hote->parentWidget()->window();
    return hote;
}

QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icone, const QString& titre,
                                    const QString& texte, QMessageBox::StandardButtons boutons,
                                    QMessageBox::StandardButton defaut)
{
    // As QMessageBox::information() and the others build theirs.
    QMessageBox boite(icone, titre, texte, QMessageBox::NoButton, parent);
    boite.setTextFormat(Qt::PlainText);
    auto* rangee = boite.findChild<QDialogButtonBox*>();
    for (uint masque = QMessageBox::FirstButton; masque <= QMessageBox::LastButton; masque <<= 1) {
        const uint standard = boutons & masque;
        if (!standard)
            continue;
        QPushButton* bouton = boite.addButton(QMessageBox::StandardButton(standard));
        if (boite.defaultButton())
            continue;
        if (defaut == QMessageBox::NoButton
                ? rangee && rangee->buttonRole(bouton) == QDialogButtonBox::AcceptRole
                : standard == uint(defaut))
            boite.setDefaultButton(bouton);
    }
    if (boite.exec() == -1)
        return QMessageBox::Cancel;
    return boite.standardButton(boite.clickedButton());
}

QString FichierAOuvrir(QWidget* fenetre, const QString& titre, const QString& dossier,
                       const QString& filtres)
{
    return QFileDialog::getOpenFileName(Hote(fenetre), titre, dossier, filtres);
}

QString FichierAEnregistrer(QWidget* fenetre, const QString& titre, const QString& chemin,
                            const QString& filtres, QString* filtreChoisi)
{
    return QFileDialog::getSaveFileName(Hote(fenetre), titre, chemin, filtres, filtreChoisi);
}

bool Imprimer(QWidget* fenetre, QPrinter* printer)
{
    QPrintDialog dialogue(printer, Hote(fenetre));
    return dialogue.exec() == QDialog::Accepted;
}

QColor Couleur(QWidget* fenetre, const QColor& initiale)
{
    QColorDialog dialogue(Hote(fenetre));
    dialogue.setOption(QColorDialog::ShowAlphaChannel);
    dialogue.setCurrentColor(initiale);
    if (dialogue.exec() != QDialog::Accepted)
        return QColor();
    return dialogue.selectedColor();
}

} // namespace DialoguesQt
