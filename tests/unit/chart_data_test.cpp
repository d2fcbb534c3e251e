#include "core/chart_data.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "date_printing.h"

using core::ChartInput;

namespace {

const core::Date kToday{2026, 12, 7};
const core::RegionalDateFormat kDmy;

ChartInput input(std::string_view firstDay, std::string_view birth = "25/05/2001",
                 std::string_view name = "Anna") {
  return ChartInput{firstDay, birth, name, kDmy, kToday};
}

} // namespace

// Birth 25/05/2001 puts the first day of June at day count 7, so every cycle's
// extremes fall on days that follow from the sine alone: emotional 100 at day
// counts 7 and 35, 0 at 21; intellectual 99 at 7, 100 at 8, 0 at 25; physical
// 0 at 17, 100 at 29.
TEST(ChartData, TextsOfOneChart) {
  struct Case {
    const char *firstDay, *birth;
    const char *headline, *upperStart, *lowerEnd, *weekStart, *weekEnd;
    const char *lists[6]; // best and worst, emotional, intellectual, physical
  } cases[] = {
      {"01/06/2001",
       "25/05/2001",
       "Anna (25/05/2001) here is your power from 01/06/2001 to 30/06/2001",
       "     01/06/01 03/06/01",
       "28/06/01 30/06/01",
       "  Fr Sa Su",
       "We Th Fr Sa",
       {"Best : 01/06/2001 29/06/2001", "Worst : 15/06/2001", "Best : 02/06/2001",
        "Worst : 19/06/2001", "Best : 23/06/2001", "Worst : 11/06/2001"}},
      // Starts on a Sunday; the first day keeps its typed form in the lists.
      {" 3/ 6/2001",
       "27/05/2001",
       "Anna (27/05/2001) here is your power from  3/ 6/2001 to 02/07/2001",
       "     03/06/01 05/06/01",
       "30/06/01 02/07/01",
       "  Su Mo Tu",
       "Fr Sa Su Mo",
       {"Best :  3/ 6/2001 01/07/2001", "Worst : 17/06/2001", "Best : 04/06/2001",
        "Worst : 21/06/2001", "Best : 25/06/2001", "Worst : 13/06/2001"}},
      // Across a year end and a leap day's absence.
      {"15/12/2001",
       "08/12/2001",
       "Anna (08/12/2001) here is your power from 15/12/2001 to 13/01/2002",
       "     15/12/01 17/12/01",
       "11/01/02 13/01/02",
       "  Sa Su Mo",
       "Th Fr Sa Su",
       {"Best : 15/12/2001 12/01/2002", "Worst : 29/12/2001", "Best : 16/12/2001",
        "Worst : 02/01/2002", "Best : 06/01/2002", "Worst : 25/12/2001"}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.firstDay);
    const core::ChartData chart = core::computeChart(input(c.firstDay, c.birth));
    EXPECT_EQ(chart.headline, c.headline);
    EXPECT_EQ(chart.upperDates.substr(0, 22), c.upperStart);
    EXPECT_EQ(chart.weekDays.substr(0, 10), c.weekStart);
    EXPECT_TRUE(chart.lowerDates.starts_with("            ")) << chart.lowerDates;
    EXPECT_TRUE(chart.lowerDates.ends_with(c.lowerEnd)) << chart.lowerDates;
    EXPECT_TRUE(chart.weekDays.ends_with(c.weekEnd)) << chart.weekDays;
    // 15 dates per row, 30 names, one blank between, none after the last.
    EXPECT_EQ(chart.upperDates.size(), 5u + 15 * 9);
    EXPECT_EQ(chart.lowerDates.size(), 12u + 15 * 9 - 1);
    EXPECT_EQ(chart.weekDays.size(), 2u + 30 * 3 - 1);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(chart.curves[i].best, c.lists[static_cast<size_t>(2 * i)]) << "cycle " << i;
      EXPECT_EQ(chart.curves[i].worst, c.lists[2 * i + 1]) << "cycle " << i;
    }
    EXPECT_EQ(chart.chartStart, c.firstDay);
    EXPECT_EQ(chart.dayCount, 36);
    EXPECT_EQ(chart.levels, core::levelsFor(36));
  }
}

TEST(ChartData, SegmentsJoinTheDaysInWindowPixels) {
  const core::ChartData chart = core::computeChart(input("01/06/2001"));
  const auto &emotional = chart.curves[0].segments;
  // Level 100 (y 50) to 99 (2.5 × 99 = 247.5 rounds to the even 248: y 52).
  EXPECT_EQ(emotional[0], (core::ChartSegment{30, 50, 50, 52}));
  EXPECT_EQ(emotional[28].x2, 610);
  for (const auto &curve : chart.curves)
    for (int d = 1; d < core::kChartSegments; ++d) {
      EXPECT_EQ(curve.segments[d].x1, curve.segments[d - 1].x2);
      EXPECT_EQ(curve.segments[d].y1, curve.segments[d - 1].y2);
    }
  EXPECT_EQ(core::chartLevelY(1), 298);
  EXPECT_EQ(core::chartLevelY(3), 292);
  EXPECT_EQ(core::chartLevelY(0), 300);
  EXPECT_EQ(core::chartLevelY(100), 50);
}

TEST(ChartData, TextsThatDoNotConvertAndPeriodsOutsideTheCalendar) {
  struct Case {
    const char *firstDay, *birth;
    bool conversion; // else the date error
  } cases[] = {
      {"01/06/2001", "  /  /1970", true},
      {"31/06/2001", "12/05/1970", true},
      {"01/06/2001", "", true},
      {"03/12/9999", "12/05/1970", false},
      {"31/12/9999", "12/05/1970", false},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.firstDay);
    if (c.conversion)
      EXPECT_THROW(core::computeChart(input(c.firstDay, c.birth)), core::EConvertError);
    else
      EXPECT_THROW(core::computeChart(input(c.firstDay, c.birth)), core::EDateError);
  }
  EXPECT_EQ(core::computeChart(input("02/12/9999")).chartDay, "31/12/9999");
  try {
    core::computeChart(input("01/06/2001", "  /  /1970"));
  } catch (const core::EConvertError &e) {
    EXPECT_STREQ(e.what(), "'  /  /1970' is not a valid date");
  }
  EXPECT_EQ(core::priorFirstDay("01/03/0001", kDmy, kToday), "01/01/0001");
  EXPECT_THROW(core::priorFirstDay("28/02/0001", kDmy, kToday), core::EDateError);
  EXPECT_THROW(core::nextFirstDay("31/12/9999", kDmy, kToday), core::EDateError);
  EXPECT_THROW(core::nextFirstDay("01/06/2001 x", kDmy, kToday), core::EConvertError);
}

TEST(ChartData, MonthStepsAreThirtyDays) {
  const auto chartDayAfter = [](const std::string &firstDay) {
    return core::computeChart(input(firstDay)).chartDay;
  };
  const std::string last = chartDayAfter("01/06/2001");
  EXPECT_EQ(last, "30/06/2001");
  const std::string next = core::nextFirstDay(last, kDmy, kToday);
  EXPECT_EQ(next, "01/07/2001");
  EXPECT_EQ(chartDayAfter(next), "30/07/2001");
  EXPECT_EQ(core::nextFirstDay(chartDayAfter(next), kDmy, kToday), "31/07/2001");
  EXPECT_EQ(core::priorFirstDay(last, kDmy, kToday), "02/05/2001");

  // Ten steps forward and ten back return to the same first day.
  std::string firstDay = "01/06/2001";
  for (int i = 0; i < 10; ++i)
    firstDay = core::nextFirstDay(chartDayAfter(firstDay), kDmy, kToday);
  EXPECT_EQ(firstDay, "28/03/2002");
  for (int i = 0; i < 10; ++i)
    firstDay = core::priorFirstDay(chartDayAfter(firstDay), kDmy, kToday);
  EXPECT_EQ(firstDay, "01/06/2001");
}

TEST(ChartData, RegionalSeparatorInEveryWrittenDate) {
  const core::RegionalDateFormat dots{core::DateOrder::DMY, '.', "dd.mm.yyyy"};
  const core::ChartData chart =
      core::computeChart(ChartInput{"01.06.2001", "25.05.2001", "Anna", dots, kToday});
  EXPECT_TRUE(chart.headline.ends_with("from 01.06.2001 to 30.06.2001"));
  EXPECT_TRUE(chart.upperDates.starts_with("     01.06.01 03.06.01"));
  EXPECT_EQ(chart.curves[0].best, "Best : 01.06.2001 29.06.2001");
  EXPECT_EQ(chart.chartDay, "30.06.2001");
}

// Every date the chart writes and later reads back, and every date it shows, follows the
// regional order, so that month-first and year-first regions step the same days.
TEST(ChartData, MonthStepsInEveryRegionalOrder) {
  const struct {
    core::RegionalDateFormat format;
    const char *firstDay, *birth, *lastDay, *nextFirst, *priorFirst, *upperStart;
  } cases[] = {
      {{core::DateOrder::MDY, '/', "MM/dd/yyyy"},
       "06/01/2001",
       "05/25/2001",
       "06/30/2001",
       "07/01/2001",
       "05/02/2001",
       "     06/01/01"},
      {{core::DateOrder::YMD, '-', "yyyy-MM-dd"},
       "2001-06-01",
       "2001-05-25",
       "2001-06-30",
       "2001-07-01",
       "2001-05-02",
       "     01-06-01"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.firstDay);
    const core::ChartData chart =
        core::computeChart(ChartInput{c.firstDay, c.birth, "Anna", c.format, kToday});
    EXPECT_EQ(chart.chartDay, c.lastDay);
    EXPECT_TRUE(chart.headline.ends_with(std::string(" to ") + c.lastDay)) << chart.headline;
    EXPECT_TRUE(chart.upperDates.starts_with(c.upperStart)) << chart.upperDates;
    EXPECT_EQ(chart.curves[0].best.substr(0, 7), "Best : ");
    EXPECT_EQ(core::nextFirstDay(chart.chartDay, c.format, kToday), c.nextFirst);
    EXPECT_EQ(core::priorFirstDay(chart.chartDay, c.format, kToday), c.priorFirst);
    // Day count 7 on the first day: emotional at its top, as under day-first.
    EXPECT_EQ(core::computeChart(ChartInput{c.nextFirst, c.birth, "", c.format, kToday}).firstDay,
              (core::Date{2001, 7, 1}));
  }
}

TEST(ChartData, NextMonthKeepsTheCenturyOfATwoDigitYear) {
  // Two-digit years read as 1976..2075 in 2026.
  const core::RegionalDateFormat yy{core::DateOrder::DMY, '.', "dd.mm.yy", 50};
  EXPECT_EQ(core::nextFirstDay("30.06.2001", yy, kToday), "01.07.01");
  EXPECT_EQ(core::nextFirstDay("30.06.1960", yy, kToday), "01.07.1960");
  EXPECT_EQ(core::computeChart({"01.07.1960", "25.05.1960", "", yy, kToday}).chartDay,
            "30.07.1960");
}

TEST(ChartData, ChartDayLevelsRaiseOnAFailedConversion) {
  EXPECT_THROW(core::computeChartDayLevels("01/06/2001", "1970", kDmy, kToday),
               core::EConvertError);
  EXPECT_THROW(core::computeChartDayLevels("x", "25/05/2001", kDmy, kToday), core::EConvertError);
  const core::DayLevels got = core::computeChartDayLevels("01/06/2001", "25/05/2001", kDmy, kToday);
  EXPECT_EQ(got.dayCount, 7);
  EXPECT_EQ(got.levels.emotional, 100);
}
