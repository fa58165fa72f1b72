#pragma once

// Fuzz targets: each Cible... function takes bytes from outside the program (a
// device, a file, a web server) through the program's own code and checks
// properties of what it makes of them, not only that nothing crashes. Built two
// ways: as libFuzzer programs (clang, option VORSEN_FUZZ; make fuzz), where a
// broken property aborts, and into the corpus replay test of every build
// (tst_corpus), where it is recorded and reported.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// A broken property: aborts under libFuzzer, recorded for the replay otherwise.
void Manquement(const char* fichier, int ligne, const QString& propriete);
// What the replay recorded since it last emptied the list.
QStringList& Manquements();

#define EXIGER(condition, details)                                                                 \
    do {                                                                                           \
        if (!(condition))                                                                          \
            Manquement(__FILE__, __LINE__, QStringLiteral(#condition " ") + (details));            \
    } while (0)

// The input cut into its parts: the text before the first separator line
// "#####", then the rest. Without separator the whole input is the first part.
struct Parties {
    QByteArray Premiere;
    QByteArray Seconde;
};
Parties Couper(const uint8_t* donnees, size_t taille);

// The targets.
int CibleTrames(const uint8_t* donnees, size_t taille);
int CibleReponses(const uint8_t* donnees, size_t taille);
int CiblePaire(const uint8_t* donnees, size_t taille);
int CibleAnalyse(const uint8_t* donnees, size_t taille);
int CibleService(const uint8_t* donnees, size_t taille);

// The libFuzzer entry of a target, in its own program only.
#ifdef VORSEN_LIBFUZZER
#define VORSEN_ENTREE_FUZZ(cible)                                                                  \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)                   \
    {                                                                                              \
        return cible(donnees, taille);                                                             \
    }
#else
#define VORSEN_ENTREE_FUZZ(cible)
#endif
