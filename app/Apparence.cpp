#include "Apparence.h"

#include "ressources.h"

#include <QFile>
#include <QPalette>

namespace
{

QString Lire(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(fichier.readAll());
}

} // namespace

namespace Apparence
{

bool PaletteSombre(const QPalette& palette)
{
    return palette.color(QPalette::WindowText).lightness() >
           palette.color(QPalette::Window).lightness();
}

QString FeuilleDeStyle(const QPalette& palette)
{
    initRessources();
    QString style = Lire(QStringLiteral(":/Style.qss"));
    if (PaletteSombre(palette))
        style += QLatin1Char('\n') + Lire(QStringLiteral(":/StyleSombre.qss"));
    return style;
}

} // namespace Apparence
