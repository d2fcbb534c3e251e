#pragma once
// The grid and the three curves of the 30-day chart, painted with the pen
// rules of the window's surface: one-pixel grid lines without their end
// point, curves five pixels wide, day by day in the order red, yellow, lime.
#include "core/chart_data.h"

#include <QColor>

class QPainter;

namespace chart {

// The curve colours, which the list headings share: red, yellow, lime.
QColor curveColor(core::Cycle cycle);

// 11 black horizontal lines every 25 pixels from y 50 to 300, then 30
// verticals every 20 pixels from x 30 to 610, black and white in turn from
// black.
void drawGrid(QPainter &painter);

// The 29 segments of each curve, day by day.
void drawCurves(QPainter &painter, const core::ChartData &chart);

} // namespace chart
