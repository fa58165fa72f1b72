#include "CalculProgramme.h"

#include <QtGlobal>

namespace
{
constexpr qint64 PointsMin = 1000; // the logger records whole thousands
constexpr qint64 PointsMax = 32000;
} // namespace

TS_PROGRAMME CalculProgramme(TS_PROGRAMME p, enm_AJUSTE ajuste, int nCapteurs, int periodeMax)
{
    const int n = qBound(1, nCapteurs, 2);
    const int N = p.Milliers * 1000 / n; // points per sensor

    switch (ajuste) {
    case AJUSTE_FIN:
        p.Fin = p.Debut.addSecs(qint64(N) * p.Periode);
        break;
    case AJUSTE_PERIODE: {
        qint64 P = p.Debut.secsTo(p.Fin) / N;
        if (P < 1)
            P = 1;
        else if (P > periodeMax)
            P = periodeMax;
        p.Periode = int(P);
        p.Fin = p.Debut.addSecs(qint64(N) * p.Periode);
        break;
    }
    case AJUSTE_POINTS: {
        const int P = qMax(1, p.Periode);
        // Total readings; limited before it is narrowed, so that a span of
        // decades cannot wrap around to a small or negative count.
        qint64 V = p.Debut.secsTo(p.Fin) * n / P;
        V = qBound(-PointsMax, V, PointsMax);
        if (V % 1000 != 0)
            V = (V / 1000) * 1000 + 1000; // next thousand up
        V = qBound(PointsMin, V, PointsMax);
        p.Milliers = int(V / 1000);
        p.Fin = p.Debut.addSecs(V * P / n);
        break;
    }
    }
    return p;
}
