#include "ClesReglages.h"

#include <QDir>
#include <QSettings>

namespace ClesReglages
{

QColor PaletteParDefaut(int position)
{
    static const Qt::GlobalColor couleurs[NbreCouleursPalette] = {
        Qt::red,     Qt::blue,     Qt::green,     Qt::cyan,     Qt::magenta,
        Qt::darkRed, Qt::darkBlue, Qt::darkGreen, Qt::darkCyan, Qt::darkMagenta,
        Qt::red,     Qt::yellow,   Qt::black,     Qt::gray};
    if (position < 0 || position >= NbreCouleursPalette)
        return QColor(Qt::black);
    return QColor(couleurs[position]);
}

int LireLangue()
{
    return QSettings().value(QLatin1String(Langue), 0).toInt();
}

void EcrireLangue(int langue)
{
    QSettings().setValue(QLatin1String(Langue), langue);
}

QString LireCheminDatas()
{
    const QString chemin = QSettings().value(QLatin1String(CheminDatas)).toString();
    return chemin.isEmpty() ? QDir::homePath() : chemin;
}

void EcrireCheminDatas(const QString& chemin)
{
    QSettings().setValue(QLatin1String(CheminDatas), chemin);
}

QColor LirePalette(int position)
{
    const QRgb defaut = PaletteParDefaut(position).rgb();
    // QColor(QRgb) keeps the RGB value and makes the colour opaque.
    return QColor(QSettings().value(Palette(position), defaut).toUInt());
}

void EcrirePalette(int position, const QColor& couleur)
{
    QSettings().setValue(Palette(position), couleur.rgb());
}

} // namespace ClesReglages
