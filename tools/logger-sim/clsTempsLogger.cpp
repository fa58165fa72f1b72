#include "clsTempsLogger.h"

#include <QDateTime>

qint64 clsTempsLogger::Origine()
{
    return QDateTime(QDate(2010, 1, 1), QTime(0, 0), Qt::LocalTime).toSecsSinceEpoch();
}

qint64 clsTempsLogger::DepuisEpoch(qint64 secondesEpoch)
{
    return secondesEpoch - Origine();
}

qint64 clsTempsLogger::VersEpoch(qint64 secondesLogger)
{
    return Origine() + secondesLogger;
}

QByteArray clsTempsLogger::MoitiesHexa(quint32 secondesLogger)
{
    return QByteArray::number(secondesLogger >> 16, 16).toUpper() + ' ' +
           QByteArray::number(secondesLogger & 0xFFFF, 16).toUpper();
}
