#include "TimeScaleDraw.h"

#include <QLocale>
#include <QTime>

TimeScaleDraw::TimeScaleDraw(const QString& format) : m_Format(format) {}

TimeScaleDraw::~TimeScaleDraw() = default;

QwtText TimeScaleDraw::label(double value) const
{
    const qint64 secondes = static_cast<qint64>(value);
    // The C locale keeps "AM"/"PM" whatever the system language is.
    return QwtText(
        QLocale::c().toString(QTime(0, 0).addSecs(static_cast<int>(secondes % 86400)), m_Format));
}
