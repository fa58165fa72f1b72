#include "HeureLocale.h"

QDateTime HeureLocale::Convertir(uint temps)
{
    const qint64 quart = temps / 900;
    if (quart != m_QuartDHeure) {
        m_QuartDHeure = quart;
        m_Decalage = QDateTime::fromSecsSinceEpoch(quart * 900, Qt::LocalTime).offsetFromUtc();
    }
    return QDateTime::fromSecsSinceEpoch(temps, Qt::OffsetFromUTC, m_Decalage);
}
