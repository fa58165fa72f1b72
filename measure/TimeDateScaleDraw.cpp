#include "TimeDateScaleDraw.h"

#include <QDateTime>
#include <QLocale>

TimeDateScaleDraw::TimeDateScaleDraw(const QString& format) : m_Format(format) {}

TimeDateScaleDraw::~TimeDateScaleDraw() = default;

QwtText TimeDateScaleDraw::label(double value) const
{
    const QDateTime date = QDateTime::fromSecsSinceEpoch(static_cast<uint>(value), Qt::LocalTime);
    // The C locale keeps "AM"/"PM" whatever the system language is.
    return QwtText(QLocale::c().toString(date, m_Format));
}
