#ifndef DIALOGUESQT_H
#define DIALOGUESQT_H

#include <QString>

class QDialog;
class QWidget;

// Qt's own dialogs (files, printing, colours) keep the desktop's look: they are
// created without a parent, since a parent among the program's windows would
// hand them its style sheet, and are then tied to the window they serve.
namespace DialoguesQt
{

// Keeps the dialog above `fenetre`'s window (its transient parent) and centred
// on it. Call before exec().
void Rattacher(QDialog* dialogue, QWidget* fenetre);

// As QFileDialog::getOpenFileName and getSaveFileName; an empty text when
// cancelled. `filtreChoisi`, when given, proposes a filter and receives the
// one chosen.
QString FichierAOuvrir(QWidget* fenetre, const QString& titre, const QString& dossier,
                       const QString& filtres);
QString FichierAEnregistrer(QWidget* fenetre, const QString& titre, const QString& chemin,
                            const QString& filtres, QString* filtreChoisi = nullptr);

} // namespace DialoguesQt

#endif
