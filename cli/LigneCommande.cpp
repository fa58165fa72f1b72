#include "LigneCommande.h"

namespace
{

struct TS_OPTION {
    const char* Nom;
    char Court;     // one-letter form, 0 when none
    bool Valeur;    // takes a value
    bool Repetable; // may be given more than once
};

// Options every command takes: more ports to look at, and its help.
const QList<TS_OPTION>& OptionsCommunes()
{
    static const QList<TS_OPTION> options{{"port", 0, true, true}, {"help", 'h', false, false}};
    return options;
}

QList<TS_OPTION> OptionsDe(enm_COMMANDE commande)
{
    switch (commande) {
    case enm_COMMANDE::List:
    case enm_COMMANDE::Info:
        return {{"json", 0, false, false}};
    case enm_COMMANDE::Download:
        return {{"output", 'o', true, false},
                {"name", 0, true, false},
                {"format", 0, true, true},
                {"utc", 0, false, false},
                {"json", 0, false, false}};
    case enm_COMMANDE::Monitor:
        return {{"period", 0, true, false}, {"utc", 0, false, false}, {"yes", 0, false, false}};
    case enm_COMMANDE::Program:
        return {{"mode", 0, true, false},    {"period", 0, true, false}, {"points", 0, true, false},
                {"sensors", 0, true, false}, {"unit", 0, true, false},   {"start", 0, true, false},
                {"yes", 0, false, false},    {"json", 0, false, false}};
    case enm_COMMANDE::Alarms:
        return {{"temp-min", 0, true, false},
                {"temp-max", 0, true, false},
                {"humi-min", 0, true, false},
                {"humi-max", 0, true, false}};
    case enm_COMMANDE::SetId:
        return {{"display", 0, true, false}, {"json", 0, false, false}};
    case enm_COMMANDE::Export:
        return {{"output", 'o', true, false}, {"format", 0, true, false}, {"utc", 0, false, false}};
    case enm_COMMANDE::Aucune:
        break;
    }
    return {};
}

// Names of the arguments a command needs, in order.
QStringList PositionnelsDe(enm_COMMANDE commande)
{
    switch (commande) {
    case enm_COMMANDE::Info:
    case enm_COMMANDE::Download:
    case enm_COMMANDE::Monitor:
    case enm_COMMANDE::Program:
    case enm_COMMANDE::Alarms:
        return {QStringLiteral("PORT")};
    case enm_COMMANDE::SetId:
        return {QStringLiteral("PORT"), QStringLiteral("NEWID")};
    case enm_COMMANDE::Export:
        return {QStringLiteral("FILE")};
    case enm_COMMANDE::List:
    case enm_COMMANDE::Aucune:
        break;
    }
    return {};
}

QStringList ObligatoiresDe(enm_COMMANDE commande)
{
    switch (commande) {
    case enm_COMMANDE::Program:
        return {QStringLiteral("mode")};
    case enm_COMMANDE::Export:
        return {QStringLiteral("format")};
    default:
        return {};
    }
}

const TS_OPTION* Chercher(const QList<TS_OPTION>& options, const QString& nom, bool court)
{
    for (const TS_OPTION& o : options) {
        if (court ? (o.Court != 0 && nom == QLatin1Char(o.Court)) : nom == QLatin1String(o.Nom))
            return &o;
    }
    return nullptr;
}

} // namespace

QString LigneCommande::Nom(enm_COMMANDE commande)
{
    switch (commande) {
    case enm_COMMANDE::List:
        return QStringLiteral("list");
    case enm_COMMANDE::Info:
        return QStringLiteral("info");
    case enm_COMMANDE::Download:
        return QStringLiteral("download");
    case enm_COMMANDE::Monitor:
        return QStringLiteral("monitor");
    case enm_COMMANDE::Program:
        return QStringLiteral("program");
    case enm_COMMANDE::Alarms:
        return QStringLiteral("alarms");
    case enm_COMMANDE::SetId:
        return QStringLiteral("set-id");
    case enm_COMMANDE::Export:
        return QStringLiteral("export");
    case enm_COMMANDE::Aucune:
        break;
    }
    return QString();
}

enm_COMMANDE LigneCommande::Commande(const QString& nom)
{
    for (enm_COMMANDE c :
         {enm_COMMANDE::List, enm_COMMANDE::Info, enm_COMMANDE::Download, enm_COMMANDE::Monitor,
          enm_COMMANDE::Program, enm_COMMANDE::Alarms, enm_COMMANDE::SetId, enm_COMMANDE::Export}) {
        if (Nom(c) == nom)
            return c;
    }
    return enm_COMMANDE::Aucune;
}

TS_LIGNE LigneCommande::Analyser(const QStringList& arguments)
{
    TS_LIGNE ligne;
    QList<TS_OPTION> options = OptionsCommunes();
    bool finOptions = false;
    QString erreur; // the first usage error; the rest of the line is still read for --help

    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool option =
            !finOptions && argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-");
        if (!option) {
            if (ligne.Commande == enm_COMMANDE::Aucune && !ligne.Version) {
                ligne.Commande = Commande(argument);
                if (ligne.Commande == enm_COMMANDE::Aucune) {
                    if (erreur.isEmpty())
                        erreur = tr("commande inconnue : %1").arg(argument);
                    break;
                }
                options << OptionsDe(ligne.Commande);
            } else {
                ligne.Positionnels << argument;
            }
            continue;
        }
        if (argument == QLatin1String("--")) {
            finOptions = true;
            continue;
        }

        // Before the command: its help and the program's version too.
        if (ligne.Commande == enm_COMMANDE::Aucune && argument == QLatin1String("--version")) {
            ligne.Version = true;
            continue;
        }
        const bool longue = argument.startsWith(QLatin1String("--"));
        QString nom = argument.mid(longue ? 2 : 1);
        QString valeur;
        bool valeurJointe = false;
        const int egal = longue ? nom.indexOf(QLatin1Char('=')) : -1;
        if (egal >= 0) {
            valeur = nom.mid(egal + 1);
            nom = nom.left(egal);
            valeurJointe = true;
        }
        const TS_OPTION* o = Chercher(options, nom, !longue);
        if (!o) {
            if (erreur.isEmpty()) {
                erreur =
                    ligne.Commande == enm_COMMANDE::Aucune
                        ? tr("option inconnue : %1").arg(argument)
                        : tr("option inconnue pour %1 : %2").arg(Nom(ligne.Commande), argument);
            }
            continue;
        }
        const QString nomLong = QLatin1String(o->Nom);
        const QString affiche = QStringLiteral("--") + nomLong;
        if (o->Valeur && !valeurJointe) {
            if (i + 1 >= arguments.size()) {
                if (erreur.isEmpty())
                    erreur = tr("l'option %1 attend une valeur").arg(affiche);
                continue;
            }
            valeur = arguments.at(++i);
        } else if (!o->Valeur && valeurJointe) {
            if (erreur.isEmpty())
                erreur = tr("l'option %1 ne prend pas de valeur").arg(affiche);
            continue;
        }
        if (nomLong == QLatin1String("help")) {
            ligne.Aide = true;
            continue;
        }
        if (ligne.Options.contains(nomLong) && !o->Repetable && erreur.isEmpty())
            erreur = tr("l'option %1 ne peut être donnée qu'une fois").arg(affiche);
        ligne.Options[nomLong] << valeur;
    }

    if (ligne.Aide || ligne.Version)
        return ligne; // help and version need nothing else
    if (erreur.isEmpty() && ligne.Commande == enm_COMMANDE::Aucune)
        erreur = tr("aucune commande");
    if (erreur.isEmpty()) {
        const QStringList attendus = PositionnelsDe(ligne.Commande);
        if (ligne.Positionnels.size() < attendus.size())
            erreur = tr("il manque %1")
                         .arg(attendus.mid(ligne.Positionnels.size()).join(QLatin1Char(' ')));
        else if (ligne.Positionnels.size() > attendus.size())
            erreur = tr("argument en trop : %1").arg(ligne.Positionnels.at(attendus.size()));
    }
    if (erreur.isEmpty()) {
        for (const QString& nom : ObligatoiresDe(ligne.Commande)) {
            if (!ligne.Present(nom)) {
                erreur = tr("l'option --%1 est obligatoire").arg(nom);
                break;
            }
        }
    }
    ligne.Erreur = erreur;
    return ligne;
}
