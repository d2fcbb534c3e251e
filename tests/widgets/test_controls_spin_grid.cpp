// The spin edit and the month calendar grid.
#include "controls/month_grid.h"
#include "controls/spin_field.h"
#include "core/date.h"
#include "core/errors.h"
#include "platform/fonts.h"

#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A year field as the date chooser has it, recording every change.
struct YearField {
  explicit YearField(QWidget *parent = nullptr) : spin(parent) {
    spin.setMinValue(1900);
    spin.setMaxValue(10000);
    spin.setValue(1900);
    QObject::connect(&spin, &SpinField::changed, [this] { seen.append(spin.value()); });
  }
  SpinField spin;
  QList<int> seen;
};

} // namespace

TEST(SpinEdit, ValueIsTheNumberInTheTextAndCodeIsClamped) {
  YearField f;
  struct Case {
    const char *text;
    int value;
  };
  for (const Case &c : {Case{"1985", 1985}, Case{"19", 19}, Case{"", 1900}, Case{"-", 1900},
                        Case{"20000", 20000}, Case{"0", 0}}) {
    f.spin.setText(QString::fromLatin1(c.text));
    EXPECT_EQ(f.spin.value(), c.value) << c.text;
  }

  struct Set {
    int value, shown;
  };
  for (const Set &s : {Set{20000, 10000}, Set{5, 1900}, Set{-3, 1900}, Set{2001, 2001}}) {
    f.spin.setValue(s.value);
    EXPECT_EQ(f.spin.text(), QString::number(s.shown)) << s.value;
  }

  // Setting the value it shows changes no text and raises nothing.
  f.seen.clear();
  f.spin.setValue(2001);
  f.spin.setValue(999999);
  f.spin.setValue(10000);
  EXPECT_EQ(f.seen, (QList<int>{10000}));
}

// The chooser's 49-pixel year field shows 10000 from its first digit to its last.
TEST(SpinEdit, ShowsAFiveDigitYearWhole) {
  platform::installFontSubstitutions();
  YearField f;
  f.spin.setFont(platform::font(QStringLiteral("MS Sans Serif"), -11));
  f.spin.setGeometry(0, 0, 49, 22);
  f.spin.setValue(10000);
  f.spin.grab(); // lays the text out as painted
  QLineEdit *e = f.spin.editor();
  EXPECT_EQ(e->cursorPositionAt({0, 9}), 0);
  EXPECT_EQ(e->cursorPositionAt({e->width() - 1, 9}), 5);
}

TEST(SpinEdit, TypingRaisesAChangeAtEveryKeystrokeAndIsClampedOnlyOnLeaving) {
  QWidget window;
  YearField f(&window);
  QLineEdit other(&window);
  other.move(0, 40);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  f.spin.editor()->setFocus();
  f.spin.editor()->selectAll();
  QTest::keyClicks(f.spin.editor(), "1985");
  EXPECT_EQ(f.seen, (QList<int>{1, 19, 198, 1985}));

  f.seen.clear();
  f.spin.editor()->selectAll();
  QTest::keyClicks(f.spin.editor(), "5");
  EXPECT_EQ(f.spin.text(), "5");
  other.setFocus();
  EXPECT_EQ(f.spin.text(), "1900");
  EXPECT_EQ(f.seen, (QList<int>{5, 1900}));
  // Letters are not taken; the arrow keys step.
  QTest::keyClicks(f.spin.editor(), "x");
  QTest::keyClick(f.spin.editor(), Qt::Key_Down);
  EXPECT_EQ(f.spin.text(), "1900");
  QTest::keyClick(f.spin.editor(), Qt::Key_Up);
  EXPECT_EQ(f.spin.text(), "1901");
}

namespace {

struct Grid {
  explicit Grid(core::Date date) {
    grid.resize(199, 97);
    grid.setStartOfWeek(1);
    grid.setCalendarDate(date);
    QObject::connect(&grid, &MonthGrid::changed, [this] { changes++; });
  }
  MonthGrid grid;
  int changes = 0;
};

} // namespace

TEST(Calendar, RefusesAndIgnoresAsAMonthGridDoes) {
  enum Part { year, month, day };
  struct Case {
    core::Date from;
    Part part;
    int value;
    bool error;
    core::Date to;
  };
  const core::Date jan31{2001, 1, 31};
  const Case cases[] = {
      {jan31, month, 0, false, jan31},
      {jan31, month, 13, false, jan31},
      {jan31, year, 0, false, jan31},
      {jan31, year, -5, false, jan31},
      {jan31, day, 0, false, jan31},
      {jan31, day, 32, false, jan31},
      {{2001, 2, 10}, day, 29, false, {2001, 2, 10}},
      {jan31, day, 31, false, jan31},
      {jan31, month, 1, false, jan31},
      {jan31, year, 2001, false, jan31},
      {jan31, month, 2, true, jan31},
      {{9999, 12, 31}, year, 10000, true, {9999, 12, 31}},
      {jan31, month, 3, false, {2001, 3, 31}},
      {{2000, 2, 29}, year, 2004, false, {2004, 2, 29}},
      {jan31, day, 5, false, {2001, 1, 5}},
      {jan31, year, 1, false, {1, 1, 31}},
  };
  for (const Case &c : cases) {
    Grid g(c.from);
    const auto set = [&] {
      c.part == year    ? g.grid.setYear(c.value)
      : c.part == month ? g.grid.setMonth(c.value)
                        : g.grid.setDay(c.value);
    };
    const std::string what = std::to_string(c.part) + " := " + std::to_string(c.value);
    if (c.error) {
      try {
        set();
        ADD_FAILURE() << what << " was not refused";
      } catch (const core::EDateError &e) {
        EXPECT_STREQ(e.what(), "Invalid argument to date encode");
      }
    } else {
      set();
    }
    EXPECT_EQ(g.grid.calendarDate(), c.to) << what;
    EXPECT_EQ(g.changes, c.to != c.from ? 1 : 0) << what;
  }
}

TEST(Calendar, LaysTheMonthOutFromMondayWithBlankCellsOutside) {
  // 1 December 2026 is a Tuesday; the 31st a Thursday.
  Grid g({2026, 12, 6});
  EXPECT_EQ(g.grid.cellText(0, 0), QLocale::system().dayName(1, QLocale::ShortFormat));
  EXPECT_EQ(g.grid.cellText(6, 0), QLocale::system().dayName(7, QLocale::ShortFormat));
  EXPECT_EQ(g.grid.cellText(0, 1), "");
  EXPECT_EQ(g.grid.cellText(1, 1), "1");
  EXPECT_EQ(g.grid.cellText(6, 1), "6");
  EXPECT_EQ(g.grid.selectedCell(), QPoint(6, 1));
  EXPECT_EQ(g.grid.cellText(3, 5), "31");
  EXPECT_EQ(g.grid.cellText(4, 5), "");
  EXPECT_EQ(g.grid.cellText(0, 6), "");
  // A month starting on a Monday fills the first column from the first row.
  g.grid.setMonth(6); // 1 June 2026 is a Monday
  EXPECT_EQ(g.grid.cellText(0, 1), "1");

  // The selected cell is drawn in the highlight colour, another day is not.
  const QImage image = g.grid.grab().toImage();
  const QRect sel = g.grid.cellRect(g.grid.selectedCell().x(), g.grid.selectedCell().y());
  EXPECT_EQ(QColor(image.pixel(sel.left() + 1, sel.top() + 1)),
            g.grid.palette().color(QPalette::Highlight));
  const QRect other = g.grid.cellRect(3, 3);
  EXPECT_NE(QColor(image.pixel(other.left() + 1, other.top() + 1)),
            g.grid.palette().color(QPalette::Highlight));
}

TEST(Calendar, AClickOrAnArrowKeySetsTheDayWithinTheMonth) {
  Grid g({2026, 12, 6});
  QTest::mouseClick(&g.grid, Qt::LeftButton, {}, g.grid.cellRect(2, 3).center());
  EXPECT_EQ(g.grid.day(), 16);
  QTest::mouseClick(&g.grid, Qt::LeftButton, {}, g.grid.cellRect(0, 1).center()); // blank
  QTest::mouseClick(&g.grid, Qt::LeftButton, {}, g.grid.cellRect(2, 0).center()); // header
  EXPECT_EQ(g.grid.day(), 16);
  EXPECT_EQ(g.changes, 1);

  struct Key {
    Qt::Key key;
    int day;
  };
  for (const Key &k : {Key{Qt::Key_Right, 17}, Key{Qt::Key_Down, 24}, Key{Qt::Key_Down, 31},
                       Key{Qt::Key_Down, 31}, Key{Qt::Key_Left, 30}, Key{Qt::Key_Up, 23}}) {
    QTest::keyClick(&g.grid, k.key);
    EXPECT_EQ(g.grid.day(), k.day);
  }
  g.grid.setDay(1);
  QTest::keyClick(&g.grid, Qt::Key_Left);
  EXPECT_EQ(g.grid.calendarDate(), (core::Date{2026, 12, 1}));
}
