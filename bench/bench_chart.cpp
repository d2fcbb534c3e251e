// The 30-day chart: its data alone; the grid and curves painted on a surface
// image of the window's size; and the window's own DrawGrid and DrawChart
// (labels included), with and without painting the window afterwards; the power panel
// painted with its fonts loaded and loaded anew; the window made anew and painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "chart/chart_drawing.h"
#include "chart/content_window.h"
#include "core/chart_data.h"
#include "platform/environment.h"
#include "platform/fonts.h"
#include "platform/free_memory.h"

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

// The content window in chart mode, as " Refresh" draws it.
void WindowDrawGridAndDrawChart(benchmark::State &state) {
  Session session;
  ContentWindow form(session, platform::env());
  form.setOuterSize(ContentWindow::kChartWidth, ContentWindow::kChartHeight);
  form.birthDateField->setText(QStringLiteral("12/05/1970"));
  session.headlineFirstName = QStringLiteral("Anna");
  const bool paint = state.range(0) != 0;
  // 2: painted too, the fonts loaded anew each time (the first chart after the windows' release)
  const bool fontsReleased = state.range(0) == 2;
  for (auto _ : state) {
    if (fontsReleased)
      platform::releaseFontEngines();
    form.currentChartDay = QStringLiteral("01/06/2001");
    form.drawGrid();
    form.drawChart();
    // The window's whole picture, as the screen gets it after the chart.
    if (paint)
      benchmark::DoNotOptimize(form.grab());
  }
}
BENCHMARK(WindowDrawGridAndDrawChart)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The power panel painted whole, as an opening from the tray shows it: with the fonts loaded
// (0), and after the last window's hiding let them go (1), so that every text loads its font
// engine, shaping tables and glyphs again.
void PowerPanelPainted(benchmark::State &state) {
  Session session;
  ContentWindow form(session, platform::env());
  form.setOuterSize(ContentWindow::kPanelWidth, ContentWindow::kPanelHeight);
  form.showOnlyPanel(form.powerPanel);
  benchmark::DoNotOptimize(form.grab());
  const bool fontsReleased = state.range(0) != 0;
  for (auto _ : state) {
    if (fontsReleased)
      platform::releaseFontEngines();
    benchmark::DoNotOptimize(form.grab());
  }
}
BENCHMARK(PowerPanelPainted)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Making the content window and painting its power panel, as an opening would if a hidden window
// were deleted and made anew (the fonts' database and fontconfig's set-up are ready by then).
void ContentWindowMadeAndPainted(benchmark::State &state) {
  Session session;
  for (auto _ : state) {
    ContentWindow form(session, platform::env());
    form.setOuterSize(ContentWindow::kPanelWidth, ContentWindow::kPanelHeight);
    form.showOnlyPanel(form.powerPanel);
    benchmark::DoNotOptimize(form.grab());
  }
}
BENCHMARK(ContentWindowMadeAndPainted)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  platform::installFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
