#pragma once

// Pure handling of the logger's text lines (cut from the received bytes by
// TamponLignes): sorting lines (data, download header, reply), parsing replies and building the
// command lines. No I/O here, so captured traffic replays in tests; CPortSerie
// only wires these functions to the serial port.

#include <QByteArray>
#include <QString>

#include "DAC.h"

namespace Trames
{

// A line from the logger ends with CR alone; a command line ends with CR LF.
constexpr char CR = '\r';

// Longest run of bytes without CR kept in the receive buffer. A real line is at
// most a few dozen bytes; more than this is noise, a wrong baud rate or a
// babbling device.
constexpr int TailleMaxTampon = 4096;

// Text of a raw line: Latin-1, stopped at the first NUL byte if any.
QString TexteLigne(const QByteArray& brute);

// What the receive handler does with a non-empty line.
enum class Nature {
    Donnees, // first byte d or v: readings, never queued
    Entete,  // first byte m while a download header is awaited
    Reponse  // anything else: queued as a reply
};
Nature Classer(const QString& ligne, bool attenteEntete);

// Number of blanks in the whole line.
int NbreBlancs(const QString& ligne);

// Field n of a line cut at single blanks (field 0 is the tag); empty when absent.
QString Champ(const QString& ligne, int n);

// Unsigned 16-bit decimal; 0 when the text does not parse.
word Valeur16(const QString& champ);

// Readings of a data line: Nombre is 2 with at least two blanks, 1 with exactly
// one blank, 0 otherwise (the line is then dropped).
struct Donnees {
    int Nombre = 0;
    word Valeur1 = 0;
    word Valeur2 = 0;
};
Donnees LireDonnees(const QString& ligne);

// A download header needs the six fields of a parameters reply (6 blanks).
bool EnteteValide(const QString& ligne);

// Fields of a parameters reply or download header:
// m NbrePoints Frequence Unite DebutHaut DebutBas Capteurs.
DAC::TS_PARAMETRES LireParametres(const QString& ligne);

// Fields of an identification reply: i ID Modele Info.
DAC::TS_IDENTIFIANTS LireIdentifiants(const QString& ligne);

// The commands that wait for a reply, and the test their reply must pass.
enum class Commande {
    LireIdentifiants, // "I": i, >= 3 blanks
    LireParametres,   // "M": m, >= 6 blanks
    SetIdentifiants,  // "J": i, >= 2 blanks
    SetParametres,    // "S": m or ?, >= 6 blanks
    SetAlarmes,       // "A": >
    SetClock,         // "C": c, >= 2 blanks
    QuitOnLine        // "Q": >
};
bool ReponseAcceptee(Commande commande, const QString& reponse);

// Command lines (without CR LF).
QString LigneSetIdentifiants(const QString& newID, bool OnOff);
QString LigneSetParametres(const DAC::TS_PARAMETRES& newParam);
QString LigneSetAlarmes(const DAC::TS_ALARMES& newAlarmes);
QString LigneSetClock(uint newClock);

// Bytes put on the wire for a command: Latin-1 text followed by CR LF.
QByteArray EncoderCommande(const QString& commande);

// Whether a port's manufacturer text names a loggers' adapter: "Prolific" in any
// case, alone or followed by a blank or an underscore and more text.
bool FabricantProlific(const QString& fabricant);

} // namespace Trames
