#pragma once
// The biorhythm model: the day count from a birth date, the level 0..100 of
// each cycle, the icon step of a level and its band.
#include <cstdint>
#include <string_view>

#include "core/date.h"
#include "core/date_text.h"

namespace core {

enum class Cycle { Emotional, Intellectual, Physical };

// 28, 33 and 23 days.
int cyclePeriod(Cycle cycle);

struct Levels {
  int8_t emotional = 0;
  int8_t intellectual = 0;
  int8_t physical = 0;
  bool operator==(const Levels &) const = default;
};

// round(50 + 50 sin(2π dayCount / period)) for one cycle, computed in double
// in a fixed order of operations, an exact half going to the even neighbour.
// For every day count of the calendar this is the level the same computation
// gives in extended precision.
int8_t cycleLevel(Cycle cycle, int32_t dayCount);

// The three levels for a day count, in the order emotional, intellectual, physical.
Levels levelsFor(int32_t dayCount);

// A day count and its three levels.
struct DayLevels {
  int32_t dayCount = 0;
  Levels levels;
};

// The icon step 0..10 of a level: level × 0.1 rounded half to even (so 5 → 0,
// 15 → 2, 25 → 2, 75 → 8, 95 → 10). Levels outside 0..100 count as the
// nearest end.
int levelIconIndex(int level);

enum class Band { Low, Middle, High };

// Low for icon steps 0..2 (levels 0..25), high for 8..10 (75..100), middle otherwise.
Band bandOf(int level);
// A critical day for a cycle: its level lies in the low or the high band.
inline bool isCritical(int level) {
  return bandOf(level) != Band::Middle;
}

// Whole days from the birth date to the reference date; negative when the birth
// date lies after it.
int32_t computeDayCount(const Date &birth, const Date &reference);

// Converts the birth-date text by the regional settings, then gives the days
// from it to `reference` and their levels. A text that does not convert raises
// EConvertError.
DayLevels computeLevelsFromBirthText(std::string_view birthText, const RegionalDateFormat &format,
                                     const Date &reference);

} // namespace core
