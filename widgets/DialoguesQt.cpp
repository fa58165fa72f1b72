#include "DialoguesQt.h"

#include <QFileDialog>

namespace DialoguesQt
{

QWidget* Hote(QWidget* fenetre)
{
    QWidget* hote = fenetre ? fenetre->window() : nullptr;
    while (hote && hote->parentWidget())
        hote = hote->parentWidget()->window();
    return hote;
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

} // namespace DialoguesQt
