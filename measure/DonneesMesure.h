#pragma once

#include "ArbreMinMax.h"
#include "CurveData.h"

// The samples of a curve of the measurement window, with their min/max tree
// (CourbeMesure draws through it). Append and clear through these two only.
class DonneesMesure : public CurveData
{
public:
    void Ajouter(const QPointF& point)
    {
        append(point);
        m_Arbre.Ajouter(point.x(), point.y());
    }
    void Vider()
    {
        clear();
        m_Arbre.Vider();
    }
    const ArbreMinMax& Arbre() const { return m_Arbre; }

private:
    ArbreMinMax m_Arbre;
};
