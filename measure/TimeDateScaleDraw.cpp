#include "TimeDateScaleDraw.h"

#include <QDateTime>
#include <QLocale>

namespace
{
constexpr double Jour = 86400.0;
}

TimeDateScaleDraw::TimeDateScaleDraw(const QString& format) : m_Format(format) {}

TimeDateScaleDraw::~TimeDateScaleDraw() = default;

QwtText TimeDateScaleDraw::label(double value) const
{
    const QDateTime date = QDateTime::fromSecsSinceEpoch(static_cast<uint>(value), Qt::LocalTime);
    // The C locale keeps "AM"/"PM" whatever the system language is.
    const QLocale c = QLocale::c();
    const QList<double> graduations = scaleDiv().ticks(QwtScaleDiv::MajorTick);
    const int saut = m_Format.indexOf(QLatin1Char('\n'));
    if (graduations.size() < 2 || saut < 0)
        return QwtText(c.toString(date, m_Format));

    const QString formatDate = m_Format.left(saut).trimmed();
    QString formatHeure = m_Format.mid(saut + 1).trimmed();
    const double pas = graduations.at(1) - graduations.at(0);
    if (pas >= Jour)
        return QwtText(c.toString(date, formatDate));
    if (pas >= 60)
        formatHeure.remove(QStringLiteral(":ss"));
    QString texte = c.toString(date, formatHeure);
    // The date under the first label and under the first one of each new day.
    const QDate veille =
        QDateTime::fromSecsSinceEpoch(static_cast<qint64>(value - pas), Qt::LocalTime).date();
    if (value == graduations.first() || veille != date.date())
        texte += QLatin1Char('\n') + c.toString(date, formatDate);
    return QwtText(texte);
}
