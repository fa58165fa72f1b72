#include "Fuzz.h"

#include <cstdio>
#include <cstdlib>

void Manquement(const char* fichier, int ligne, const QString& propriete)
{
    const QString texte =
        QStringLiteral("%1:%2: %3").arg(QLatin1String(fichier)).arg(ligne).arg(propriete);
#ifdef VORSEN_LIBFUZZER
    std::fprintf(stderr, "property broken: %s\n", texte.toLocal8Bit().constData());
    std::abort();
#else
    Manquements().append(texte);
#endif
}

QStringList& Manquements()
{
    static QStringList liste;
    return liste;
}

Parties Couper(const uint8_t* donnees, size_t taille)
{
    const QByteArray tout(reinterpret_cast<const char*>(donnees), int(taille));
    const QByteArray separateur("\n#####\n");
    const int i = tout.indexOf(separateur);
    if (i < 0)
        return {tout, QByteArray()};
    return {tout.left(i), tout.mid(i + separateur.size())};
}
