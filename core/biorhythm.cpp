#include "core/biorhythm.h"

#include <algorithm>
#include <cmath>

namespace core {

int32_t DayCount = 0;
int8_t EmotionalLevel = 0;
int8_t IntellectualLevel = 0;
int8_t PhysicalLevel = 0;

namespace {

// Each constant is rounded once to the extended format (long double is the
// 80-bit format with a 64-bit mantissa on x86-64).
constexpr long double kPi = 3.14159265358979323846264338327950288L;
constexpr long double kEmotionalFactor = 1.0L / 14.0L;
constexpr long double kIntellectualFactor = 2.0L / 33.0L;
constexpr long double kPhysicalFactor = 2.0L / 23.0L;
constexpr long double kTenth = 0.1L;

long double factorOf(Cycle cycle) {
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

void resetBiorhythmState() {
  DayCount = 0;
  EmotionalLevel = 0;
  IntellectualLevel = 0;
  PhysicalLevel = 0;
}

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
  long double a = static_cast<long double>(dayCount) * kPi;
  a = a * factorOf(cycle);
  const long double s = std::sin(a);
  const long double x = (s * 100.0L + 100.0L) * 0.5L;
  return static_cast<int8_t>(std::rint(x));
}

Levels levelsFor(int32_t dayCount) {
  Levels l;
  l.emotional = cycleLevel(Cycle::Emotional, dayCount);
  l.intellectual = cycleLevel(Cycle::Intellectual, dayCount);
  l.physical = cycleLevel(Cycle::Physical, dayCount);
  return l;
}

void ComputeLevels() {
  const Levels l = levelsFor(DayCount);
  EmotionalLevel = l.emotional;
  IntellectualLevel = l.intellectual;
  PhysicalLevel = l.physical;
}

int LevelIconIndex(int level) {
  const long double y = static_cast<long double>(std::clamp(level, 0, 100)) * kTenth;
  return static_cast<int>(std::rint(y));
}

Band bandOf(int level) {
  const int index = LevelIconIndex(level);
  if (index <= 2)
    return Band::Low;
  if (index >= 8)
    return Band::High;
  return Band::Middle;
}

int32_t computeDayCount(const Date &birth, const Date &reference) {
  return daysBetween(birth, reference);
}

void computeLevelsFromBirthText(std::string_view birthText, const RegionalDateFormat &format,
                                const Date &reference) {
  const Date birth = parseDate(birthText, format, reference);
  DayCount = computeDayCount(birth, reference);
  ComputeLevels();
}

} // namespace core
