#include "AccesPort.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

RefusPort ClasserRefus(QSerialPort::SerialPortError erreur, bool accesPermis)
{
    if (erreur != QSerialPort::PermissionError)
        return RefusPort::Aucun;
    return accesPermis ? RefusPort::Occupe : RefusPort::Droits;
}

QString NoeudPeripherique(const QString& port)
{
    return port.startsWith(QLatin1Char('/')) ? port : QStringLiteral("/dev/") + port;
}

bool AccesPeripherique(const QString& port)
{
    const QByteArray chemin = QFile::encodeName(NoeudPeripherique(port));
    return ::access(chemin.constData(), R_OK | W_OK) == 0;
}

QString GroupePeripherique(const QString& port)
{
    // The group of the node itself, not of a symlink to it.
    const QFileInfo noeud(QFileInfo(NoeudPeripherique(port)).canonicalFilePath());
    return noeud.exists() ? noeud.group() : QString();
}

QString GroupeConseille(const QString& groupe, QFileDevice::Permissions droits)
{
    const QFileDevice::Permissions lectureEcriture =
        QFileDevice::ReadGroup | QFileDevice::WriteGroup;
    if (groupe.isEmpty() || (droits & lectureEcriture) != lectureEcriture)
        return QString();
    return groupe;
}

QString GroupeConseillePort(const QString& port)
{
    const QFileInfo noeud(QFileInfo(NoeudPeripherique(port)).canonicalFilePath());
    if (!noeud.exists())
        return QString();
    return GroupeConseille(noeud.group(), noeud.permissions());
}
