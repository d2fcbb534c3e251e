#include "core/biorhythm.h"

#include <algorithm>
#include <cmath>

namespace core {

namespace {

// Plain double: for every day count of the calendar it gives the level of
// the same computation in extended precision (no value before rounding comes
// near a half), at a tenth of the cost.
constexpr double kPi = 3.14159265358979323846;
constexpr double kEmotionalFactor = 1.0 / 14.0;
constexpr double kIntellectualFactor = 2.0 / 33.0;
constexpr double kPhysicalFactor = 2.0 / 23.0;
constexpr double kTenth = 0.1;

double factorOf(Cycle cycle) {
  switch (cycle) {
  case Cycle::Emotional:
    return kEmotionalFactor;
  case Cycle::Intellectual:
    return kIntellectualFactor;
  case Cycle::Physical:
    break;
  }
  return kPhysicalFactor;
}

} // namespace

int cyclePeriod(Cycle cycle) {
  switch (cycle) {
  case Cycle::Emotional:
    return 28;
  case Cycle::Intellectual:
    return 33;
  case Cycle::Physical:
    break;
  }
  return 23;
}

int8_t cycleLevel(Cycle cycle, int32_t dayCount) {
  // The order is part of the result: the day count times π first, then the
  // factor; then 100 is added before halving. rint rounds by the current
  // mode, which is round-to-nearest-even.
  double a = static_cast<double>(dayCount) * kPi;
  a = a * factorOf(cycle);
  const double s = std::sin(a);
  const double x = (s * 100.0 + 100.0) * 0.5;
  return static_cast<int8_t>(std::rint(x));
}

Levels levelsFor(int32_t dayCount) {
  Levels l;
  l.emotional = cycleLevel(Cycle::Emotional, dayCount);
  l.intellectual = cycleLevel(Cycle::Intellectual, dayCount);
  l.physical = cycleLevel(Cycle::Physical, dayCount);
  return l;
}

int levelIconIndex(int level) {
  // Every half (5, 15, ..., 95 times a tenth) comes out exact in double.
  const double y = static_cast<double>(std::clamp(level, 0, 100)) * kTenth;
  return static_cast<int>(std::rint(y));
}

Band bandOf(int level) {
  const int index = levelIconIndex(level);
  if (index <= 2)
    return Band::Low;
  if (index >= 8)
    return Band::High;
  return Band::Middle;
}

int32_t computeDayCount(const Date &birth, const Date &reference) {
  return daysBetween(birth, reference);
}

DayLevels computeLevelsFromBirthText(std::string_view birthText, const RegionalDateFormat &format,
                                     const Date &reference) {
  const Date birth = parseDate(birthText, format, reference);
  const int32_t dayCount = computeDayCount(birth, reference);
  return {dayCount, levelsFor(dayCount)};
}

} // namespace core
