#include "Zoomer.h"

#include "FormatsDate.h"
#include "Grandeurs.h"

#include <QDateTime>
#include <QPen>
#include <qwt_plot.h>

Zoomer::Zoomer(QWidget* canvas) : QwtPlotZoomer(canvas, true), m_ModeX(SYNCHRO_DATE)
{
    setRubberBandPen(QPen(Qt::darkGreen));
    setTrackerMode(QwtPicker::AlwaysOn);
}

Zoomer::~Zoomer() = default;

QwtText Zoomer::trackerText(const QPoint& pos) const
{
    const QwtPlot* graphe = plot();
    return QwtText(TexteSuivi(graphe->invTransform(QwtPlot::yLeft, pos.y()),
                              graphe->invTransform(QwtPlot::yRight, pos.y()),
                              graphe->invTransform(QwtPlot::xBottom, pos.x()), m_ModeX,
                              VoiesAffichees(graphe)));
}

int Zoomer::VoiesAffichees(const QwtPlot* graphe)
{
    return (graphe->axisEnabled(QwtPlot::yLeft) ? 1 : 0) |
           (graphe->axisEnabled(QwtPlot::yRight) ? 2 : 0);
}

QString Zoomer::TexteSuivi(double temp, double humi, double x, int modeX, int voies)
{
    QString texte;
    if (voies & 1)
        texte += TexteMesure(temp, UniteTemp()) + QLatin1Char('\n');
    if (voies & 2)
        texte += TexteMesure(humi, UniteHumi()) + QLatin1Char('\n');
    if (!(x >= 0)) // NaN too
        return texte;
    const qint64 valeur = SecondesAxe(x);
    switch (modeX) {
    case SYNCHRO_NUMERO:
        texte += QStringLiteral("#%1").arg(valeur);
        break;
    case SYNCHRO_HEURE:
        texte += TexteHeureDuJour(valeur, QStringLiteral("hh:mm:ss"));
        break;
    case SYNCHRO_DATE:
        texte += QDateTime::fromSecsSinceEpoch(valeur, Qt::LocalTime)
                     .time()
                     .toString(QStringLiteral("hh:mm:ss"));
        break;
    default:
        break;
    }
    return texte;
}
