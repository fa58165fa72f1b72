#include "Console.h"

#include <QJsonDocument>
#include <QStringList>

#include <cstdio>

void Console::Message(const QString& texte)
{
    for (const QString& ligne : texte.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QByteArray octets = "vorsen: " + ligne.toUtf8() + '\n';
        std::fwrite(octets.constData(), 1, size_t(octets.size()), stderr);
    }
    std::fflush(stderr);
}

bool Console::Octets(const QByteArray& octets)
{
    const size_t n = std::fwrite(octets.constData(), 1, size_t(octets.size()), stdout);
    return std::fflush(stdout) == 0 && n == size_t(octets.size());
}

bool Console::Ligne(const QString& texte)
{
    return Octets(texte.toUtf8() + '\n');
}

bool Console::Json(const QJsonObject& objet)
{
    return Octets(QJsonDocument(objet).toJson(QJsonDocument::Compact) + '\n');
}

void Console::Progression(const QString& texte)
{
    // Back to the start of the line, then clear what a longer line left.
    const QByteArray octets = '\r' + texte.toUtf8() + "\033[K";
    std::fwrite(octets.constData(), 1, size_t(octets.size()), stderr);
    std::fflush(stderr);
}

void Console::TerminerProgression()
{
    std::fputc('\n', stderr);
    std::fflush(stderr);
}
