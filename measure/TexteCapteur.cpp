#include "TexteCapteur.h"

#include <QObject>

QString TexteCapteur(int capteurs)
{
    switch (capteurs) {
    case 1:
        return QObject::tr("Temperature");
    case 2:
        return QObject::tr("Humidite");
    case 3:
        return QObject::tr("Temperature et humidite");
    default:
        return QString();
    }
}
