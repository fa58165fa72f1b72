#pragma once

#include <QPolygonF>

// Thins a polyline in canvas pixels before it is drawn: of each run of
// consecutive points in the same pixel column (same integer part of x) it keeps
// the first, the lowest, the highest and the last, in their order, each once.
// The line covers the same pixels; 16000 points over a few hundred columns
// become a few thousand.
QPolygonF ReduireColonnes(const QPolygonF& points);
