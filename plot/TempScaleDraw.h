#pragma once

#include <qwt_scale_draw.h>

// Temperature axis: values in tenths of a degree Celsius, labelled in degrees of
// the display unit (EchelleTemp puts its ticks on round values of that unit).
class TempScaleDraw : public QwtScaleDraw
{
public:
    QwtText label(double value) const override;
};
