#include "chart/chart_drawing.h"

#include "platform/colors.h"

#include <QPainter>

namespace chart {

QColor curveColor(core::Cycle cycle) {
  switch (cycle) {
  case core::Cycle::Emotional:
    return platform::toQColor(platform::clRed);
  case core::Cycle::Intellectual:
    return platform::toQColor(platform::clYellow);
  case core::Cycle::Physical:
    break;
  }
  return platform::toQColor(platform::clLime);
}

void drawGrid(QPainter &painter) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  // A two-point line of one pixel leaves its end point unpainted: each line
  // is the run of pixels from its start up to, not including, its end.
  const int width = core::kChartRight - core::kChartLeft;
  const int height = core::kChartBottom - core::kChartTop;
  for (int y = core::kChartTop; y <= core::kChartBottom; y += core::kChartGridStep)
    painter.fillRect(core::kChartLeft, y, width, 1, Qt::black);
  bool black = true;
  for (int x = core::kChartLeft; x <= core::kChartRight; x += core::kChartDayWidth) {
    painter.fillRect(x, core::kChartTop, 1, height, black ? Qt::black : Qt::white);
    black = !black;
  }
  painter.restore();
}

void drawCurves(QPainter &painter, const core::ChartData &chart) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPen pens[3];
  for (size_t c = 0; c < chart.curves.size(); ++c)
    pens[c] =
        QPen(curveColor(chart.curves[c].cycle), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  for (int d = 0; d < core::kChartSegments; ++d) {
    for (size_t c = 0; c < chart.curves.size(); ++c) {
      const core::ChartSegment &s = chart.curves[c].segments[d];
      painter.setPen(pens[c]);
      painter.drawLine(s.x1, s.y1, s.x2, s.y2);
    }
  }
  painter.restore();
}

} // namespace chart
