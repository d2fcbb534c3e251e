// Chart mode's commands: into the chart from the projection panel, a month
// back or forward, drawn again, and back to the projection panel.
#include "chart/content_window.h"
#include "chart/content_window_parts.h"

#include "core/chart_data.h"
#include "platform/environment.h"

using content_parts::utf8;

namespace {

QString chartDayOf(const QString &text) {
  return QString::fromStdString(core::chartDayText(utf8(text)));
}

// Raises the conversion or the date error the chart from `firstDay` would
// raise, before anything on display changes.
void checkChartFrom(const QString &firstDay, const QString &birth) {
  const platform::Environment &e = platform::env();
  const std::string first = utf8(firstDay), birthText = utf8(birth);
  core::computeChart({first, birthText, {}, e.regional.date, e.today()});
}

void computeChartDayLevels(const QString &chartDay, const QString &birth) {
  const platform::Environment &e = platform::env();
  core::computeChartDayLevels(utf8(chartDay), utf8(birth), e.regional.date, e.today());
}

} // namespace

void ContentWindow::enterChartMode() {
  hide();
  for (TextLabel *label : {Label44, Label31, Label42, Label43})
    label->show();
  showOnlyPanel(nullptr);
  setOuterSize(kChartWidth, kChartHeight);
  // A window shown again starts blank; the new chart comes with Timer2.
  EraseChart();
}

void ContentWindow::BitBtn8Click() {
  enterChartMode();
  ChartDay = chartDayOf(MaskEdit2->text());
  // A start or birth date that does not convert, or a period past the end
  // of the calendar, ends the command here: the window stays hidden.
  checkChartFrom(ChartDay, MaskEdit1->text());
  computeChartDayLevels(ChartDay, MaskEdit1->text());
  // The hide animation still runs, so no show animation starts.
  showCentred();
  Timer2->start();
}

void ContentWindow::BitBtn7Click() {
  hide();
  Label44->setText(QStringLiteral("Here is your first month of life..."));
  BitBtn5->hide();
  BitBtn6->hide();
  enterChartMode();
  showCentred();
  ChartDay = chartDayOf(MaskEdit1->text());
  Timer2->start();
}

void ContentWindow::Timer2Timer() {
  Timer2->stop();
  DrawGrid();
  DrawChart();
}

namespace {

enum class Step { Prior, Next };

void stepMonth(ContentWindow *form, Step step) {
  const platform::Environment &e = platform::env();
  const std::string chartDay = utf8(ChartDay);
  const QString first = QString::fromStdString(
      step == Step::Prior ? core::priorFirstDay(chartDay, e.regional.date, e.today())
                          : core::nextFirstDay(chartDay, e.regional.date, e.today()));
  // Refused before the old chart is erased: nothing on display changes.
  checkChartFrom(first, form->MaskEdit1->text());

  form->EraseChart();
  ChartDay = first;
  form->Label20->setText(QStringLiteral("     "));
  form->Label21->setText(QStringLiteral("            "));
  computeChartDayLevels(ChartDay, form->MaskEdit1->text());
  form->repaint();
  form->DrawGrid();
  form->DrawChart();
}

} // namespace

void ContentWindow::BitBtn5Click() {
  stepMonth(this, Step::Prior);
}

void ContentWindow::BitBtn6Click() {
  stepMonth(this, Step::Next);
}

void ContentWindow::BitBtn3Click() {
  ChartDay = ChartStart;
  DrawGrid();
  DrawChart();
}

void ContentWindow::BitBtn4Click() {
  hide();
  BitBtn5->show();
  BitBtn6->show();
  Label44->hide();
  Label31->hide();
  EraseChart();
  Label42->hide();
  Label43->hide();
  ComputeTodayLevels();
  setOuterSize(kPanelWidth, kPanelHeight);
  showOnlyPanel(details);
  showCentred();
}
