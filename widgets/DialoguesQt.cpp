#include "DialoguesQt.h"

#include <QFileDialog>
#include <QWindow>

namespace
{

QString Fichier(QWidget* fenetre, const QString& titre, const QString& chemin,
                const QString& filtres, QString* filtreChoisi, QFileDialog::AcceptMode mode)
{
    QFileDialog dialogue(nullptr, titre, chemin, filtres);
    dialogue.setAcceptMode(mode);
    dialogue.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                         : QFileDialog::AnyFile);
    if (filtreChoisi && !filtreChoisi->isEmpty())
        dialogue.selectNameFilter(*filtreChoisi);
    DialoguesQt::Rattacher(&dialogue, fenetre);
    if (dialogue.exec() != QDialog::Accepted)
        return QString();
    if (filtreChoisi)
        *filtreChoisi = dialogue.selectedNameFilter();
    return dialogue.selectedFiles().value(0);
}

} // namespace

namespace DialoguesQt
{

void Rattacher(QDialog* dialogue, QWidget* fenetre)
{
    if (!fenetre)
        return;
    QWidget* haut = fenetre->window();
    dialogue->setWindowModality(Qt::ApplicationModal);
    // The native window must exist to be given its transient parent.
    dialogue->winId();
    if (QWindow* parent = haut->windowHandle())
        dialogue->windowHandle()->setTransientParent(parent);
    const QSize taille =
        dialogue->testAttribute(Qt::WA_Resized) ? dialogue->size() : dialogue->sizeHint();
    dialogue->move(haut->geometry().center() - QPoint(taille.width() / 2, taille.height() / 2));
}

QString FichierAOuvrir(QWidget* fenetre, const QString& titre, const QString& dossier,
                       const QString& filtres)
{
    return Fichier(fenetre, titre, dossier, filtres, nullptr, QFileDialog::AcceptOpen);
}

QString FichierAEnregistrer(QWidget* fenetre, const QString& titre, const QString& chemin,
                            const QString& filtres, QString* filtreChoisi)
{
    return Fichier(fenetre, titre, chemin, filtres, filtreChoisi, QFileDialog::AcceptSave);
}

} // namespace DialoguesQt
