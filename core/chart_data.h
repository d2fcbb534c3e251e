#pragma once
// The 30-day chart as data: every text of the chart labels, the best and worst
// days of each cycle, the curve segments in window pixels, and the values the
// chart leaves behind (ChartDay, ChartStart, the day count and levels of its
// last day). The window only paints what this returns.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/biorhythm.h"
#include "core/date.h"
#include "core/date_text.h"

namespace core {

// The chart area in window pixels: days 20 pixels apart from x 30, levels
// from y 300 (0 %) up to y 50 (100 %).
inline constexpr int kChartDays = 30;
inline constexpr int kChartSegments = kChartDays - 1;
inline constexpr int kChartLeft = 30;
inline constexpr int kChartRight = 610;
inline constexpr int kChartTop = 50;
inline constexpr int kChartBottom = 300;
inline constexpr int kChartDayWidth = 20;
inline constexpr int kChartGridStep = 25;
// The longest text ChartDay and ChartStart hold.
inline constexpr size_t kChartDayLength = 10;

// y = 300 − round(2.5 × level), an exact half going to the even neighbour:
// 1 → 298, 3 → 292, 100 → 50, 0 → 300.
int chartLevelY(int level);

// A text as ChartDay keeps it: its first 10 characters.
std::string chartDayText(std::string_view text);

// The two-letter name of a week day, 0 = Sunday: "Su", "Mo", ... "Sa".
std::string_view weekDayName(int weekDay);

struct ChartSegment {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const ChartSegment &) const = default;
};

// One cycle of the chart: its 29 segments, day by day, and its two lists.
struct ChartCurve {
  Cycle cycle = Cycle::Emotional;
  std::array<ChartSegment, kChartSegments> segments{};
  std::string best = "Best :";   // days at exactly 100
  std::string worst = "Worst :"; // days at exactly 0
};

struct ChartInput {
  std::string_view firstDay;  // ChartDay before drawing: the first day as given
  std::string_view birthDate; // the setup's birth-date field
  std::string_view firstName; // FirstNameCopy
  RegionalDateFormat format;
  Date today; // for texts with a two-digit or missing year
};

struct ChartData {
  std::string headline;   // the chart headline
  std::string upperDates; // days 0, 2, ... 28
  std::string lowerDates; // days 1, 3, ... 29
  std::string weekDays;   // the week-day row
  // Emotional, intellectual, physical: the order the curves are drawn in on
  // every day.
  std::array<ChartCurve, 3> curves;
  std::string chartDay;   // the last day as "dd/mm/yyyy"
  std::string chartStart; // the first day as it was given
  Date firstDay, lastDay;
  int32_t dayCount = 0; // of the last day
  Levels levels;        // of the last day
};

// The chart of 30 days from `input.firstDay`. Raises EConvertError when the
// birth date or the first day does not convert, and EDateError when the 30
// days would run past 31/12/9999; nothing has been computed for display then.
ChartData computeChart(const ChartInput &input);

// The days from the birth date to the day in `chartDay`, and their three levels.
// A text that does not convert raises EConvertError.
DayLevels computeChartDayLevels(std::string_view chartDay, std::string_view birthDate,
                                const RegionalDateFormat &format, const Date &today);

// The first day of the previous 30 days: the day in `chartDay` (the last day
// of the chart on display) − 59, written "dd/mm/yyyy". EDateError before
// 01/01/0001.
std::string priorFirstDay(std::string_view chartDay, const RegionalDateFormat &format,
                          const Date &today);
// The first day of the next 30 days: the day in `chartDay` + 1, in the short
// date format and cut to 10 characters, or as "dd/mm/yyyy" when that text
// would not read back as the same day (a two-digit year outside its window).
// EDateError past 31/12/9999.
std::string nextFirstDay(std::string_view chartDay, const RegionalDateFormat &format,
                         const Date &today);

} // namespace core
