#include "ReductionColonnes.h"

#include <cmath>

QPolygonF ReduireColonnes(const QPolygonF& points)
{
    const int n = points.size();
    if (n <= 4)
        return points;
    QPolygonF resultat;
    resultat.reserve(qMin(n, 4096));
    int debut = 0;
    while (debut < n) {
        const double colonne = std::floor(points.at(debut).x());
        int fin = debut;
        int bas = debut;
        int haut = debut;
        while (fin + 1 < n && std::floor(points.at(fin + 1).x()) == colonne) {
            ++fin;
            if (points.at(fin).y() < points.at(bas).y())
                bas = fin;
            if (points.at(fin).y() > points.at(haut).y())
                haut = fin;
        }
        const int garde[4] = {debut, qMin(bas, haut), qMax(bas, haut), fin};
        int precedent = -1;
        for (int i : garde) {
            if (i != precedent)
                resultat.append(points.at(i));
            precedent = i;
        }
        debut = fin + 1;
    }
    return resultat;
}
