#include "RoueEchelle.h"

#include "IntervalleRoue.h"

#include <qwt_plot.h>
#include <qwt_wheel.h>

RoueEchelle::RoueEchelle(QwtWheel* roue, QwtPlot* graphe, int axe, double plancher,
                         double plafond, double etendueMini)
    : QObject(roue), m_Roue(roue), m_Graphe(graphe), m_Axe(axe), m_Plancher(plancher),
      m_Plafond(plafond)
{
    roue->setRange(etendueMini, plafond - plancher);
    connect(roue, &QwtWheel::valueChanged, this, &RoueEchelle::Appliquer);
}

void RoueEchelle::Regler()
{
    // Setting the wheel runs Appliquer, which centres the axis again with that
    // span. A span the wheel cannot show that leaves the wheel where it was emits
    // nothing: the axis still takes the wheel's span, whatever came before.
    m_Graphe->updateAxes();
    const double largeur = m_Graphe->axisInterval(m_Axe).width();
    const double avant = m_Roue->value();
    m_Roue->setValue(largeur);
    if (m_Roue->value() == avant && m_Roue->value() != largeur)
        Appliquer(m_Roue->value());
}

void RoueEchelle::Appliquer(double etendue)
{
    AppliquerRoue(m_Graphe, m_Axe, etendue, m_Plancher, m_Plafond);
    // While a rescale holds the replot back, the axis must still read its new bounds.
    if (!m_Graphe->autoReplot())
        m_Graphe->updateAxes();
}
