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

// Raises the conversion or the date error the chart from `firstDay` would
// raise, before anything on display changes.
void checkChartFrom(const QString &firstDay, const QString &birth, const platform::Environment &e) {
  const std::string first = utf8(firstDay), birthText = utf8(birth);
  core::computeChart({first, birthText, {}, e.regional.date, e.today()});
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
  enterChartMode();
  currentChartDay = chartDayOf(projectionDateField->text());
  // A start or birth date that does not convert, or a period past the end
  // of the calendar, ends the command here: the window stays hidden.
  checkChartFrom(currentChartDay, birthDateField->text(), env_);
  computeChartDayLevels(currentChartDay, birthDateField->text(), session_, env_);
  // The hide animation still runs, so no show animation starts.
  showCentred();
  chartDrawTimer->start();
}

void ContentWindow::showFirstMonth() {
  hide();
  weekDaysLabel->setText(QStringLiteral("Here is your first month of life..."));
  priorMonthButton->hide();
  nextMonthButton->hide();
  enterChartMode();
  showCentred();
  currentChartDay = chartDayOf(birthDateField->text());
  chartDrawTimer->start();
}

void ContentWindow::drawPreparedChart() {
  chartDrawTimer->stop();
  drawGrid();
  drawChart();
}

namespace {

enum class Step { Prior, Next };

void stepMonth(ContentWindow *form, Step step, Session &session, const platform::Environment &e) {
  QString &currentChartDay = form->currentChartDay;
  const std::string chartDay = utf8(currentChartDay);
  const QString first = QString::fromStdString(
      step == Step::Prior ? core::priorFirstDay(chartDay, e.regional.date, e.today())
                          : core::nextFirstDay(chartDay, e.regional.date, e.today()));
  // Refused before the old chart is erased: nothing on display changes.
  checkChartFrom(first, form->birthDateField->text(), e);

  form->eraseChart();
  currentChartDay = first;
  form->upperDatesLabel->setText(QStringLiteral("     "));
  form->lowerDatesLabel->setText(QStringLiteral("            "));
  computeChartDayLevels(currentChartDay, form->birthDateField->text(), session, e);
  form->repaint();
  form->drawGrid();
  form->drawChart();
}

} // namespace

void ContentWindow::showPriorMonth() {
  stepMonth(this, Step::Prior, session_, env_);
}

void ContentWindow::showNextMonth() {
  stepMonth(this, Step::Next, session_, env_);
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
