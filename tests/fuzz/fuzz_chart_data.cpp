// The chart from arbitrary first-day and birth-date texts: thirty days of 29
// segments each, every point inside the chart area, consecutive segments
// joined, the last day 29 days after the first; or the conversion or date
// error with the shared values untouched.
#include "core/biorhythm.h"
#include "core/chart_data.h"
#include "core/errors.h"
#include "fuzz_check.h"

#include <array>
#include <cstdint>
#include <string>

namespace {

const std::array<core::RegionalDateFormat, 3> kFormats{{
    {core::DateOrder::DMY, '/', "dd/mm/yyyy", 50},
    {core::DateOrder::DMY, '.', "dd.MM.yy", 50},
    {core::DateOrder::MDY, '/', "M/d/yy", 50},
}};

bool inArea(int x, int y) {
  return x >= core::kChartLeft && x <= core::kChartRight && y >= core::kChartTop &&
         y <= core::kChartBottom;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < 2)
    return 0;
  const core::RegionalDateFormat &format = kFormats[data[0] % kFormats.size()];
  // The rest: first-day text, a NUL, birth-date text.
  const std::string rest(reinterpret_cast<const char *>(data + 1), size - 1);
  const size_t split = rest.find('\0');
  const std::string firstDay = rest.substr(0, split);
  const std::string birth = split == std::string::npos ? "12/05/1970" : rest.substr(split + 1);

  const core::Date today{2024, 5, 12};
  core::ChartData chart;
  try {
    chart = core::computeChart({firstDay, birth, "Fuzz", format, today});
  } catch (const core::EConvertError &) {
  } catch (const core::EDateError &) {
  }
  if (chart.headline.empty())
    return 0;
  FUZZ_CHECK(chart.levels == core::levelsFor(chart.dayCount));

  FUZZ_CHECK(core::daysBetween(chart.firstDay, chart.lastDay) == core::kChartDays - 1);
  for (const core::ChartCurve &curve : chart.curves) {
    for (size_t i = 0; i < curve.segments.size(); ++i) {
      const core::ChartSegment &s = curve.segments[i];
      FUZZ_CHECK(inArea(s.x1, s.y1) && inArea(s.x2, s.y2));
      FUZZ_CHECK(s.x2 - s.x1 == core::kChartDayWidth);
      if (i > 0)
        FUZZ_CHECK(s.x1 == curve.segments[i - 1].x2 && s.y1 == curve.segments[i - 1].y2);
    }
  }
  FUZZ_CHECK(chart.chartDay.size() <= core::kChartDayLength);
  return 0;
}
