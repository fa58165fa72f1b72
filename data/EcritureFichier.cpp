#include "EcritureFichier.h"

#include <QFile>
#include <QSaveFile>

#include <unistd.h>

bool ViderFichier(QSaveFile& fichier)
{
    // pos() counts the bytes written, size() those the file holds.
    if (!fichier.flush() || fichier.error() != QFileDevice::NoError ||
        fichier.size() != fichier.pos() || ::fsync(fichier.handle()) != 0) {
        fichier.cancelWriting();
        return false;
    }
    return true;
}

bool EngagerFichier(QSaveFile& fichier)
{
    return ViderFichier(fichier) && fichier.commit();
}

bool RemplacerFichier(const QString& chemin, const QByteArray& octets)
{
    {
        QSaveFile fichier(chemin);
        if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size() ||
            !EngagerFichier(fichier))
            return false;
    }
    return RelireFichier(chemin, octets);
}

bool RelireFichier(const QString& chemin, const QByteArray& octets)
{
    QFile relu(chemin);
    return relu.open(QIODevice::ReadOnly) && relu.readAll() == octets;
}
