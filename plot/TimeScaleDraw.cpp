#include "TimeScaleDraw.h"

#include "FormatsDate.h"

TimeScaleDraw::TimeScaleDraw(const QString& format) : m_Format(format) {}

TimeScaleDraw::~TimeScaleDraw() = default;

QwtText TimeScaleDraw::label(double value) const
{
    return QwtText(TexteHeureDuJour(SecondesAxe(value), m_Format));
}
