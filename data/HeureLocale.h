#pragma once

#include <QDateTime>

// Local date and time of many time stamps (s since 1970 UTC), with the offset from
// UTC looked up once per quarter of an hour: every time zone changes its offset
// on a quarter of an hour (UTC), and each local-time lookup makes the C library
// check the zone file when TZ is unset (most of the time of a 16000-point export).
class HeureLocale
{
public:
    // Same date and time fields as QDateTime::fromSecsSinceEpoch(temps, Qt::LocalTime),
    // with the offset as time spec.
    QDateTime Convertir(uint temps);

private:
    qint64 m_QuartDHeure = -1; // quarter of an hour of the offset below
    int m_Decalage = 0;        // offset from UTC, s
};
