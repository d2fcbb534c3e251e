// Chart mode's commands: into the chart from the projection panel, a month
// back or forward, drawn again, and back to the projection panel.
#include "chart/content_window.h"
#include "chart/content_window_parts.h"
#include "state/setup_values.h"

#include "core/chart_data.h"
#include "platform/environment.h"

using content_parts::utf8;

namespace {

QString chartDayOf(const QString &text) {
  return QString::fromStdString(core::chartDayText(utf8(text)));
}

void computeChartDayLevels(const QString &chartDay, const QString &birth, Session &session,
                           const platform::Environment &e) {
  const core::DayLevels day =
      core::computeChartDayLevels(utf8(chartDay), utf8(birth), e.regional.date, e.today());
  session.setLevels(day.dayCount, day.levels);
}

} // namespace

void ContentWindow::enterChartMode() {
  hide();
  for (TextLabel *label : {weekDaysLabel, chartHeadlineLabel, scale20Label, scale10Label})
    label->show();
  showOnlyPanel(nullptr);
  setOuterSize(kChartWidth, kChartHeight);
  // A window shown again starts blank; the new chart comes with chartDrawTimer.
  eraseChart();
}

void ContentWindow::showMe() {
  const bool hadKeys = isActiveWindow();
  enterChartMode();
  currentChartDay = chartDayOf(projectionDateField->text());
  // A start or birth date that does not convert, or a period past the end
  // of the calendar, ends the command here: the window stays hidden.
  chartFrom(currentChartDay);
  computeChartDayLevels(currentChartDay, birthDateField->text(), session_, env_);
  // The hide animation still runs, so no show animation starts.
  showCentred();
  giveChartTheKeys(hadKeys);
  chartDrawTimer->start();
}

void ContentWindow::showFirstMonth() {
  const bool hadKeys = isActiveWindow();
  hide();
  weekDaysLabel->setText(QStringLiteral("Here is your first month of life..."));
  priorMonthButton->hide();
  nextMonthButton->hide();
  enterChartMode();
  showCentred();
  giveChartTheKeys(hadKeys);
  currentChartDay = chartDayOf(birthDateField->text());
  chartDrawTimer->start();
}

void ContentWindow::drawPreparedChart() {
  chartDrawTimer->stop();
  drawGrid();
  drawChart();
}

void ContentWindow::stepTo(const QString &firstDay) {
  // Computed once, before the old chart is erased: a refused step changes
  // nothing on display. The levels are the chart's last day's, as drawn.
  const core::ChartData chart = chartFrom(firstDay);
  eraseChart();
  currentChartDay = firstDay;
  upperDatesLabel->setText(QStringLiteral("     "));
  lowerDatesLabel->setText(QStringLiteral("            "));
  repaint();
  drawGrid();
  drawChart(chart);
}

void ContentWindow::showPriorMonth() {
  const platform::Environment &e = env_;
  stepTo(QString::fromStdString(
      core::priorFirstDay(utf8(currentChartDay), e.regional.date, e.today())));
}

void ContentWindow::showNextMonth() {
  const platform::Environment &e = env_;
  stepTo(QString::fromStdString(
      core::nextFirstDay(utf8(currentChartDay), e.regional.date, e.today())));
}

void ContentWindow::redrawChart() {
  currentChartDay = shownChartStart;
  drawGrid();
  drawChart();
}

void ContentWindow::backToProjection() {
  hide();
  priorMonthButton->show();
  nextMonthButton->show();
  weekDaysLabel->hide();
  chartHeadlineLabel->hide();
  eraseChart();
  scale20Label->hide();
  scale10Label->hide();
  computeTodayLevels(session_, env_);
  setOuterSize(kPanelWidth, kPanelHeight);
  showOnlyPanel(projectionPanel);
  showCentred();
}
