#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QString>
#include <QStringList>

// The commands of vorsen.
enum class enm_COMMANDE { Aucune, List, Info, Download, Monitor, Program, Alarms, SetId, Export };

// A command line once cut into its command, options and arguments.
struct TS_LIGNE {
    enm_COMMANDE Commande = enm_COMMANDE::Aucune;
    bool Aide = false;    // --help: of the command, or general without one
    bool Version = false; // --version
    QStringList Positionnels;
    // Values by long option name without its dashes, in the order given; a flag
    // holds one empty value.
    QMap<QString, QStringList> Options;
    QString Erreur; // usage error, translated; empty when the line is valid

    bool Present(const QString& nom) const { return Options.contains(nom); }
    QString Valeur(const QString& nom) const { return Options.value(nom).value(0); }
    QStringList Valeurs(const QString& nom) const { return Options.value(nom); }
};

// Cuts a command line without any I/O. The first argument that is not an option
// names the command; then, for that command, "--name value", "--name=value",
// "-o value" and flags, in any order among its arguments ("--" ends the options).
// An option that takes a value takes the next argument whatever it looks like,
// so "--temp-min -5.0" works.
class LigneCommande
{
    Q_DECLARE_TR_FUNCTIONS(LigneCommande)

public:
    // arguments: without the program's name.
    static TS_LIGNE Analyser(const QStringList& arguments);

    // Name of a command as typed ("set-id"), and the command of a name.
    static QString Nom(enm_COMMANDE commande);
    static enm_COMMANDE Commande(const QString& nom);
};
