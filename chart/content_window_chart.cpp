// Chart mode of the content window: the chart's labels, the button row, and
// the grid and curves drawn on the window's persistent surface.
#include "chart/content_window.h"
#include "chart/content_window_layout.h"
#include "chart/content_window_parts.h"
#include "platform/guarded.h"

#include "chart/chart_drawing.h"
#include "core/chart_data.h"
#include "platform/colors.h"
#include "platform/environment.h"
#include "platform/fonts.h"
#include "resources/pictures.h"

#include <QPaintEvent>
#include <QPainter>

#include <optional>

using content_parts::utf8;

namespace {

struct LabelPlace {
  TextLabel *ContentWindow::*member;
  const char *name;
  QRect geometry;
  const char *text;
  platform::ColorCode color;
};

// A date row: each date of its text centred on its own grid column, two
// days (40 pixels) apart from `firstColumn` on. Laid out by the label's font
// alone, blanks between the dates would let them drift off their columns.
class DateRow final : public TextLabel {
public:
  DateRow(QWidget *parent, int firstColumn) : TextLabel(parent), firstColumn_(firstColumn) {}

protected:
  void paintEvent(QPaintEvent *) override {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    // A date is written with its separator, never with a blank.
    const QStringList dates = text().split(u' ', Qt::SkipEmptyParts);
    constexpr int kStep = 2 * core::kChartDayWidth;
    for (qsizetype i = 0; i < dates.size(); ++i) {
      const int centre = firstColumn_ + kStep * int(i) - x();
      painter.drawText(QRect(centre - kStep, 0, 2 * kStep, height()),
                       Qt::AlignHCenter | Qt::AlignTop, dates[i]);
    }
  }

private:
  int firstColumn_;
};

// A label of the chart: fixed size, left-aligned unless said otherwise,
// letting the window's colour show through. A date row is given the column of
// its first date.
TextLabel *chartLabel(ContentWindow *form, const LabelPlace &place, const QFont &font,
                      Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop,
                      std::optional<int> firstDateColumn = std::nullopt) {
  TextLabel *label = firstDateColumn ? new DateRow(form, *firstDateColumn) : new TextLabel(form);
  label->setText(QString::fromLatin1(place.text));
  label->setObjectName(QString::fromLatin1(place.name));
  label->setAutoSize(false);
  label->setGeometry(place.geometry);
  label->setFont(font);
  label->setFontColor(platform::toQColor(place.color));
  label->setTransparent(true);
  label->setAlignment(alignment);
  form->*place.member = label;
  return label;
}

QString qs(const std::string &text) {
  return QString::fromStdString(text);
}

} // namespace

void ContentWindow::createChartLabels() {
  QList<TextLabel *> labels;
  const QFont arial16 = platform::font(QStringLiteral("Arial"), -16);
  const QFont arial13 = platform::font(QStringLiteral("Arial"), -13);
  const QFont arial11 = platform::font(QStringLiteral("Arial"), -11);
  const QFont arial9 = platform::font(QStringLiteral("Arial"), -9);

  labels << chartLabel(this,
                       {&ContentWindow::chartHeadlineLabel,
                        "chartHeadlineLabel",
                        {18, 9, 618, 18},
                        "Hello, here is your power for this month...",
                        platform::clBlack},
                       arial16, Qt::AlignHCenter | Qt::AlignTop);
  labels << chartLabel(
      this,
      {&ContentWindow::weekDaysLabel, "weekDaysLabel", {28, 28, 634, 14}, "", platform::clBlack},
      arial13);
  labels << chartLabel(
      this, {&ContentWindow::percentLabel, "percentLabel", {5, 27, 22, 17}, "%", platform::clBlack},
      platform::font(QStringLiteral("Times New Roman"), -13), Qt::AlignRight | Qt::AlignTop);

  // The scale, one label every 25 pixels down to the last, which sits higher
  // so that it stays above the date rows.
  const LabelPlace scale[] = {
      {&ContentWindow::scale100Label, "scale100Label", {7, 45, 22, 17}, "100", platform::clBlack},
      {&ContentWindow::scale90Label, "scale90Label", {7, 70, 22, 17}, "90", platform::clBlack},
      {&ContentWindow::scale80Label, "scale80Label", {7, 95, 22, 17}, "80", platform::clBlack},
      {&ContentWindow::scale70Label, "scale70Label", {7, 120, 22, 17}, "70", platform::clBlack},
      {&ContentWindow::scale60Label, "scale60Label", {7, 145, 22, 17}, "60", platform::clBlack},
      {&ContentWindow::scale50Label, "scale50Label", {7, 170, 22, 17}, "50", platform::clBlack},
      {&ContentWindow::scale40Label, "scale40Label", {7, 195, 22, 17}, "40", platform::clBlack},
      {&ContentWindow::scale30Label, "scale30Label", {7, 220, 22, 17}, "30", platform::clBlack},
      {&ContentWindow::scale20Label, "scale20Label", {7, 245, 22, 17}, "20", platform::clBlack},
      {&ContentWindow::scale10Label, "scale10Label", {7, 270, 22, 17}, "10", platform::clBlack},
      {&ContentWindow::scale0Label, "scale0Label", {7, 289, 22, 17}, "0", platform::clBlack},
  };
  for (const LabelPlace &place : scale)
    labels << chartLabel(this, place, arial11, Qt::AlignRight | Qt::AlignTop);

  // The date rows are opaque on the window's colour: the upper one holds the
  // even days, the lower one the odd days.
  labels << chartLabel(this,
                       {&ContentWindow::upperDatesLabel,
                        "upperDatesLabel",
                        {0, 306, 637, 14},
                        "",
                        platform::clBlack},
                       arial9, Qt::AlignLeft | Qt::AlignTop, core::kChartLeft);
  labels << chartLabel(this,
                       {&ContentWindow::lowerDatesLabel,
                        "lowerDatesLabel",
                        {-4, 320, 641, 14},
                        "",
                        platform::clWhite},
                       arial9, Qt::AlignLeft | Qt::AlignTop,
                       core::kChartLeft + core::kChartDayWidth);
  upperDatesLabel->setTransparent(false);
  lowerDatesLabel->setTransparent(false);

  // Each heading in its curve's colour, then in black one pixel to the right
  // and down, on top.
  const QFont heading = platform::font(QStringLiteral("Arial"), -16, platform::fsUnderline);
  const LabelPlace headings[] = {
      {&ContentWindow::emotionalHeadingLabel,
       "emotionalHeadingLabel",
       {31, 337, 194, 19},
       "Critical Emotional Days",
       platform::clRed},
      {&ContentWindow::emotionalHeadingReliefLabel,
       "emotionalHeadingReliefLabel",
       {32, 338, 194, 19},
       "Critical Emotional Days",
       platform::clBlack},
      {&ContentWindow::intellectualHeadingLabel,
       "intellectualHeadingLabel",
       {233, 337, 203, 19},
       "Critical Intellectual Days",
       platform::clYellow},
      {&ContentWindow::intellectualHeadingReliefLabel,
       "intellectualHeadingReliefLabel",
       {234, 338, 203, 19},
       "Critical Intellectual Days",
       platform::clBlack},
      {&ContentWindow::physicalHeadingLabel,
       "physicalHeadingLabel",
       {441, 337, 192, 19},
       "Critical Physical Days",
       platform::clLime},
      {&ContentWindow::physicalHeadingReliefLabel,
       "physicalHeadingReliefLabel",
       {442, 338, 192, 19},
       "Critical Physical Days",
       platform::clBlack},
  };
  for (const LabelPlace &place : headings)
    labels << chartLabel(this, place, heading);

  const LabelPlace lists[] = {
      {&ContentWindow::bestEmotionalDaysLabel,
       "bestEmotionalDaysLabel",
       {21, 357, 206, 19},
       "Best :",
       platform::clBlack},
      {&ContentWindow::worstEmotionalDaysLabel,
       "worstEmotionalDaysLabel",
       {21, 371, 208, 19},
       "Worst :",
       platform::clBlack},
      {&ContentWindow::bestIntellectualDaysLabel,
       "bestIntellectualDaysLabel",
       {229, 357, 208, 19},
       "Best :",
       platform::clBlack},
      {&ContentWindow::worstIntellectualDaysLabel,
       "worstIntellectualDaysLabel",
       {231, 371, 206, 19},
       "Worst :",
       platform::clBlack},
      {&ContentWindow::bestPhysicalDaysLabel,
       "bestPhysicalDaysLabel",
       {437, 357, 196, 19},
       "Best :",
       platform::clBlack},
      {&ContentWindow::worstPhysicalDaysLabel,
       "worstPhysicalDaysLabel",
       {437, 371, 196, 19},
       "Worst :",
       platform::clBlack},
  };
  for (const LabelPlace &place : lists)
    labels << chartLabel(this, place, arial13);

  // Beneath the frame and the content panels, which cover them in panel mode.
  for (auto it = labels.rbegin(); it != labels.rend(); ++it)
    (*it)->lower();
  for (TextLabel *label : {chartHeadlineLabel, weekDaysLabel, scale20Label, scale10Label})
    label->hide();

  // Nothing of its own is painted: the surface beneath shows through.
  chartArea = new QWidget(this);
  chartArea->setObjectName(QStringLiteral("chartArea"));
  chartArea->setGeometry(core::kChartLeft, core::kChartTop,
                         core::kChartRight - core::kChartLeft + 1,
                         core::kChartBottom - core::kChartTop + 1);
  chartArea->setAttribute(Qt::WA_TransparentForMouseEvents);
  chartArea->lower();
  chartModeControls_ << chartArea;
  for (TextLabel *label : labels)
    chartModeControls_ << label;
}

void ContentWindow::createButtonRow() {
  chartButtonRow = new BevelPanel(this);
  chartButtonRow->setObjectName(QStringLiteral("chartButtonRow"));
  chartButtonRow->setGeometry(content_layout::kChartButtonRow);
  chartButtonRow->setBevelInner(BevelCut::bvNone);
  chartButtonRow->setBevelOuter(BevelCut::bvNone);
  chartButtonRow->setColor(platform::toQColor(platform::clSilver));

  struct ButtonPlace {
    GlyphButton *ContentWindow::*member;
    const char *name;
    int left;
    const char *caption, *picture, *hint;
    void (ContentWindow::*handler)();
  };
  const ButtonPlace buttons[] = {
      {&ContentWindow::priorMonthButton, "priorMonthButton", 3, "Prior Month", "btn_prior",
       "Click to see the biorythm prior month", &ContentWindow::showPriorMonth},
      {&ContentWindow::printButton, "printButton", 123, " Print", "btn_print",
       "Click to print the curves", &ContentWindow::printChart},
      {&ContentWindow::refreshButton, "refreshButton", 243, " Refresh", "btn_refresh",
       "Click to refresh the screen", &ContentWindow::redrawChart},
      {&ContentWindow::closeChartButton, "closeChartButton", 364, "Close", "btn_close",
       "Click to hide the window", &ContentWindow::backToProjection},
      {&ContentWindow::nextMonthButton, "nextMonthButton", 484, "Next Month", "btn_next",
       "Click to see the biorythm next month", &ContentWindow::showNextMonth},
  };
  for (const ButtonPlace &place : buttons) {
    auto *button = new GlyphButton(chartButtonRow, QString::fromLatin1(place.caption));
    button->setObjectName(QString::fromLatin1(place.name));
    button->setGeometry(
        QRect({place.left, content_layout::kChartButtonTop}, content_layout::kChartButton));
    button->setGlyph(pictures::pixmap(QString::fromLatin1(place.picture)));
    button->setFlat(true);
    button->setFontColor(
        platform::toQColorOn(platform::clWindowText, platform::clSilver, button->palette()));
    button->setToolTip(QString::fromLatin1(place.hint));
    connect(button, &QPushButton::clicked, this, platform::guarded(this, place.handler));
    this->*place.member = button;
  }
  nextMonthButton->setGlyphLayout(GlyphLayout::blGlyphRight);
  // Below the panel-mode window, so the row shows in chart mode only.
  chartButtonRow->lower();
  chartModeControls_ << chartButtonRow;
}

void ContentWindow::paintEvent(QPaintEvent *event) {
  BorderlessWindow::paintEvent(event);
  if (surface_.isNull())
    return;
  QPainter painter(this);
  painter.drawImage(event->rect(), surface_, event->rect());
}

QImage &ContentWindow::drawingSurface() {
  // Made at the first chart, since most sessions never draw one; it covers
  // the chart-mode window, and its empty parts let the window's colour show.
  if (surface_.isNull()) {
    surface_ = QImage(kChartWidth, kChartHeight, QImage::Format_ARGB32_Premultiplied);
    surface_.fill(Qt::transparent);
  }
  return surface_;
}

void ContentWindow::eraseChart() {
  if (!surface_.isNull())
    surface_.fill(Qt::transparent);
  chartArea->setAccessibleDescription({});
  update();
}

void ContentWindow::drawGrid() {
  QPainter painter(&drawingSurface());
  chart::drawGrid(painter);
  update();
}

core::ChartData ContentWindow::chartFrom(const QString &firstDay) const {
  const platform::Environment &e = env_;
  const std::string first = utf8(firstDay), birth = utf8(birthDateField->text()),
                    name = utf8(session_.headlineFirstName);
  return core::computeChart({first, birth, name, e.regional.date, e.today()});
}

void ContentWindow::drawChart() {
  // Everything is computed before anything changes: a date that does not
  // convert, or a period past the calendar's end, leaves the labels alone.
  drawChart(chartFrom(currentChartDay));
}

void ContentWindow::drawChart(const core::ChartData &chart) {
  TextLabel *const best[3] = {bestEmotionalDaysLabel, bestIntellectualDaysLabel,
                              bestPhysicalDaysLabel};
  TextLabel *const worst[3] = {worstEmotionalDaysLabel, worstIntellectualDaysLabel,
                               worstPhysicalDaysLabel};
  for (size_t c = 0; c < 3; ++c) {
    best[c]->setText(qs(chart.curves[c].best));
    worst[c]->setText(qs(chart.curves[c].worst));
  }
  shownChartStart = qs(chart.chartStart);
  chartHeadlineLabel->setText(qs(chart.headline));
  upperDatesLabel->setText(qs(chart.upperDates));
  lowerDatesLabel->setText(qs(chart.lowerDates));
  weekDaysLabel->setText(qs(chart.weekDays));
  currentChartDay = qs(chart.chartDay);
  session_.setLevels(chart.dayCount, chart.levels);
  chartArea->setAccessibleDescription(
      QStringLiteral("From %1 to %2. On %2: Emotional %3 %, Intellectual %4 %, Physical %5 %")
          .arg(qs(chart.chartStart), qs(chart.chartDay))
          .arg(chart.levels.emotional)
          .arg(chart.levels.intellectual)
          .arg(chart.levels.physical));

  QPainter painter(&drawingSurface());
  chart::drawCurves(painter, chart);
  update();
}
