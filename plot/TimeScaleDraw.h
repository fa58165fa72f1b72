#pragma once

#include <qwt_scale_draw.h>

// Time-of-day axis: the value is a number of seconds since midnight, labelled
// as the time 00:00:00 plus that many seconds with the given format. Past 24
// hours the time wraps.
class TimeScaleDraw : public QwtScaleDraw
{
public:
    explicit TimeScaleDraw(const QString& format);
    ~TimeScaleDraw() override;

    QwtText label(double value) const override;

private:
    QString m_Format;
};
