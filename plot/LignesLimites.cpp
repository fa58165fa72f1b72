#include "LignesLimites.h"

#include <QPen>
#include <qwt_plot.h>
#include <qwt_plot_marker.h>

namespace
{
QwtPlotMarker* NouvelleLigne(QwtPlot* graphe, int axe)
{
    auto* ligne = new QwtPlotMarker();
    ligne->setLineStyle(QwtPlotMarker::HLine);
    ligne->setYAxis(axe);
    // Over the grid, under the curves.
    ligne->setZ(15);
    ligne->setVisible(false);
    ligne->attach(graphe);
    return ligne;
}

void Placer(QwtPlotMarker* ligne, const std::optional<int>& valeur, const QColor& couleur)
{
    ligne->setVisible(valeur.has_value() && couleur.alpha() > 0);
    if (!valeur)
        return;
    // 0: a one-pixel cosmetic pen, as the curves'; dashes of 6 px, 4 px apart.
    QPen stylo(couleur, 0, Qt::CustomDashLine);
    stylo.setDashPattern({6, 4});
    ligne->setLinePen(stylo);
    ligne->setYValue(*valeur);
}
} // namespace

LignesLimites::LignesLimites(QwtPlot* graphe, int axe)
    : m_Basse(NouvelleLigne(graphe, axe)), m_Haute(NouvelleLigne(graphe, axe))
{
}

LignesLimites::~LignesLimites()
{
    // Detached and deleted here: the plot deletes only the items still attached.
    delete m_Basse;
    delete m_Haute;
}

void LignesLimites::Regler(const TS_LIMITES& limites, const QColor& couleur)
{
    Placer(m_Basse, limites.Basse, couleur);
    Placer(m_Haute, limites.Haute, couleur);
}
