// The commands that program a logger: program, alarms, set-id.
#include "Commandes.h"

#include "Arguments.h"
#include "CPortSerie.h"
#include "ClesReglages.h"
#include "Console.h"
#include "Presentation.h"
#include "ReglesProgrammation.h"
#include "clsLiaison.h"
#include "clsSerie.h"

#include <QJsonObject>

namespace
{

QString NomMode(int mode)
{
    switch (mode) {
    case ReglesProgrammation::MODE_IMMEDIAT:
        return QStringLiteral("immediate");
    case ReglesProgrammation::MODE_TEMPS_REEL:
        return QStringLiteral("realtime");
    case ReglesProgrammation::MODE_MANUEL:
        return QStringLiteral("manual");
    case ReglesProgrammation::MODE_PROGRAMMABLE:
        return QStringLiteral("programmable");
    default:
        return QStringLiteral("continuous");
    }
}

} // namespace

int Commandes::Programmer(const TS_LIGNE& ligne, enm_LANGUE langue)
{
    clsLiaison liaison;
    enm_SORTIE sortie = liaison.Ouvrir(ligne.Positionnels.at(0));
    if (sortie != SORTIE_OK) {
        Console::Message(liaison.Message());
        return sortie;
    }
    const TS_ENREGISTREUR avant = liaison.Enregistreur();
    const bool humidite = ReglesProgrammation::MesureHumidite(CodeModele(avant.Ids.Modele));
    TS_PROGRAMMATION prog;
    QString erreur;
    if (!Arguments::Programmation(ligne, avant.Params, humidite, QDateTime::currentDateTime(),
                                  &prog, &erreur))
        return Usage(ligne, erreur);
    if (!EffacementPermis(avant, ligne.Present(QStringLiteral("yes"))))
        return SORTIE_USAGE;

    // The clock first, so that a programmed start is read against the PC's time;
    // a second failure is not reported (the parameters then tell).
    liaison.Programmer(QStringLiteral("C"), [](CPortSerie& port) {
        return port.SetClock(uint(SecondesDepuis2010(QDateTime::currentDateTime())));
    });
    sortie = liaison.Programmer(
        QStringLiteral("S"), [&prog](CPortSerie& port) { return port.SetParametres(prog.Params); });
    if (sortie == SORTIE_OK)
        sortie = liaison.LireParametres();
    liaison.Fermer();
    if (sortie != SORTIE_OK) {
        Console::Message(liaison.Message());
        return sortie;
    }

    if (ligne.Present(QStringLiteral("json"))) {
        QJsonObject objet = Presentation::Json(liaison.Enregistreur());
        objet.insert(QStringLiteral("mode"), NomMode(prog.Mode));
        Console::Json(objet);
    } else {
        Afficher(liaison.Enregistreur(), false, langue);
    }
    return SORTIE_OK;
}

int Commandes::Alarmes(const TS_LIGNE& ligne)
{
    clsLiaison liaison;
    enm_SORTIE sortie = liaison.Ouvrir(ligne.Positionnels.at(0));
    if (sortie != SORTIE_OK) {
        Console::Message(liaison.Message());
        return sortie;
    }
    const TS_ENREGISTREUR enregistreur = liaison.Enregistreur();
    const bool humidite = ReglesProgrammation::MesureHumidite(CodeModele(enregistreur.Ids.Modele));
    ClesReglages::SeuilsAlarmes seuils;
    QString erreur;
    if (!Arguments::Alarmes(ligne, humidite, &seuils, &erreur))
        return Usage(ligne, erreur);

    const DAC::TS_ALARMES envoyees = ReglesProgrammation::AlarmesEnvoyees(seuils, humidite);
    sortie = liaison.Programmer(
        QStringLiteral("A"), [&envoyees](CPortSerie& port) { return port.SetAlarmes(envoyees); });
    liaison.Fermer();
    if (sortie != SORTIE_OK) {
        Console::Message(liaison.Message());
        return sortie;
    }
    // Remembered as the alarm dialog remembers them, which then opens with them.
    seuils.Actives = envoyees.Actives;
    ClesReglages::EcrireAlarmes(enregistreur.Ids.ID, seuils);
    return SORTIE_OK;
}

int Commandes::Identifiant(const TS_LIGNE& ligne, enm_LANGUE langue)
{
    QString id;
    bool afficheur = true;
    QString erreur;
    if (!Arguments::Identifiant(ligne, &id, &afficheur, &erreur))
        return Usage(ligne, erreur);

    clsLiaison liaison;
    enm_SORTIE sortie = liaison.Ouvrir(ligne.Positionnels.at(0));
    if (sortie == SORTIE_OK) {
        sortie = liaison.Programmer(QStringLiteral("J"), [&id, afficheur](CPortSerie& port) {
            return port.SetIdentifiants(id, afficheur);
        });
    }
    if (sortie == SORTIE_OK)
        sortie = liaison.LireIdentifiants();
    liaison.Fermer();
    if (sortie != SORTIE_OK) {
        Console::Message(liaison.Message());
        return sortie;
    }
    Afficher(liaison.Enregistreur(), ligne.Present(QStringLiteral("json")), langue);
    return SORTIE_OK;
}
