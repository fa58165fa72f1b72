#ifndef TIMEDATESCALEDRAW_H
#define TIMEDATESCALEDRAW_H

#include <qwt_scale_draw.h>

// Time axis: the value is a time stamp in s since 1970 UTC, labelled in local
// time with the given format (two lines when the format holds a line break).
class TimeDateScaleDraw : public QwtScaleDraw
{
public:
    explicit TimeDateScaleDraw(const QString& format);
    ~TimeDateScaleDraw() override;

    QwtText label(double value) const override;

private:
    QString m_Format;
};

#endif
