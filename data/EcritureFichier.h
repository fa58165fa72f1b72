#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

// Writes that never report success for bytes that did not reach the disk.
//
// QSaveFile::commit() closes the file, and the flush that closing makes is not
// checked: with the disk full, the last bytes still in Qt's write buffer (up to
// 16 kB: all of a small file) are lost and commit() returns true, replacing the
// previous file with a cut one. Everything is flushed and checked first.

// Flushes what fichier still buffers, checks that the temporary file holds
// every byte written and waits for them to reach the disk (fsync), so that
// commit() has nothing left but the rename. False, the writing cancelled,
// otherwise.
bool ViderFichier(QSaveFile& fichier);

// ViderFichier(), then commit(): the previous file is replaced only by a whole one.
bool EngagerFichier(QSaveFile& fichier);

// Replaces the file chemin by octets, then reads it back: false unless the file
// holds exactly octets. A failure before the replacement leaves the previous
// file as it was.
bool RemplacerFichier(const QString& chemin, const QByteArray& octets);

// Whether the file chemin holds exactly octets.
bool RelireFichier(const QString& chemin, const QByteArray& octets);
