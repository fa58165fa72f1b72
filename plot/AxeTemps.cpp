#include "AxeTemps.h"

#include "GraduationTemps.h"
#include "TimeDateScaleDraw.h"

#include <QEvent>
#include <QResizeEvent>

#include <qwt_plot.h>
#include <qwt_scale_widget.h>

namespace
{
// Room between two labels, pixels.
constexpr int EcartEtiquettes = 6;
// Width of a label the scale draw cannot measure, pixels.
constexpr int EtiquetteParDefaut = 80;
} // namespace

AxeTemps::AxeTemps(QwtPlot* graphe) : QObject(graphe), m_Graphe(graphe)
{
    graphe->canvas()->installEventFilter(this);
    connect(graphe->axisWidget(QwtPlot::xBottom), &QwtScaleWidget::scaleDivChanged, this,
            &AxeTemps::MajTitre);
}

AxeTemps* AxeTemps::De(QwtPlot* graphe)
{
    AxeTemps* axe = graphe->findChild<AxeTemps*>(QString(), Qt::FindDirectChildrenOnly);
    return axe ? axe : new AxeTemps(graphe);
}

void AxeTemps::Installer(QwtPlot* graphe, QwtScaleDraw* dessin, bool horodatage)
{
    AxeTemps* axe = De(graphe);
    graphe->setAxisScaleDraw(QwtPlot::xBottom, dessin);
    graphe->setAxisScaleEngine(
        QwtPlot::xBottom,
        new MoteurEchelleTemps(
            horodatage, [graphe] { return graphe->canvas()->width(); },
            [axe](double pas) { return axe->LargeurEtiquette(pas) + EcartEtiquettes; }));
    axe->MajTitre();
}

void AxeTemps::Retirer(QwtPlot* graphe)
{
    graphe->setAxisScaleDraw(QwtPlot::xBottom, new QwtScaleDraw());
    graphe->setAxisScaleEngine(QwtPlot::xBottom, new QwtLinearScaleEngine());
    De(graphe)->MajTitre();
}

int AxeTemps::LargeurEtiquette(double pas) const
{
    const auto* dessin =
        dynamic_cast<const TimeDateScaleDraw*>(m_Graphe->axisScaleDraw(QwtPlot::xBottom));
    return dessin ? dessin->LargeurEtiquette(pas, m_Graphe->axisWidget(QwtPlot::xBottom)->font())
                  : EtiquetteParDefaut;
}

void AxeTemps::MajTitre()
{
    // The labels give times of day; the title, the dates they belong to.
    const auto* dessin =
        dynamic_cast<const TimeDateScaleDraw*>(m_Graphe->axisScaleDraw(QwtPlot::xBottom));
    const QwtInterval x = m_Graphe->axisInterval(QwtPlot::xBottom);
    const QString texte = dessin ? dessin->TitreDates(x.minValue(), x.maxValue()) : QString();
    if (m_Graphe->axisTitle(QwtPlot::xBottom).text() == texte)
        return;
    QwtText titre(texte);
    titre.setFont(m_Graphe->axisWidget(QwtPlot::xBottom)->font());
    m_Graphe->setAxisTitle(QwtPlot::xBottom, titre);
}

bool AxeTemps::eventFilter(QObject* objet, QEvent* event)
{
    // A new width has room for another number of steps. The filter watches the
    // canvas only, which can still send events while the plot is being destroyed:
    // no call on the plot here.
    if (event->type() == QEvent::Resize) {
        const auto* taille = static_cast<QResizeEvent*>(event);
        if (taille->size().width() != taille->oldSize().width())
            QMetaObject::invokeMethod(m_Graphe, &QwtPlot::replot, Qt::QueuedConnection);
    }
    return QObject::eventFilter(objet, event);
}
