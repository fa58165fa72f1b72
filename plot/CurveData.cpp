#include "CurveData.h"

// A negative width marks the cached rectangle as out of date.
static const QRectF RECT_INVALIDE(0.0, 0.0, -1.0, -1.0);

CurveData::CurveData() = default;

CurveData::~CurveData() = default;

void CurveData::append(const QPointF& point)
{
    d_samples.append(point);
    d_boundingRect = RECT_INVALIDE;
}

void CurveData::clear()
{
    d_samples.clear();
    d_samples.squeeze();
    d_boundingRect = RECT_INVALIDE;
}

QRectF CurveData::boundingRect() const
{
    if (d_boundingRect.width() < 0.0)
        d_boundingRect = qwtBoundingRect(*this);
    return d_boundingRect;
}
