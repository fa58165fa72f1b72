#pragma once

#include <qwt_scale_draw.h>

// Humidity axis: values in tenths of a percent, labelled in percent.
class HumiScaleDraw : public QwtScaleDraw
{
public:
    QwtText label(double value) const override;
};
