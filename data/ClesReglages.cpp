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

enm_UNITE_TEMP LireUniteTemp()
{
    return QSettings().value(QLatin1String(UniteTemperature), 0).toInt() == FAHRENHEIT ? FAHRENHEIT
                                                                                       : CELSIUS;
}

void EcrireUniteTemp(enm_UNITE_TEMP unite)
{
    QSettings().setValue(QLatin1String(UniteTemperature), int(unite));
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

int LireEnergieActivation()
{
    const int kelvins =
        QSettings().value(QLatin1String(EnergieActivation), EnergieActivationParDefaut).toInt();
    return kelvins >= 1 ? kelvins : EnergieActivationParDefaut;
}

void EcrireEnergieActivation(int kelvins)
{
    QSettings().setValue(QLatin1String(EnergieActivation), kelvins);
}

// A logger's identifier as a group name. Percent-encoding leaves A-Z, 0-9 and
// "-._~"; the lower-case letters are encoded too, for the settings stores that
// ignore case.
static QString GroupeIdentifiant(const QString& identifiant)
{
    static const QByteArray minuscules("abcdefghijklmnopqrstuvwxyz");
    return QString::fromLatin1(identifiant.toUtf8().toPercentEncoding(QByteArray(), minuscules));
}

QString CleAlarmes(const QString& identifiant)
{
    return QStringLiteral("Alarmes/") + GroupeIdentifiant(identifiant);
}

bool LireAlarmes(const QString& identifiant, SeuilsAlarmes* seuils)
{
    if (identifiant.isEmpty())
        return false;
    QSettings reglages;
    reglages.beginGroup(CleAlarmes(identifiant));
    if (!reglages.contains(QStringLiteral("Actives")))
        return false;
    const auto lire = [&reglages](const char* cle, int* valeur) {
        bool ok = false;
        const int v = reglages.value(QLatin1String(cle)).toInt(&ok);
        if (ok)
            *valeur = v;
    };
    lire("Actives", &seuils->Actives);
    lire("TempMax", &seuils->TempMax);
    lire("TempMin", &seuils->TempMin);
    lire("HumiMax", &seuils->HumiMax);
    lire("HumiMin", &seuils->HumiMin);
    return true;
}

void EcrireAlarmes(const QString& identifiant, const SeuilsAlarmes& seuils)
{
    if (identifiant.isEmpty())
        return;
    QSettings reglages;
    reglages.beginGroup(CleAlarmes(identifiant));
    reglages.setValue(QStringLiteral("Actives"), seuils.Actives);
    reglages.setValue(QStringLiteral("TempMax"), seuils.TempMax);
    reglages.setValue(QStringLiteral("TempMin"), seuils.TempMin);
    reglages.setValue(QStringLiteral("HumiMax"), seuils.HumiMax);
    reglages.setValue(QStringLiteral("HumiMin"), seuils.HumiMin);
}

static QString CleTelechargement(const QString& identifiant)
{
    return QStringLiteral("Telechargements/") + GroupeIdentifiant(identifiant);
}

bool LireTelechargement(const QString& identifiant, Telechargement* telechargement)
{
    if (identifiant.isEmpty())
        return false;
    QSettings reglages;
    reglages.beginGroup(CleTelechargement(identifiant));
    bool okDebut = false;
    bool okPoints = false;
    const uint debut = reglages.value(QStringLiteral("DateDebut")).toUInt(&okDebut);
    const int points = reglages.value(QStringLiteral("Points")).toInt(&okPoints);
    if (!okDebut || !okPoints)
        return false;
    telechargement->DateDebut = debut;
    telechargement->Points = points;
    return true;
}

void EcrireTelechargement(const QString& identifiant, const Telechargement& telechargement)
{
    if (identifiant.isEmpty())
        return;
    QSettings reglages;
    reglages.beginGroup(CleTelechargement(identifiant));
    reglages.setValue(QStringLiteral("DateDebut"), telechargement.DateDebut);
    reglages.setValue(QStringLiteral("Points"), telechargement.Points);
}

} // namespace ClesReglages
