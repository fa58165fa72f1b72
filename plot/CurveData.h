#pragma once

#include <qwt_series_data.h>

// The samples of one curve, appended one at a time while a recording arrives.
// The bounding rectangle is computed on demand and kept until the samples change.
class CurveData : public QwtArraySeriesData<QPointF>
{
public:
    CurveData();
    ~CurveData() override;

    void append(const QPointF& point);
    // Empties the samples and releases their storage.
    void clear();

    QRectF boundingRect() const override;
};
