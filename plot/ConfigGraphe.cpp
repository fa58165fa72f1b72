#include "ConfigGraphe.h"

#include "AxeTemps.h"
#include "EchelleTemp.h"
#include "Grandeurs.h"
#include "HumiScaleDraw.h"
#include "TempScaleDraw.h"
#include "TimeDateScaleDraw.h"
#include "TimeScaleDraw.h"
#include "Zoomer.h"

#include <QGuiApplication>
#include <QPen>

#include <qwt_legend.h>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_layout.h>
#include <qwt_plot_panner.h>

void ConfigGraphe::Preparer(QwtPlot* graphe)
{
    graphe->setAutoReplot(true);
    if (auto* canevas = qobject_cast<QwtPlotCanvas*>(graphe->canvas())) {
        canevas->setPaintAttribute(QwtPlotCanvas::BackingStore, true);
        canevas->setBorderRadius(10);
    }
    graphe->plotLayout()->setAlignCanvasToScales(true);

    EchellesValeurs(graphe);
    graphe->enableAxis(QwtPlot::yLeft, true);
    graphe->enableAxis(QwtPlot::yRight, true);
    graphe->setAxisAutoScale(QwtPlot::yLeft, false);
    graphe->setAxisAutoScale(QwtPlot::yRight, false);
    graphe->setAxisScale(QwtPlot::yLeft, TEMP_PLANCHER, TEMP_PLAFOND);
    graphe->setAxisScale(QwtPlot::yRight, HUMI_PLANCHER, HUMI_PLAFOND);

    auto* grille = new QwtPlotGrid;
    grille->setPen(QPen(Qt::gray, 1, Qt::DotLine));
    grille->attach(graphe);

    auto* panoramique = new QwtPlotPanner(graphe->canvas());
    panoramique->setMouseButton(Qt::LeftButton, Qt::ControlModifier);
    graphe->canvas()->setCursor(Qt::SizeAllCursor);
}

void ConfigGraphe::EchellesValeurs(QwtPlot* graphe)
{
    // The scale widget hands the old draw's interval on to the new one; the
    // engine divides the temperature axis again in the display unit.
    graphe->setAxisScaleEngine(QwtPlot::yLeft, new EchelleTemp);
    graphe->setAxisScaleDraw(QwtPlot::yLeft, new TempScaleDraw);
    graphe->setAxisScaleDraw(QwtPlot::yRight, new HumiScaleDraw);
}

void ConfigGraphe::AjouterLegende(QwtPlot* graphe)
{
    auto* legende = new QwtLegend;
    legende->setFrameStyle(QFrame::Box | QFrame::Sunken);
    graphe->insertLegend(legende, QwtPlot::TopLegend);
}

Zoomer* ConfigGraphe::AjouterZoomer(QwtPlot* graphe, enm_SYNCHRO mode)
{
    auto* zoomer = new Zoomer(graphe->canvas());
    zoomer->setMousePattern(QwtEventPattern::MouseSelect2, Qt::RightButton, Qt::ControlModifier);
    zoomer->setMousePattern(QwtEventPattern::MouseSelect3, Qt::RightButton);
    zoomer->m_ModeX = mode;
    zoomer->setZoomBase(true);
    return zoomer;
}

void ConfigGraphe::AxeX(QwtPlot* graphe, enm_SYNCHRO mode, const QString& format)
{
    switch (mode) {
    case SYNCHRO_HEURE:
        AxeTemps::Installer(graphe, new TimeScaleDraw(format), false);
        break;
    case SYNCHRO_DATE:
        AxeTemps::Installer(graphe, new TimeDateScaleDraw(format), true);
        break;
    default:
        AxeTemps::Retirer(graphe);
        break;
    }
}

void ConfigGraphe::TitresAxes(QwtPlot* graphe, const QString& temp, const QString& humi,
                              bool couleurs)
{
    // The desktop's font family.
    const QFont police(QGuiApplication::font().family(), 12);
    QwtText titreTemp(temp);
    titreTemp.setFont(police);
    QwtText titreHumi(humi);
    titreHumi.setFont(police);
    if (couleurs) {
        titreTemp.setColor(CouleurTemp());
        titreHumi.setColor(CouleurHumi());
    }
    graphe->setAxisTitle(QwtPlot::yLeft, titreTemp);
    graphe->setAxisTitle(QwtPlot::yRight, titreHumi);
}
