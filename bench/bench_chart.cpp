// The 30-day chart: its data alone, and the grid and curves painted on a
// surface image of the window's size, as every chart command does.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "chart/chart_drawing.h"
#include "core/chart_data.h"

namespace {

const core::ChartInput kInput{"01/06/2001", "12/05/1970", "Anna", {}, {2026, 12, 7}};

void ChartData(benchmark::State &state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(core::computeChart(kInput));
}
BENCHMARK(ChartData)->Unit(benchmark::kMicrosecond);

void GridAndCurvesOnTheSurface(benchmark::State &state) {
  QImage surface(634, 440, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    surface.fill(Qt::transparent);
    QPainter painter(&surface);
    chart::drawGrid(painter);
    chart::drawCurves(painter, core::computeChart(kInput));
  }
}
BENCHMARK(GridAndCurvesOnTheSurface)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
