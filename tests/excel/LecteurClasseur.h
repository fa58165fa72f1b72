#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// Reads back a workbook written by the export. The .xlsx container is a zip of
// XML parts: the zip is taken apart here (central directory, each part inflated
// with zlib and checked against its CRC), then the first sheet is parsed with its
// shared strings or inline strings.
struct Cellule {
    QString Texte;
    bool Nombre = false; // a number cell rather than a text cell
};

struct Classeur {
    QString Erreur;                   // empty when the workbook could be read
    QStringList Parties;              // names of the zip's parts
    QStringList Feuilles;             // sheet names, in order
    QVector<QVector<Cellule>> Lignes; // first sheet; Lignes[row - 1][column - 1]
};

Classeur LireClasseur(const QString& chemin);

// The parts of a zip file by name; an empty map and a message on any fault.
QMap<QString, QByteArray> LireZip(const QByteArray& zip, QString& erreur);
