#include "LangueInitiale.h"

enm_LANGUE LangueInitiale(const QVariant& stockee, const QString& langueSysteme)
{
    if (stockee.isValid())
        return stockee.toInt() == FRANCAIS ? FRANCAIS : ANGLAIS;
    const QString langue =
        langueSysteme.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    return langue == QLatin1String("fr") ? FRANCAIS : ANGLAIS;
}
