#pragma once

#include <qwt_scale_draw.h>

// Temperature axis: values in tenths of a degree, labelled in degrees.
class TempScaleDraw : public QwtScaleDraw
{
public:
    QwtText label(double value) const override;
};
