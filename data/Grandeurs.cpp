#include "Grandeurs.h"

#include <QLocale>

#include <cmath>

namespace
{
enm_UNITE_TEMP g_UniteTemp = CELSIUS;

bool EstTemperature(const QString& unite)
{
    return unite == UniteTemp();
}
} // namespace

void DefinirUniteAffichage(enm_UNITE_TEMP unite)
{
    g_UniteTemp = unite == FAHRENHEIT ? FAHRENHEIT : CELSIUS;
}

enm_UNITE_TEMP UniteAffichage()
{
    return g_UniteTemp;
}

double DixiemesAffiches(double dixiemesCelsius, enm_UNITE_TEMP unite)
{
    // 32 °F is 320 tenths.
    return unite == FAHRENHEIT ? dixiemesCelsius * 9.0 / 5.0 + 320.0 : dixiemesCelsius;
}

double EcartAffiche(double dixiemesCelsius, enm_UNITE_TEMP unite)
{
    return unite == FAHRENHEIT ? dixiemesCelsius * 9.0 / 5.0 : dixiemesCelsius;
}

double DixiemesCelsius(double dixiemesAffiches, enm_UNITE_TEMP unite)
{
    return unite == FAHRENHEIT ? (dixiemesAffiches - 320.0) * 5.0 / 9.0 : dixiemesAffiches;
}

QString UniteTemp()
{
    return QStringLiteral(" %1C").arg(QChar(0x00B0));
}

QString UniteTemp(enm_UNITE_TEMP unite)
{
    return unite == FAHRENHEIT ? QStringLiteral(" %1F").arg(QChar(0x00B0)) : UniteTemp();
}

QString UniteTempAffichee()
{
    return UniteTemp(g_UniteTemp);
}

QString UniteHumi()
{
    return QStringLiteral(" %");
}

QString Unite(int mesure)
{
    return mesure == 2 ? UniteHumi() : UniteTemp();
}

QColor CouleurTemp()
{
    return QColor(224, 30, 46);
}

QColor CouleurHumi()
{
    return QColor(0, 121, 190);
}

QString TexteDixiemes(double dixiemes, int decimales)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    // A tick computed as -1e-15 reads 0, not "-1e-16" or "-0".
    const double valeur = qAbs(dixiemes) < 1e-9 ? 0.0 : dixiemes / 10.0;
    // Six significant digits hide the rounding noise of tick values (20.000000000003).
    if (decimales < 0)
        return locale.toString(valeur, 'g', 6);
    // Nor "-0.0" for a value that rounds to zero (-0.04 °F, -17.8 °C).
    const double echelle = std::pow(10.0, decimales);
    if (std::round(valeur * echelle) == 0)
        return locale.toString(0.0, 'f', decimales);
    return locale.toString(valeur, 'f', decimales);
}

QString TexteNombre(double dixiemes, const QString& unite)
{
    return TexteDixiemes(EstTemperature(unite) ? DixiemesAffiches(dixiemes, g_UniteTemp)
                                               : dixiemes);
}

QString TexteMesure(double dixiemes, const QString& unite)
{
    return TexteNombre(dixiemes, unite) + (EstTemperature(unite) ? UniteTempAffichee() : unite);
}

QString TexteEcart(double dixiemes, const QString& unite)
{
    if (!EstTemperature(unite))
        return TexteDixiemes(dixiemes) + unite;
    return TexteDixiemes(EcartAffiche(dixiemes, g_UniteTemp)) + UniteTempAffichee();
}
