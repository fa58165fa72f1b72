#include "Grandeurs.h"

#include <QLocale>

QString UniteTemp()
{
    return QStringLiteral(" %1C").arg(QChar(0x00B0));
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
    return locale.toString(valeur, 'f', decimales);
}

QString TexteMesure(double dixiemes, const QString& unite)
{
    return TexteDixiemes(dixiemes) + unite;
}
