#pragma once

#include <QColor>
#include <QMessageBox>
#include <QString>

class QPrinter;
class QWidget;

// Qt's own windows, as the program shows them (Dialogues::Courant() until a test
// installs its own). The file, print and colour dialogs keep the desktop's look:
// their parent is the program's main window, which carries no style sheet (its
// content and the dialogs opened from it do), whatever window or dialog of the
// program opens them. A message box belongs to the window that opens it.
namespace DialoguesQt
{

// The outermost window above `fenetre` (the main window), the parent for
// Qt's dialogs.
QWidget* Hote(QWidget* fenetre);

// As QMessageBox's static functions, with the text shown as plain text.
QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icone, const QString& titre,
                                    const QString& texte, QMessageBox::StandardButtons boutons,
                                    QMessageBox::StandardButton defaut);

// As QFileDialog::getOpenFileName and getSaveFileName with Hote(fenetre) as
// parent; an empty text when cancelled. `filtreChoisi`, when given, proposes a
// filter and receives the one chosen.
QString FichierAOuvrir(QWidget* fenetre, const QString& titre, const QString& dossier,
                       const QString& filtres);
QString FichierAEnregistrer(QWidget* fenetre, const QString& titre, const QString& chemin,
                            const QString& filtres, QString* filtreChoisi = nullptr);

// QPrintDialog on `printer`, child of Hote(fenetre): true when accepted.
bool Imprimer(QWidget* fenetre, QPrinter* printer);

// QColorDialog with its alpha channel, child of Hote(fenetre); invalid when cancelled.
QColor Couleur(QWidget* fenetre, const QColor& initiale);

} // namespace DialoguesQt
