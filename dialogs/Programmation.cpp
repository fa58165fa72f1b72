#include "Programmation.h"

#include "CPortSerie.h"
#include "Dialogues.h"

#include <QDialog>

void Programmation::Programmer(QDialog* dialogue, const QString& titre, CPortSerie* port,
                               const std::function<bool()>& envoyer,
                               const std::function<bool()>& poursuivre)
{
    Dialogues& dialogues = Dialogues::Courant();
    if (!port || (!port->isOpen() && !port->Ouvrir())) {
        dialogues.Avertissement(dialogue, titre,
                                tr("L'enregistreur ne semble pas connecte.\nVeuillez verifier "
                                   "s'il est correctement branche."));
        return;
    }
    if (poursuivre && !poursuivre())
        return;

    if (envoyer()) {
        dialogues.Information(dialogue, titre, tr("Programmation effectuee"));
        dialogue->accept();
    } else {
        dialogues.Avertissement(dialogue, titre,
                                tr("La programmation n'a pas fonctionne. Veuillez recommencer."));
    }
}
