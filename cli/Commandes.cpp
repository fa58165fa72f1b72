#include "Commandes.h"

#include "Aide.h"
#include "ClesReglages.h"
#include "Console.h"
#include "Presentation.h"
#include "ReglesProgrammation.h"

int Commandes::Executer(const TS_LIGNE& ligne, enm_LANGUE langue, const EcrivainPdf& pdf)
{
    switch (ligne.Commande) {
    case enm_COMMANDE::List:
        return Liste(ligne, langue);
    case enm_COMMANDE::Info:
        return Info(ligne, langue);
    case enm_COMMANDE::Download:
        return Telecharger(ligne, langue);
    case enm_COMMANDE::Monitor:
        return Suivre(ligne);
    case enm_COMMANDE::Program:
        return Programmer(ligne, langue);
    case enm_COMMANDE::Alarms:
        return Alarmes(ligne);
    case enm_COMMANDE::SetId:
        return Identifiant(ligne, langue);
    case enm_COMMANDE::Export:
        return Exporter(ligne, langue, pdf);
    case enm_COMMANDE::Aucune:
        break;
    }
    return Usage(ligne, QString());
}

int Commandes::Usage(const TS_LIGNE& ligne, const QString& message)
{
    Console::Message(message + QStringLiteral(" (") + Aide::Renvoi(ligne.Commande) +
                     QLatin1Char(')'));
    return SORTIE_USAGE;
}

bool Commandes::EffacementPermis(const TS_ENREGISTREUR& enregistreur, bool oui)
{
    if (oui)
        return true;
    ClesReglages::Telechargement telecharge;
    int recus = 0;
    if (ClesReglages::LireTelechargement(enregistreur.Ids.ID, &telecharge) &&
        telecharge.DateDebut == enregistreur.Params.DateDebut)
        recus = telecharge.Points;
    const int perdues =
        ReglesProgrammation::MesuresNonTelechargees(PointsParCapteur(enregistreur.Params), recus);
    if (perdues == 0)
        return true;
    Console::Message(tr("l'enregistreur %1 peut contenir %2 mesures qui n'ont pas été "
                        "téléchargées ; la programmation va les effacer : relancez avec --yes "
                        "pour continuer")
                         .arg(enregistreur.Ids.ID)
                         .arg(perdues));
    return false;
}

void Commandes::Afficher(const TS_ENREGISTREUR& enregistreur, bool json, enm_LANGUE langue)
{
    if (json)
        Console::Json(Presentation::Json(enregistreur));
    else
        Console::Ligne(Presentation::Fiche(enregistreur, langue).join(QLatin1Char('\n')));
}
