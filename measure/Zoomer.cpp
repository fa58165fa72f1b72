#include "Zoomer.h"

#include "Grandeurs.h"

#include <QDateTime>
#include <QPen>
#include <qwt_plot.h>

Zoomer::Zoomer(QWidget* canvas) : QwtPlotZoomer(canvas, true), m_ModeX(MODE_DATE_HEURE)
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
        texte += QStringLiteral("%1%2\n").arg(temp / 10, 0, 'f', 1).arg(UniteTemp());
    if (voies & 2)
        texte += QStringLiteral("%1%2\n").arg(humi / 10, 0, 'f', 1).arg(UniteHumi());
    if (x < 0)
        return texte;
    const uint valeur = static_cast<uint>(x);
    switch (modeX) {
    case MODE_POINT:
        texte += QStringLiteral("#%1").arg(valeur);
        break;
    case MODE_HEURE:
        // Past 24 hours the time of day wraps.
        texte += QTime(0, 0)
                     .addSecs(static_cast<int>(valeur % 86400))
                     .toString(QStringLiteral("hh:mm:ss"));
        break;
    case MODE_DATE_HEURE:
        texte += QDateTime::fromSecsSinceEpoch(valeur, Qt::LocalTime)
                     .time()
                     .toString(QStringLiteral("hh:mm:ss"));
        break;
    default:
        break;
    }
    return texte;
}
