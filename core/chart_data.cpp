#include "core/chart_data.h"

#include <cmath>

#include "core/text_encoding.h"

namespace core {
namespace {

constexpr std::string_view kWeekDays[7] = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};

// The mark rule: a day at exactly 100 joins the Best list, one at exactly 0
// the Worst list, cycle by cycle.
void mark(std::array<ChartCurve, 3> &curves, const Levels &levels, std::string_view dayText) {
  const int8_t values[3] = {levels.emotional, levels.intellectual, levels.physical};
  for (size_t i = 0; i < curves.size(); ++i) {
    if (values[i] == 100)
      (curves[i].best += ' ') += dayText;
    if (values[i] == 0)
      (curves[i].worst += ' ') += dayText;
  }
}

Levels levelsOn(const Date &birth, const Date &day) {
  return levelsFor(daysBetween(birth, day));
}

} // namespace

int chartLevelY(int level) {
  return kChartBottom - static_cast<int>(std::lrint(2.5 * level));
}

std::string chartDayText(std::string_view text) {
  return utf8Left(text, kChartDayLength);
}

std::string_view weekDayName(int weekDay) {
  return kWeekDays[((weekDay % 7) + 7) % 7];
}

ChartData computeChart(const ChartInput &input) {
  const Date birth = parseDate(input.birthDate, input.format, input.today);
  const Date first = parseDate(input.firstDay, input.format, input.today);
  // Raises the date error before anything is built when the period leaves the calendar.
  const Date last = addDays(first, kChartSegments);

  ChartData chart;
  chart.firstDay = first;
  chart.lastDay = last;
  chart.curves[0].cycle = Cycle::Emotional;
  chart.curves[1].cycle = Cycle::Intellectual;
  chart.curves[2].cycle = Cycle::Physical;
  chart.chartStart = std::string(input.firstDay);

  Levels previous = levelsOn(birth, first);
  // The first day's entries keep the form in which the day was given.
  mark(chart.curves, previous, input.firstDay);

  // The name and " (" share a text of at most 17 characters.
  chart.headline = utf8Left(std::string(input.firstName) + " (", 17);
  chart.headline += std::string(input.birthDate) + ") here is your power from " +
                    std::string(input.firstDay) + " to " +
                    formatDate(last, numericDatePattern(input.format.order), input.format);

  chart.upperDates = "     ";
  chart.lowerDates = "            ";
  chart.weekDays = "  ";
  bool upper = true;
  Date day = first;
  // The rows in the regional order, as the fields read dates: "dd/mm/yy" day first.
  std::string rowPattern = numericDatePattern(input.format.order);
  rowPattern.replace(rowPattern.find("yyyy"), 4, "yy");
  for (int d = 0; d < kChartSegments; ++d) {
    const std::string dateText = formatDate(day, rowPattern, input.format) + " ";
    (upper ? chart.upperDates : chart.lowerDates) += dateText;
    upper = !upper;
    (chart.weekDays += weekDayName(weekDay(day))) += ' ';

    day = addDays(day, 1);
    const Levels next = levelsOn(birth, day);
    // Later days are written in the short date format, as ChartDay holds them.
    mark(chart.curves, next, chartDayText(formatShortDate(day, input.format)));

    const int x = kChartLeft + kChartDayWidth * d;
    const int8_t from[3] = {previous.emotional, previous.intellectual, previous.physical};
    const int8_t to[3] = {next.emotional, next.intellectual, next.physical};
    for (size_t c = 0; c < 3; ++c)
      chart.curves[c].segments[d] =
          ChartSegment{x, chartLevelY(from[c]), x + kChartDayWidth, chartLevelY(to[c])};
    previous = next;
  }

  chart.lowerDates += formatDate(last, rowPattern, input.format);
  chart.weekDays += weekDayName(weekDay(last));
  chart.chartDay = formatDate(last, numericDatePattern(input.format.order), input.format);
  chart.dayCount = daysBetween(birth, last);
  chart.levels = previous;
  return chart;
}

DayLevels computeChartDayLevels(std::string_view chartDay, std::string_view birthDate,
                                const RegionalDateFormat &format, const Date &today) {
  const Date birth = parseDate(birthDate, format, today);
  const Date day = parseDate(chartDay, format, today);
  const int32_t dayCount = daysBetween(birth, day);
  return {dayCount, levelsFor(dayCount)};
}

std::string priorFirstDay(std::string_view chartDay, const RegionalDateFormat &format,
                          const Date &today) {
  const Date last = parseDate(chartDay, format, today);
  return formatDate(addDays(last, -(2 * kChartDays - 1)), numericDatePattern(format.order), format);
}

std::string nextFirstDay(std::string_view chartDay, const RegionalDateFormat &format,
                         const Date &today) {
  const Date next = addDays(parseDate(chartDay, format, today), 1);
  std::string text = chartDayText(formatShortDate(next, format));
  // A short format with a two-digit year would read back in another century
  // for a day outside its window: the four-digit year keeps the period.
  if (tryParseDate(text, format, today) != next)
    text = formatDate(next, numericDatePattern(format.order), format);
  return text;
}

} // namespace core
