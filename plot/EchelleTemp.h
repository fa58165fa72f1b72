#pragma once

#include <qwt_scale_engine.h>

// Temperature axis ticks on round values of the display unit: the axis holds
// tenths of °C, its ticks fall every 5 or 10 °F in Fahrenheit (68, 70, 72 °F
// rather than 68, 77, 86 °F, which are 20, 25, 30 °C).
class EchelleTemp : public QwtLinearScaleEngine
{
public:
    QwtScaleDiv divideScale(double x1, double x2, int maxMajorSteps, int maxMinorSteps,
                            double stepSize = 0.0) const override;
};
