#pragma once

#include <QJsonObject>
#include <QString>

// vorsen's two streams: results on standard output, messages and progress on
// standard error, UTF-8, one message a line.
class Console
{
public:
    // Each line of texte to standard error, after "vorsen: ".
    static void Message(const QString& texte);
    // One line of standard output, flushed at once (a reader may be waiting on
    // it); false when it could not be written (the reader went away).
    static bool Ligne(const QString& texte);
    static bool Octets(const QByteArray& octets);
    // A JSON object on one line of standard output.
    static bool Json(const QJsonObject& objet);
    // The progress line, rewritten in place on a terminal; Terminer() ends it.
    static void Progression(const QString& texte);
    static void TerminerProgression();
};
