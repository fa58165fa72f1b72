#include "EchelleTemp.h"

#include "Grandeurs.h"

#include <QtGlobal>

QwtScaleDiv EchelleTemp::divideScale(double x1, double x2, int maxMajorSteps, int maxMinorSteps,
                                     double stepSize) const
{
    const enm_UNITE_TEMP unite = UniteAffichage();
    if (unite == CELSIUS)
        return QwtLinearScaleEngine::divideScale(x1, x2, maxMajorSteps, maxMinorSteps, stepSize);

    // Divided in the display unit, the ticks brought back to the axis's tenths of °C.
    const QwtScaleDiv affichee = QwtLinearScaleEngine::divideScale(
        DixiemesAffiches(x1, unite), DixiemesAffiches(x2, unite), maxMajorSteps, maxMinorSteps,
        EcartAffiche(stepSize, unite));
    const double bas = qMin(x1, x2);
    const double haut = qMax(x1, x2);
    QList<double> ticks[QwtScaleDiv::NTickTypes];
    for (int type = 0; type < QwtScaleDiv::NTickTypes; ++type) {
        for (double tick : affichee.ticks(type)) {
            // A tick on a bound must not fall out of the axis by a rounding error.
            ticks[type] << qBound(bas, DixiemesCelsius(tick, unite), haut);
        }
    }
    return QwtScaleDiv(x1, x2, ticks);
}
