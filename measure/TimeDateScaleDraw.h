#ifndef TIMEDATESCALEDRAW_H
#define TIMEDATESCALEDRAW_H

#include <qwt_scale_draw.h>

// Time axis: the value is a time stamp in s since 1970 UTC, labelled in local
// time. format is the language's date-time format, date and time parted by a
// line break. On an axis divided on round steps (MoteurEchelleTemps) a label
// shows the time alone, without seconds from one minute up, with the date under
// it on the first label and on the first of each day; steps of days show the date alone.
// Without such a division, or with a format of one line, the whole format.
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
