#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

// Fingerprints that tell whether a saved recording was changed outside the
// program since it was written: a SHA-256 of the points file's bytes and one of
// the header's measured fields. They detect edits; anyone can compute them
// again after an edit, so they are no signature. Free of I/O.

// Header keys of the two fingerprints, lower-case hexadecimal.
inline const QString CleEmpreintePoints = QStringLiteral("Integrite/SHA256Points");
inline const QString CleEmpreinteMesures = QStringLiteral("Integrite/SHA256Mesures");

// The measured fields of a header, in the order of their canonical text: the
// identifier, the model, the start, the period, the sensors, the point count and
// the statistics of the three channels. Comments and limits are left out: the
// program changes them after the save.
QStringList ChampsMesures();

// Canonical text of the measured fields among `cles` (header keys and values,
// as written or as read back): for each field of ChampsMesures() in that order,
// one line "<field>=<value>\n", the value being its text as the header reader
// gives it (clsSettings::VersTexte), UTF-8, percent-encoded (RFC 3986 unreserved
// characters kept) so that no value can hold a line end or an "="; a field
// absent from `cles` gives "<field>\n".
QByteArray TexteChampsMesures(const QMap<QString, QVariant>& cles);

// SHA-256 of octets as 64 lower-case hexadecimal digits.
QString Sha256(const QByteArray& octets);
