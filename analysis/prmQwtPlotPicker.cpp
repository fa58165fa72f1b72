#include "prmQwtPlotPicker.h"

#include "Zoomer.h"

#include <qwt_plot.h>

prmQwtPlotPicker::prmQwtPlotPicker(int xAxis, int yAxis, RubberBand rubberBand,
                                   DisplayMode trackerMode, QWidget* canvas)
    : QwtPlotPicker(xAxis, yAxis, rubberBand, trackerMode, canvas), m_ModeX(SYNCHRO_DATE)
{
}

prmQwtPlotPicker::~prmQwtPlotPicker() = default;

QwtText prmQwtPlotPicker::trackerText(const QPoint& pos) const
{
    const QwtPlot* graphe = plot();
    const double x = graphe->invTransform(QwtPlot::xBottom, pos.x());
    // Same lines as the zoomer's tracker, except that x = 0 shows no third line.
    return QwtText(Zoomer::TexteSuivi(graphe->invTransform(QwtPlot::yLeft, pos.y()),
                                      graphe->invTransform(QwtPlot::yRight, pos.y()),
                                      x > 0 ? x : -1, m_ModeX, Zoomer::VoiesAffichees(graphe)));
}
