#include "HumiScaleDraw.h"

#include "Grandeurs.h"

QwtText HumiScaleDraw::label(double value) const
{
    return QwtText(TexteDixiemes(value, -1) + UniteHumi());
}
