#include "clsSettings.h"

#include <QStringList>

clsSettings::clsSettings(const QString& dir, const QString& name)
    : QSettings(dir + QLatin1Char('/') + name + QStringLiteral(".ail"), QSettings::IniFormat)
{
}

QString clsSettings::LireTexte(const QString& group, const QString& key,
                               const QString& defaut) const
{
    return LireTexte(group + QLatin1Char('/') + key, defaut);
}

QString clsSettings::LireTexte(const QString& key, const QString& defaut) const
{
    return VersTexte(value(key), defaut);
}

int clsSettings::LireEntier(const QString& group, const QString& key, int defaut) const
{
    return LireEntier(group + QLatin1Char('/') + key, defaut);
}

int clsSettings::LireEntier(const QString& key, int defaut) const
{
    return VersEntier(value(key), defaut);
}

qint64 clsSettings::LireEntierLong(const QString& key, qint64 defaut) const
{
    return VersEntierLong(value(key), defaut);
}

void clsSettings::EcrireValeur(const QString& group, const QString& key, const QVariant& value)
{
    setValue(group + QLatin1Char('/') + key, value);
}

QString clsSettings::VersTexte(const QVariant& valeur, const QString& defaut)
{
    if (!valeur.isValid())
        return defaut;
    // The INI reader turns an unquoted text holding commas (a hand-edited comment)
    // into a list; give it back whole rather than empty.
    if (valeur.type() == QVariant::StringList)
        return valeur.toStringList().join(QStringLiteral(", "));
    // A list holding a marked value ("@String(...)"): a list of values.
    if (valeur.type() == QVariant::List) {
        QStringList textes;
        for (const QVariant& element : valeur.toList())
            textes << element.toString();
        return textes.join(QStringLiteral(", "));
    }
    return valeur.toString();
}

int clsSettings::VersEntier(const QVariant& valeur, int defaut)
{
    if (!valeur.isValid())
        return defaut;
    // QVariant::toInt() of a text cuts a 64-bit number to 32 bits
    // ("99999999999" -> 1215752191); QString::toInt() refuses it.
    if (valeur.type() == QVariant::String)
        return valeur.toString().toInt(); // 0 when the text does not convert
    return valeur.toInt();
}

qint64 clsSettings::VersEntierLong(const QVariant& valeur, qint64 defaut)
{
    if (!valeur.isValid())
        return defaut;
    if (valeur.type() == QVariant::String)
        return valeur.toString().toLongLong(); // 0 when the text does not convert
    return valeur.toLongLong();
}
