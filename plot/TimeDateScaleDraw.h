#pragma once

#include <qwt_scale_draw.h>

// Time axis: the value is a time stamp in s since 1970 UTC, labelled in local
// time. format is the language's date-time format, date and time parted by a
// line break. On an axis divided on round steps (MoteurEchelleTemps) a label is
// one line: the time, without seconds from one minute up, or the day ("07/12")
// at midnight and on steps of days; the dates covered go into the axis title
// (TitreDates). Without ticks, or with a format of one line, a label shows the
// whole format.
class TimeDateScaleDraw : public QwtScaleDraw
{
public:
    explicit TimeDateScaleDraw(const QString& format);
    ~TimeDateScaleDraw() override;

    QwtText label(double value) const override;

    // Time format of the labels on steps of pas seconds: without seconds from one
    // minute up; in English without minutes on whole hours ("6 PM").
    QString FormatHeure(double pas, bool heurePleine) const;
    // Day format of the labels: the date without its year.
    QString FormatJour() const;
    // Width in pixels of the widest label on steps of pas seconds.
    int LargeurEtiquette(double pas, const QFont& police) const;
    // The dates an axis from debut to fin covers: "06/12/2026", or
    // "06/12/2026 - 07/12/2026" over several days.
    QString TitreDates(double debut, double fin) const;

private:
    QString FormatDate() const;

    QString m_Format;
};
