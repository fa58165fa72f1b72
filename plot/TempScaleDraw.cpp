#include "TempScaleDraw.h"

#include "Grandeurs.h"

QwtText TempScaleDraw::label(double value) const
{
    return QwtText(TexteDixiemes(value, -1) + UniteTemp());
}
