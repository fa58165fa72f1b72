#pragma once

#include <QColor>
#include <QMessageBox>
#include <QString>

class QDialog;
class QPrinter;
class QWidget;

// Every modal window through which the program talks to the user goes through
// one object: message boxes, Qt's file, print and colour dialogs, and the
// program's own dialogs. The program uses Qt's (DialoguesQt); a test installs
// its own, which records what was asked and answers as scripted.
class Dialogues
{
public:
    virtual ~Dialogues() = default;

    // A message box (texts shown as plain text). With no default button, the
    // first accepting one is. Returns the button pressed; Escape gives the box's
    // escape button.
    virtual QMessageBox::StandardButton
    Message(QWidget* parent, QMessageBox::Icon icone, const QString& titre, const QString& texte,
            QMessageBox::StandardButtons boutons = QMessageBox::Ok,
            QMessageBox::StandardButton defaut = QMessageBox::NoButton) = 0;

    // A file to open or to save to; an empty text when cancelled. `filtreChoisi`,
    // when given, proposes a filter and receives the one chosen.
    virtual QString FichierAOuvrir(QWidget* fenetre, const QString& titre, const QString& dossier,
                                   const QString& filtres) = 0;
    virtual QString FichierAEnregistrer(QWidget* fenetre, const QString& titre,
                                        const QString& chemin, const QString& filtres,
                                        QString* filtreChoisi = nullptr) = 0;

    // The print dialog on `printer`: true when the user chose to print.
    virtual bool Imprimer(QWidget* fenetre, QPrinter* printer) = 0;

    // The colour dialog, with transparency, from `initiale`; invalid when cancelled.
    virtual QColor Couleur(QWidget* fenetre, const QColor& initiale) = 0;

    // One of the program's own modal dialogs, as QDialog::exec().
    virtual int Executer(QDialog* dialogue) = 0;

    // Shorthands, with an OK button.
    void Information(QWidget* parent, const QString& titre, const QString& texte);
    void Avertissement(QWidget* parent, const QString& titre, const QString& texte);

    // The one installed; Qt's until another is.
    static Dialogues& Courant();
    // Installs `dialogues` (it must outlive its use); null goes back to Qt's.
    static void Installer(Dialogues* dialogues);
};
