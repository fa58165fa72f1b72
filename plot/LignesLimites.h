#pragma once

#include "Limites.h"

#include <QColor>

class QwtPlot;
class QwtPlotMarker;

// The lower and upper limits of one curve drawn across the plot as dashed
// horizontal lines in the curve's colour, on the curve's value axis. A limit
// that is not set has no line.
class LignesLimites
{
public:
    // axe: QwtPlot::yLeft or QwtPlot::yRight.
    LignesLimites(QwtPlot* graphe, int axe);
    ~LignesLimites();
    LignesLimites(const LignesLimites&) = delete;
    LignesLimites& operator=(const LignesLimites&) = delete;

    // Limits in tenths; a transparent colour hides the lines (a hidden curve).
    void Regler(const TS_LIMITES& limites, const QColor& couleur);

private:
    QwtPlotMarker* m_Basse;
    QwtPlotMarker* m_Haute;
};
