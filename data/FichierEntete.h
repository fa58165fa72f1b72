#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVariant>

// Text of a recording's header (.ail) in the INI format that QSettings reads,
// laid out as QSettings lays out a new file: the general section first as
// "[General]", then the other sections by name, keys by name in each, a blank
// line between sections, "\n" line ends. Free of I/O: the header is written as
// one block through a checked save (EcritureFichier.h) rather than through
// QSettings::sync(), which reports success on a full disk and leaves a ".lock"
// file beside the header when the program is killed during the write.
//
// Keys are QSettings keys ("NbrePoints", "Temperature/Moyenne"): the part before
// the first "/" names the section. Values: numbers, texts, lists of texts,
// byte arrays and the invalid value are written so that QSettings reads the same
// value back (a one-text list comes back as that text); any other type is
// written as its text.
QByteArray TexteEntete(const QMap<QString, QVariant>& cles);
