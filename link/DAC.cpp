#include "DAC.h"

namespace
{

// 2010-01-01 00:00:00.000 in the PC's local time zone: origin of the logger clock.
QDateTime Origine2010()
{
    return QDateTime(QDate(2010, 1, 1), QTime(0, 0, 0, 0), Qt::LocalTime);
}

} // namespace

qint64 SecondesDepuis2010(const QDateTime& t)
{
    return Origine2010().secsTo(t);
}

quint32 DateDepuisHexa(const QString& haut, const QString& bas)
{
    bool ok = false;
    qint64 h = haut.toUInt(&ok, 16);
    if (!ok)
        h = 0;
    qint64 b = bas.toUInt(&ok, 16);
    if (!ok)
        b = 0;
    const qint64 secondes = h * 65536 + b;
    return static_cast<quint32>(Origine2010().addSecs(secondes).toSecsSinceEpoch());
}

int PointsParCapteur(quint16 NbrePoints, quint8 Capteurs)
{
    return Capteurs == 3 ? NbrePoints / 2 : NbrePoints;
}

int PointsParCapteur(const DAC::TS_PARAMETRES& Params)
{
    return PointsParCapteur(Params.NbrePoints, Params.Capteurs);
}
