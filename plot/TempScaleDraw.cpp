#include "TempScaleDraw.h"

#include "Grandeurs.h"

QwtText TempScaleDraw::label(double value) const
{
    return QwtText(TexteDixiemes(DixiemesAffiches(value, UniteAffichage()), -1) +
                   UniteTempAffichee());
}
