#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

// Header of one recording: the INI file <dir>/<name>.ail. The file need not exist;
// reading a missing file yields the defaults. Unsaved changes are written when the
// object is destroyed or on sync().
class clsSettings : public QSettings
{
public:
    clsSettings(const QString& dir, const QString& name);

    QString LireTexte(const QString& group, const QString& key, const QString& defaut) const;
    QString LireTexte(const QString& key, const QString& defaut) const;
    int LireEntier(const QString& group, const QString& key, int defaut) const;
    int LireEntier(const QString& key, int defaut) const;
    qint64 LireEntierLong(const QString& key, qint64 defaut) const;
    void EcrireValeur(const QString& group, const QString& key, const QVariant& value);

    // Conversions of a stored value, free of I/O. A missing key gives the default;
    // a text that does not convert gives 0.
    static QString VersTexte(const QVariant& valeur, const QString& defaut);
    static int VersEntier(const QVariant& valeur, int defaut);
    static qint64 VersEntierLong(const QVariant& valeur, qint64 defaut);
};
