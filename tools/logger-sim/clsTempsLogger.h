#pragma once

#include <QByteArray>
#include <QtGlobal>

// The logger's clock: seconds since 2010-01-01 00:00:00 local time, as an
// elapsed count from that instant.
class clsTempsLogger
{
public:
    // Seconds since 1970 UTC of 2010-01-01 00:00:00 local time.
    static qint64 Origine();
    static qint64 DepuisEpoch(qint64 secondesEpoch);
    static qint64 VersEpoch(qint64 secondesLogger);
    // "HIGH LOW": the two 16-bit halves in upper-case hexadecimal, no leading zeros.
    static QByteArray MoitiesHexa(quint32 secondesLogger);
};
