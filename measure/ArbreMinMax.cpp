#include "ArbreMinMax.h"

void ArbreMinMax::Ajouter(double x, double y)
{
    const int j = m_Y.size();
    m_X.append(x);
    m_Y.append(y);
    for (int k = 1; k <= m_Niveaux.size(); ++k) {
        QVector<Bloc>& niveau = m_Niveaux[k - 1];
        const int b = j >> k;
        if (b == niveau.size()) {
            niveau.append({j, j, true});
            continue;
        }
        Bloc& bloc = niveau[b];
        if (y < m_Y.at(bloc.Bas))
            bloc.Bas = j;
        if (y > m_Y.at(bloc.Haut))
            bloc.Haut = j;
        bloc.Croissant = bloc.Croissant && m_X.at(j - 1) <= x;
    }
    // One level more once the top one no longer holds every sample in one block.
    while ((1 << m_Niveaux.size()) < m_Y.size()) {
        const int k = m_Niveaux.size() + 1;
        QVector<Bloc> niveau;
        const int n = m_Y.size();
        for (int debut = 0; debut < n; debut += 1 << k) {
            const int milieu = debut + (1 << (k - 1));
            const Bloc gauche =
                k == 1 ? Bloc{debut, debut, true} : m_Niveaux[k - 2].at(debut >> (k - 1));
            if (milieu >= n) {
                niveau.append(gauche);
                continue;
            }
            const Bloc droite =
                k == 1 ? Bloc{milieu, milieu, true} : m_Niveaux[k - 2].at(milieu >> (k - 1));
            niveau.append(Fusion(gauche, droite, milieu - 1));
        }
        m_Niveaux.append(niveau);
    }
}

ArbreMinMax::Bloc ArbreMinMax::Fusion(const Bloc& gauche, const Bloc& droite, int finGauche) const
{
    Bloc b;
    b.Bas = m_Y.at(droite.Bas) < m_Y.at(gauche.Bas) ? droite.Bas : gauche.Bas;
    b.Haut = m_Y.at(droite.Haut) > m_Y.at(gauche.Haut) ? droite.Haut : gauche.Haut;
    b.Croissant =
        gauche.Croissant && droite.Croissant && m_X.at(finGauche) <= m_X.at(finGauche + 1);
    return b;
}

void ArbreMinMax::Vider()
{
    m_X.clear();
    m_Y.clear();
    m_Niveaux.clear();
}

QVector<int> ArbreMinMax::Representants(int de, int a,
                                        const std::function<int(double)>& colonne) const
{
    QVector<int> indices;
    de = qMax(de, 0);
    a = qMin(a, Taille() - 1);
    if (a < de)
        return indices;
    const int k = m_Niveaux.size();
    for (int b = de >> k; b <= a >> k; ++b)
        Parcourir(k, b, de, a, colonne, indices);
    return indices;
}

void ArbreMinMax::Parcourir(int niveau, int bloc, int de, int a,
                            const std::function<int(double)>& colonne, QVector<int>& indices) const
{
    const int debut = bloc << niveau;
    const int fin = qMin(debut + (1 << niveau), Taille()) - 1;
    if (fin < de || debut > a)
        return;
    if (niveau == 0) {
        indices.append(debut);
        return;
    }
    if (debut >= de && fin <= a) {
        const Bloc& b = m_Niveaux.at(niveau - 1).at(bloc);
        // A whole block inside one column: its ends and extremes, in their order.
        if (b.Croissant && colonne(m_X.at(debut)) == colonne(m_X.at(fin))) {
            for (int i : {debut, qMin(b.Bas, b.Haut), qMax(b.Bas, b.Haut), fin}) {
                if (indices.isEmpty() || indices.last() != i)
                    indices.append(i);
            }
            return;
        }
    }
    Parcourir(niveau - 1, 2 * bloc, de, a, colonne, indices);
    Parcourir(niveau - 1, 2 * bloc + 1, de, a, colonne, indices);
}
