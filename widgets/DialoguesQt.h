#pragma once

#include <QString>

class QWidget;

// Qt's own dialogs (files, printing, colours) keep the desktop's look: their
// parent is the program's main window, which carries no style sheet (its
// content and the dialogs opened from it do), whatever window or dialog of the
// program opens them.
namespace DialoguesQt
{

// The outermost window above `fenetre` (the main window), the parent for
// Qt's dialogs.
QWidget* Hote(QWidget* fenetre);

// As QFileDialog::getOpenFileName and getSaveFileName with Hote(fenetre) as
// parent; an empty text when cancelled. `filtreChoisi`, when given, proposes a
// filter and receives the one chosen.
QString FichierAOuvrir(QWidget* fenetre, const QString& titre, const QString& dossier,
                       const QString& filtres);
QString FichierAEnregistrer(QWidget* fenetre, const QString& titre, const QString& chemin,
                            const QString& filtres, QString* filtreChoisi = nullptr);

} // namespace DialoguesQt
