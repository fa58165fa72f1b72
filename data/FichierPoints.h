#pragma once

#include <QByteArray>

// Lines of a recording's points file: time stamp (unsigned decimal), tab,
// temperature (signed decimal), tab, humidity (signed decimal), line end.
// Free of I/O so tests reach them directly.

struct PointFichier {
    uint Temps = 0;
    int Temperature = 0;
    int Humidite = 0;
};

// Reads one line, with or without its line end (LF or CR LF). Returns false for
// an empty line, which holds no point. Fields beyond the third are ignored; a
// field that is missing or is not a decimal number fitting 32 bits gives 0.
// The time stamp is unsigned; a negative one is kept as its 32-bit pattern so
// that a value written from the signed list reads back unchanged.
bool AnalyserLignePoints(const QByteArray& ligne, PointFichier& point);

// Whether a line holds its three fields, the last one not blank: the last line
// of a file cut short may lack some.
bool LigneEntiere(const QByteArray& ligne);

// Appends one line ending in "\n" (the file is written in text mode, so the
// platform's line end lands on disk).
void AjouterLignePoints(QByteArray& tampon, uint temps, int temperature, int humidite);
