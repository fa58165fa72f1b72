#pragma once

#include <QVector>

#include <functional>

// The lowest and highest sample of every block of 2, 4, 8... consecutive samples
// of a growing series, kept up to date as samples are appended (a few steps
// each). A plot of n samples then finds what it must draw in each pixel column
// in about (columns x log n) steps instead of n: a rescale of a download costs
// the same at its last point as at its first.
class ArbreMinMax
{
public:
    void Ajouter(double x, double y);
    void Vider();
    int Taille() const { return m_Y.size(); }

    // Indexes, in order, of the samples de..a that a line through them needs to
    // cover the same pixels as a line through all of them: of each run of
    // samples in one pixel column, its first, lowest, highest and last (the
    // points ReduireColonnes keeps of that run). colonne: the pixel column of an
    // x. Blocks where x goes back (a clock put back) are looked into sample by
    // sample.
    QVector<int> Representants(int de, int a, const std::function<int(double)>& colonne) const;

private:
    struct Bloc {
        int Bas = 0;           // index of the lowest sample (the first of equals)
        int Haut = 0;          // index of the highest sample (the first of equals)
        bool Croissant = true; // x never goes back inside the block
    };
    void Parcourir(int niveau, int bloc, int de, int a, const std::function<int(double)>& colonne,
                   QVector<int>& indices) const;
    Bloc Fusion(const Bloc& gauche, const Bloc& droite, int finGauche) const;

    QVector<double> m_X;
    QVector<double> m_Y;
    // m_Niveaux[k - 1]: blocks of 2^k samples, for k = 1 up to the first level
    // whose block holds them all.
    QVector<QVector<Bloc>> m_Niveaux;
};
