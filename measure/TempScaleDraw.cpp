#include "TempScaleDraw.h"

#include "Grandeurs.h"

QwtText TempScaleDraw::label(double value) const
{
    // 'g' with the default precision hides the rounding noise of tick values.
    return QwtText(QStringLiteral("%1%2").arg(value / 10, 0, 'g', -1).arg(UniteTemp()));
}
