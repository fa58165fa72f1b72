#include "FichierPoints.h"

#include <limits>

namespace
{

bool EstBlanc(char c)
{
    return c == ' ' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Decimal integer between debut and fin, blanks around it allowed, optional sign.
// False when anything else is there or the value leaves [-2^31, 2^32 - 1].
bool LireNombre(const char* debut, const char* fin, qint64& valeur)
{
    while (debut < fin && EstBlanc(*debut))
        ++debut;
    while (fin > debut && EstBlanc(fin[-1]))
        --fin;
    bool negatif = false;
    if (debut < fin && (*debut == '-' || *debut == '+')) {
        negatif = *debut == '-';
        ++debut;
    }
    if (debut == fin)
        return false;
    qint64 v = 0;
    for (const char* p = debut; p < fin; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        v = v * 10 + (*p - '0');
        if (v > qint64(std::numeric_limits<quint32>::max()))
            return false; // beyond 32 bits, and stops before qint64 could overflow
    }
    valeur = negatif ? -v : v;
    return valeur >= qint64(std::numeric_limits<qint32>::min());
}

int Signe32(const char* debut, const char* fin)
{
    qint64 v = 0;
    if (!LireNombre(debut, fin, v) || v > std::numeric_limits<qint32>::max())
        return 0;
    return static_cast<int>(v);
}

uint NonSigne32(const char* debut, const char* fin)
{
    qint64 v = 0;
    if (!LireNombre(debut, fin, v))
        return 0;
    return static_cast<uint>(v);
}

} // namespace

bool AnalyserLignePoints(const QByteArray& ligne, PointFichier& point)
{
    const char* debut = ligne.constData();
    const char* fin = debut + ligne.size();
    if (fin > debut && fin[-1] == '\n')
        --fin;
    if (fin > debut && fin[-1] == '\r')
        --fin;
    if (fin == debut)
        return false;

    const char* champs[4] = {debut, nullptr, nullptr, nullptr};
    int nbre = 1;
    for (const char* p = debut; p < fin && nbre < 3; ++p) {
        if (*p == '\t')
            champs[nbre++] = p + 1;
    }
    // End of field i: the tab that opens field i + 1, or the end of the line.
    const char* fins[3] = {fin, fin, fin};
    for (int i = 0; i < 3; ++i) {
        if (i + 1 < nbre)
            fins[i] = champs[i + 1] - 1;
        else if (i < nbre) {
            const char* p = champs[i];
            while (p < fin && *p != '\t')
                ++p;
            fins[i] = p;
        }
    }
    point.Temps = NonSigne32(champs[0], fins[0]);
    point.Temperature = nbre > 1 ? Signe32(champs[1], fins[1]) : 0;
    point.Humidite = nbre > 2 ? Signe32(champs[2], fins[2]) : 0;
    return true;
}

bool LigneEntiere(const QByteArray& ligne)
{
    int tabulations = 0;
    for (const char c : ligne) {
        if (tabulations == 2 && !EstBlanc(c))
            return true;
        if (c == '\t' && ++tabulations > 2)
            return false; // the third field is empty
    }
    return false;
}

void AjouterLignePoints(QByteArray& tampon, uint temps, int temperature, int humidite)
{
    tampon.append(QByteArray::number(temps));
    tampon.append('\t');
    tampon.append(QByteArray::number(temperature));
    tampon.append('\t');
    tampon.append(QByteArray::number(humidite));
    tampon.append('\n');
}
