// The content window in chart mode: entering it, the chart on the surface,
// the month steps, Close, printing, and the keys that do the same.
#include "app/main_window.h"
#include "app_fixture.h"
#include "chart/content_window.h"
#include "core/biorhythm.h"
#include "core/errors.h"
#include "platform/printer.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <cstdlib>
#include <tuple>

using namespace testing_support;

namespace {

const QColor kSilver(192, 192, 192), kBlack(0, 0, 0), kWhite(255, 255, 255);
const QColor kRed(255, 0, 0), kYellow(255, 255, 0), kLime(0, 255, 0);

class ChartMode : public AppFixture {
protected:
  // Anna, born 25/05/2001 unless said otherwise: the first of June 2001 is
  // her day count 7. Today is 12/05/2024.
  void load(const QString &birth = QStringLiteral("25/05/2001")) {
    writeConfig("\r\nAnna\r\n" + birth.toLatin1() + "\r\n0\r\n");
    windows->main().loadAtStart();
    windows->main().openProjection();
  }
  void showMe(const QString &firstDay) {
    windows->content().projectionDateField->setText(firstDay);
    windows->content().showMe();
    windows->content().drawPreparedChart();
  }
  QImage shot() const { return windows->content().grab().toImage(); }
  // The lowest row of a colour in one column of the chart area.
  static int lowestRow(const QImage &image, int x, const QColor &color) {
    for (int y = 305; y >= 45; --y)
      if (image.pixelColor(x, y) == color)
        return y;
    return -1;
  }
  bool surfaceHasCurves() const {
    const QImage &s = windows->content().surface();
    for (int y = 45; y < 306; ++y)
      for (int x = 25; x < 615; ++x) {
        const QColor c = s.pixelColor(x, y);
        if (c == kRed || c == kYellow || c == kLime)
          return true;
      }
    return false;
  }
  static QPoint centred(QSize size) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return {screen.x() + (screen.width() - size.width()) / 2,
            screen.y() + (screen.height() - size.height()) / 2};
  }
};

TEST_F(ChartMode, ShowMeEntersChartModeAndTheTimerDrawsTheChart) {
  load();
  windows->content().projectionDateField->setText("01/06/2001");
  windows->content().showMe();
  EXPECT_TRUE(windows->content().isVisible());
  EXPECT_EQ(windows->content().size(), QSize(634, 440));
  EXPECT_EQ(windows->content().pos(), centred({634, 440}));
  EXPECT_EQ(windows->content().visiblePanel(), nullptr);
  for (TextLabel *label : {windows->content().chartHeadlineLabel, windows->content().weekDaysLabel,
                           windows->content().scale20Label, windows->content().scale10Label})
    EXPECT_TRUE(label->isVisibleTo(&windows->content())) << label->objectName().toStdString();
  EXPECT_TRUE(windows->content().chartButtonRow->isVisibleTo(&windows->content()));
  EXPECT_EQ(windows->content().chartButtonRow->geometry(), QRect(15, 390, 601, 34));
  EXPECT_TRUE(windows->content().chartDrawTimer->isActive());
  EXPECT_EQ(windows->content().chartDrawTimer->interval(), 500);
  EXPECT_EQ(windows->session().dayCount(), 7); // the first day's, until the chart is drawn
  EXPECT_EQ(windows->content().chartHeadlineLabel->text(),
            "Hello, here is your power for this month...");

  windows->content().drawPreparedChart();
  EXPECT_FALSE(windows->content().chartDrawTimer->isActive());
  EXPECT_EQ(windows->content().chartHeadlineLabel->text(),
            "Anna (25/05/2001) here is your power from 01/06/2001 to 30/06/2001");
  EXPECT_TRUE(windows->content().weekDaysLabel->text().startsWith("  Fr Sa Su"));
  EXPECT_TRUE(windows->content().upperDatesLabel->text().startsWith("     01/06/01 03/06/01"));
  EXPECT_EQ(windows->content().bestEmotionalDaysLabel->text(), "Best : 01/06/2001 29/06/2001");
  EXPECT_EQ(windows->content().worstPhysicalDaysLabel->text(), "Worst : 11/06/2001");
  EXPECT_EQ(windows->content().currentChartDay, "30/06/2001");
  EXPECT_EQ(windows->content().shownChartStart, "01/06/2001");
  EXPECT_EQ(windows->session().dayCount(), 36);
  EXPECT_EQ(windows->session().levels().emotional, core::levelsFor(36).emotional);
}

// The centres of the runs of ink (pixels nearer to `ink` than to the row's
// background, since text is smoothed) along a row, gaps under three pixels
// closing a run.
QList<double> inkCentres(const QImage &row, const QColor &ink) {
  const int inkGrey = qGray(ink.rgb()), backGrey = qGray(row.pixel(0, 0));
  QList<int> inked;
  for (int x = 0; x < row.width(); ++x)
    for (int y = 0; y < row.height(); ++y)
      if (std::abs(qGray(row.pixel(x, y)) - inkGrey) <
          std::abs(qGray(row.pixel(x, y)) - backGrey)) {
        inked << x;
        break;
      }
  QList<double> centres;
  for (qsizetype i = 0, first = 0; i < inked.size(); ++i)
    if (i + 1 == inked.size() || inked[i + 1] - inked[i] > 3) {
      centres << (inked[first] + inked[i]) / 2.0;
      first = i + 1;
    }
  return centres;
}

TEST_F(ChartMode, EachDateIsCentredOnItsOwnColumn) {
  load();
  showMe("01/06/2001");
  for (auto [row, ink, firstColumn] :
       {std::tuple{windows->content().upperDatesLabel, kBlack, 30},
        std::tuple{windows->content().lowerDatesLabel, kWhite, 50}}) {
    const QList<double> centres = inkCentres(row->grab().toImage(), ink);
    ASSERT_EQ(centres.size(), 15) << row->objectName().toStdString();
    for (int k = 0; k < 15; ++k)
      EXPECT_NEAR(row->x() + centres[k], firstColumn + 40 * k, 2.0) << "date " << k;
  }
}

TEST_F(ChartMode, GridAndCurvesOnTheSurface) {
  // Day count 46 on the first day: the intellectual curve passes level 3 on
  // day 10 and level 1 on day 11, far from the other two.
  load(birthDateDaysBefore(46, {2001, 6, 1}));
  showMe("01/06/2001");
  const QImage image = shot();
  const struct {
    int x, y;
    QColor color;
  } probes[] = {
      {40, 75, kBlack},    // a horizontal line
      {30, 60, kBlack},    // the first vertical
      {50, 60, kWhite},    // the second, white
      {50, 75, kWhite},    // verticals are drawn over the horizontals
      {70, 60, kBlack},    // black again
      {610, 60, kWhite},   // the last vertical is white
      {610, 299, kWhite},  // its last painted pixel
      {609, 300, kBlack},  // the last painted pixel of the bottom line
      {610, 300, kSilver}, // the end point of both, unpainted
      {611, 75, kSilver},  // nothing right of the grid
      {230, 292, kYellow}, // level 3
      {250, 298, kYellow}, // level 1
  };
  for (const auto &p : probes)
    EXPECT_EQ(image.pixelColor(p.x, p.y), p.color) << p.x << ", " << p.y;
  // A five-pixel pen reaches two rows below its centre: 2.5 × 3 rounds up to
  // 8 and 2.5 × 1 down to 2.
  EXPECT_EQ(lowestRow(image, 230, kYellow), 292 + 2);
  EXPECT_EQ(lowestRow(image, 250, kYellow), 298 + 2);
}

TEST_F(ChartMode, WhereTheCurvesMeetThePhysicalOneIsOnTop) {
  load("01/06/2001"); // day count 0: all three at 50 on the first day
  showMe("01/06/2001");
  EXPECT_EQ(shot().pixelColor(30, 175), kLime);
}

TEST_F(ChartMode, MonthStepsRefreshAndTheirLimits) {
  load();
  showMe("01/06/2001");
  windows->content().showNextMonth();
  EXPECT_TRUE(
      windows->content().chartHeadlineLabel->text().endsWith("from 01/07/2001 to 30/07/2001"));
  EXPECT_TRUE(windows->content().upperDatesLabel->text().startsWith("     01/07/01"));
  windows->content().showPriorMonth();
  windows->content().showPriorMonth();
  EXPECT_TRUE(
      windows->content().chartHeadlineLabel->text().endsWith("from 02/05/2001 to 31/05/2001"));
  EXPECT_EQ(windows->content().shownChartStart, "02/05/2001");

  // Refresh draws the same chart again over an erased surface.
  const QImage before = windows->content().surface().copy();
  windows->content().eraseChart();
  ASSERT_FALSE(surfaceHasCurves());
  windows->content().redrawChart();
  EXPECT_EQ(windows->content().surface(), before);
  EXPECT_TRUE(
      windows->content().chartHeadlineLabel->text().endsWith("from 02/05/2001 to 31/05/2001"));

  // A period past the calendar's end is refused and nothing changes.
  showMe("01/11/9999");
  windows->content().showNextMonth();
  EXPECT_TRUE(
      windows->content().chartHeadlineLabel->text().endsWith("from 01/12/9999 to 30/12/9999"));
  const QImage last = windows->content().surface().copy();
  const QString headline = windows->content().chartHeadlineLabel->text(),
                rows = windows->content().upperDatesLabel->text();
  const int32_t dayCount = windows->session().dayCount();
  EXPECT_THROW(windows->content().showNextMonth(), core::EDateError);
  EXPECT_EQ(windows->content().chartHeadlineLabel->text(), headline);
  EXPECT_EQ(windows->content().upperDatesLabel->text(), rows);
  EXPECT_EQ(windows->content().surface(), last);
  EXPECT_EQ(windows->content().currentChartDay, "30/12/9999");
  EXPECT_EQ(windows->session().dayCount(), dayCount);

  showMe("15/01/0001");
  EXPECT_THROW(windows->content().showPriorMonth(), core::EDateError);
  EXPECT_TRUE(
      windows->content().chartHeadlineLabel->text().endsWith("from 15/01/0001 to 13/02/0001"));
}

TEST_F(ChartMode, ShowMeWithADateThatFailsLeavesTheWindowHidden) {
  load();
  const struct {
    const char *firstDay;
    bool conversion;
  } cases[] = {{"31/02/2001", true}, {"  /  /2001", true}, {"20/12/9999", false}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.firstDay);
    windows->main().openProjection();
    windows->content().projectionDateField->setText(c.firstDay);
    try {
      windows->content().showMe();
      ADD_FAILURE() << "no error";
    } catch (const core::EConvertError &error) {
      EXPECT_TRUE(c.conversion);
      EXPECT_EQ(error.what(), "'" + std::string(c.firstDay) + "' is not a valid date");
    } catch (const core::EDateError &) {
      EXPECT_FALSE(c.conversion);
    }
    EXPECT_FALSE(windows->content().isVisible());
    EXPECT_FALSE(windows->content().chartDrawTimer->isActive());
  }
}

TEST_F(ChartMode, FirstMonthHasNoMonthButtonsUntilClose) {
  load();
  windows->content().showFirstMonth();
  EXPECT_EQ(windows->content().weekDaysLabel->text(), "Here is your first month of life...");
  EXPECT_FALSE(windows->content().priorMonthButton->isVisibleTo(&windows->content()));
  EXPECT_FALSE(windows->content().nextMonthButton->isVisibleTo(&windows->content()));
  EXPECT_TRUE(windows->content().chartDrawTimer->isActive());
  windows->content().drawPreparedChart();
  EXPECT_TRUE(
      windows->content().chartHeadlineLabel->text().endsWith("from 25/05/2001 to 23/06/2001"));
  EXPECT_TRUE(windows->content().weekDaysLabel->text().startsWith("  Fr Sa"));

  windows->content().move(3, 4);
  windows->content().backToProjection();
  EXPECT_TRUE(windows->content().isVisible());
  EXPECT_EQ(windows->content().size(), QSize(385, 248));
  EXPECT_EQ(windows->content().bottomRightCloseCorner->pos(), QPoint(365, 228));
  EXPECT_EQ(windows->content().pos(), centred({385, 248}));
  EXPECT_EQ(windows->content().visiblePanel(), windows->content().projectionPanel);
  // Back with the button row at the next chart (the row itself is hidden in panel mode).
  EXPECT_FALSE(windows->content().priorMonthButton->isHidden());
  EXPECT_FALSE(windows->content().nextMonthButton->isHidden());
  for (TextLabel *label : {windows->content().chartHeadlineLabel, windows->content().weekDaysLabel,
                           windows->content().scale20Label, windows->content().scale10Label})
    EXPECT_FALSE(label->isVisibleTo(&windows->content())) << label->objectName().toStdString();
  EXPECT_FALSE(surfaceHasCurves());
  // Today's levels are back: 25/05/2001 to 12/05/2024.
  EXPECT_EQ(windows->session().dayCount(), 8388);
  EXPECT_EQ(windows->session().levels().physical, core::levelsFor(8388).physical);
}

TEST_F(ChartMode, FirstMonthWithAnUnreadableBirthDateDrawsTheGridOnly) {
  load();
  windows->content().birthDateField->setText("  /  /2001");
  windows->content().showFirstMonth();
  EXPECT_TRUE(windows->content().isVisible());
  EXPECT_THROW(windows->content().drawPreparedChart(), core::EConvertError);
  EXPECT_EQ(windows->content().weekDaysLabel->text(), "Here is your first month of life...");
  EXPECT_EQ(windows->content().bestEmotionalDaysLabel->text(), "Best :");
  EXPECT_EQ(windows->content().surface().pixelColor(30, 60), kBlack);
  EXPECT_FALSE(surfaceHasCurves());
}

TEST_F(ChartMode, PrintingGivesOnePageOfTheWindowOnWhiteAtItsSizeOnScreen) {
  load();
  windows->content().showFirstMonth(); // the first month: no month buttons until printed
  windows->content().drawPreparedChart();
  const QString headline = windows->content().chartHeadlineLabel->text();
  const QImage onScreen = shot();
  windows->content().printChart();

  ASSERT_EQ(env->printer.pages.size(), 1);
  EXPECT_EQ(env->printer.documentNames, QStringList{QString()});
  const QImage page = env->printer.pages.first();
  const auto at = [&page](int x, int y) { return page.pixelColor(2 * x + 1, 2 * y + 1); };
  EXPECT_EQ(at(45, 62), kWhite);           // between the grid lines
  EXPECT_EQ(at(40, 75), kBlack);           // a grid line
  EXPECT_EQ(at(616, 312), kWhite);         // the upper date row after its text
  EXPECT_EQ(at(15 + 3 + 54, 400), kWhite); // no button row
  EXPECT_NE(at(5, 200), kWhite);           // the left frame strip
  EXPECT_NE(at(629, 200), kWhite);         // the right one, 634 × 2 dots wide in all
  EXPECT_EQ(page.pixelColor(2 * 634 + 2, 400), kWhite);
  EXPECT_EQ(page.pixelColor(400, 2 * 440 + 2), kWhite);

  // Back in silver with all five buttons and the same chart.
  EXPECT_EQ(windows->content().color(), kSilver);
  for (GlyphButton *b : {windows->content().priorMonthButton, windows->content().printButton,
                         windows->content().refreshButton, windows->content().closeChartButton,
                         windows->content().nextMonthButton})
    EXPECT_TRUE(b->isVisibleTo(&windows->content())) << b->objectName().toStdString();
  EXPECT_EQ(windows->content().chartHeadlineLabel->text(), headline);
  const QImage after = shot();
  EXPECT_EQ(after.pixelColor(45, 62), kSilver);
  EXPECT_EQ(after.pixelColor(616, 312), kSilver);
  const QRect priorMonth(15 + 3, 390 + 1, 108, 29); // the button is back
  EXPECT_NE(after.copy(priorMonth), onScreen.copy(priorMonth));
  EXPECT_TRUE(surfaceHasCurves());
}

TEST_F(ChartMode, AFailedPrintRestoresTheWindowAsAfterAPrint) {
  load();
  showMe("01/06/2001");
  const QImage before = shot();
  env->printer.available = false;
  try {
    windows->content().printChart();
    FAIL() << "no error";
  } catch (const platform::EPrinter &error) {
    EXPECT_STREQ(error.what(), "There is no default printer currently selected");
  }
  EXPECT_EQ(windows->content().color(), kSilver);
  EXPECT_TRUE(windows->content().chartButtonRow->isVisibleTo(&windows->content()));
  EXPECT_EQ(shot(), before);
}

// Return in the projection field is "Show me"; in chart mode the arrows and Page Up/Down step
// the months, also when a button of the row has the focus, Return presses that button, and
// Escape is Close. The first month has no steps.
TEST_F(ChartMode, KeysShowStepAndCloseTheChart) {
  load();
  ContentWindow &c = windows->content();
  c.projectionDateField->setText("01/06/2001");
  QTest::keyClick(c.projectionDateField, Qt::Key_Return);
  ASSERT_EQ(c.visiblePanel(), nullptr);
  c.drawPreparedChart();
  EXPECT_EQ(c.shownChartStart, "01/06/2001");
  const std::tuple<QWidget *, Qt::Key, const char *> steps[] = {
      {&c, Qt::Key_Right, "01/07/2001"},
      {&c, Qt::Key_PageUp, "01/06/2001"},
      {c.printButton, Qt::Key_Left, "02/05/2001"},
      {c.refreshButton, Qt::Key_PageDown, "01/06/2001"}};
  for (const auto &[target, key, start] : steps) {
    target->setFocus();
    QTest::keyClick(target, key);
    EXPECT_EQ(c.shownChartStart, start) << QTest::toString(key);
  }
  EXPECT_EQ(c.visiblePanel(), nullptr) << "a key on a focused button stepped the month only";

  QTest::keyClick(c.printButton, Qt::Key_Escape);
  EXPECT_EQ(c.visiblePanel(), c.projectionPanel);
  EXPECT_TRUE(c.isVisible());
  EXPECT_EQ(c.focusWidget(), c.projectionDateField);
  QTest::keyClick(c.projectionDateField, Qt::Key_Escape);
  EXPECT_FALSE(c.isVisible()) << "Escape on a panel hides the window";

  c.showFirstMonth();
  c.drawPreparedChart();
  const QString firstMonth = c.shownChartStart;
  QTest::keyClick(&c, Qt::Key_Right);
  EXPECT_EQ(c.shownChartStart, firstMonth);
  c.closeChartButton->setFocus();
  QTest::keyClick(c.closeChartButton, Qt::Key_Return);
  EXPECT_EQ(c.visiblePanel(), c.projectionPanel);
}

} // namespace
