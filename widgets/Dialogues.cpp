#include "Dialogues.h"

#include "DialoguesQt.h"

#include <QDialog>

namespace
{

class DialoguesDeQt final : public Dialogues
{
public:
    QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icone,
                                        const QString& titre, const QString& texte,
                                        QMessageBox::StandardButtons boutons,
                                        QMessageBox::StandardButton defaut) override
    {
        return DialoguesQt::Message(parent, icone, titre, texte, boutons, defaut);
    }
    QString FichierAOuvrir(QWidget* fenetre, const QString& titre, const QString& dossier,
                           const QString& filtres) override
    {
        return DialoguesQt::FichierAOuvrir(fenetre, titre, dossier, filtres);
    }
    QString FichierAEnregistrer(QWidget* fenetre, const QString& titre, const QString& chemin,
                                const QString& filtres, QString* filtreChoisi) override
    {
        return DialoguesQt::FichierAEnregistrer(fenetre, titre, chemin, filtres, filtreChoisi);
    }
    bool Imprimer(QWidget* fenetre, QPrinter* printer) override
    {
        return DialoguesQt::Imprimer(fenetre, printer);
    }
    QColor Couleur(QWidget* fenetre, const QColor& initiale) override
    {
        return DialoguesQt::Couleur(fenetre, initiale);
    }
    int Executer(QDialog* dialogue) override { return dialogue->exec(); }
};

Dialogues* g_Installes = nullptr;

} // namespace

void Dialogues::Information(QWidget* parent, const QString& titre, const QString& texte)
{
    Message(parent, QMessageBox::Information, titre, texte);
}

void Dialogues::Avertissement(QWidget* parent, const QString& titre, const QString& texte)
{
    Message(parent, QMessageBox::Warning, titre, texte);
}

Dialogues& Dialogues::Courant()
{
    static DialoguesDeQt qt;
    return g_Installes ? *g_Installes : qt;
}

void Dialogues::Installer(Dialogues* dialogues)
{
    g_Installes = dialogues;
}
