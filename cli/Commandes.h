#pragma once

#include "Langue.h"
#include "LigneCommande.h"
#include "Sortie.h"

#include <QCoreApplication>
#include <QString>
#include <functional>

struct TS_ENREGISTREUR;

// Writes the PDF report of the recording whose header is ail into pdf; false when
// the file could not be written. Given by the program, which alone links the
// widget libraries the report needs.
using EcrivainPdf = std::function<bool(const QString& ail, const QString& pdf, enm_LANGUE langue)>;

// vorsen's commands, once the command line is valid. Each returns the exit status
// and has written its results on standard output and its messages on standard
// error.
class Commandes
{
    Q_DECLARE_TR_FUNCTIONS(Commandes)

public:
    static int Executer(const TS_LIGNE& ligne, enm_LANGUE langue, const EcrivainPdf& pdf);

    static int Liste(const TS_LIGNE& ligne, enm_LANGUE langue);
    static int Info(const TS_LIGNE& ligne, enm_LANGUE langue);
    static int Telecharger(const TS_LIGNE& ligne, enm_LANGUE langue);
    static int Suivre(const TS_LIGNE& ligne);
    static int Programmer(const TS_LIGNE& ligne, enm_LANGUE langue);
    static int Alarmes(const TS_LIGNE& ligne);
    static int Identifiant(const TS_LIGNE& ligne, enm_LANGUE langue);
    static int Exporter(const TS_LIGNE& ligne, enm_LANGUE langue, const EcrivainPdf& pdf);

private:
    // A usage error: its message and status 1.
    static int Usage(const TS_LIGNE& ligne, const QString& message);
    // A programming erases the logger's readings: refused, with the count that would
    // be lost, unless they were downloaded or --yes is given.
    static bool EffacementPermis(const TS_ENREGISTREUR& enregistreur, bool oui);
    // The logger as info shows it, or as JSON.
    static void Afficher(const TS_ENREGISTREUR& enregistreur, bool json, enm_LANGUE langue);
};
