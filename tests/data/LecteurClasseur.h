#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// Reads back a workbook written by the export. The .xlsx container is a zip of
// XML parts: the zip is taken apart here (central directory, each part inflated
// with zlib and checked against its CRC), then every sheet is parsed with its
// shared strings or inline strings and the number format of each cell.
struct Cellule {
    QString Texte;       // the text, or the number as the sheet writes it
    bool Nombre = false; // a number cell rather than a text cell
    QString Format;      // number format code; "" for the general format
};

// Lignes[row - 1][column - 1]
using Tableau = QVector<QVector<Cellule>>;

struct Classeur {
    QString Erreur;                    // empty when the workbook could be read
    QStringList Parties;               // names of the zip's parts
    QStringList Feuilles;              // sheet names, in order
    QVector<Tableau> Contenus;         // each sheet, in the order of Feuilles
    Tableau Lignes;                    // the first sheet
    QMap<QString, QString> Proprietes; // document properties: "title", "subject"...
};

Classeur LireClasseur(const QString& chemin);

// The parts of a zip file by name; an empty map and a message on any fault.
QMap<QString, QByteArray> LireZip(const QByteArray& zip, QString& erreur);
