#include "Grandeurs.h"

QString UniteTemp()
{
    return QStringLiteral(" %1C").arg(QChar(0x00B0));
}

QString UniteHumi()
{
    return QStringLiteral(" %");
}

QColor CouleurTemp()
{
    return QColor(224, 30, 46);
}

QColor CouleurHumi()
{
    return QColor(0, 121, 190);
}
