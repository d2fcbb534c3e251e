#include "core/biorhythm.h"

#include <gtest/gtest.h>

#include "core/errors.h"

namespace core {
inline void PrintTo(const Levels &l, std::ostream *os) {
  *os << int(l.emotional) << ", " << int(l.intellectual) << ", " << int(l.physical);
}
} // namespace core

using core::Band;
using core::Levels;

namespace {} // namespace

TEST(Levels, KnownDayCounts) {
  struct Case {
    int32_t dayCount;
    Levels expected;
  } cases[] = {
      {0, {50, 50, 50}},  {1, {61, 59, 63}},    {7, {100, 99, 97}}, {21, {0, 12, 24}},
      {-1, {39, 41, 37}}, {10000, {89, 59, 1}}, {-7, {0, 1, 3}},
  };
  for (const auto &c : cases)
    EXPECT_EQ(core::levelsFor(c.dayCount), c.expected) << "day count " << c.dayCount;
}

TEST(Levels, EachCyclePeaksAtAQuarterAndBottomsAtThreeQuartersOfItsPeriod) {
  EXPECT_EQ(core::cycleLevel(core::Cycle::Emotional, 7), 100);
  EXPECT_EQ(core::cycleLevel(core::Cycle::Emotional, 21), 0);
  EXPECT_EQ(core::cycleLevel(core::Cycle::Emotional, 14), 50);
  EXPECT_EQ(core::cycleLevel(core::Cycle::Physical, 23), 50);
  EXPECT_EQ(core::cycleLevel(core::Cycle::Intellectual, 33), 50);
  EXPECT_EQ(core::cyclePeriod(core::Cycle::Emotional), 28);
  EXPECT_EQ(core::cyclePeriod(core::Cycle::Intellectual), 33);
  EXPECT_EQ(core::cyclePeriod(core::Cycle::Physical), 23);
}

// The sine is odd, so a birth date after the reference date mirrors the curve.
TEST(Levels, NegativeDayCountsMirrorPositiveOnes) {
  for (int32_t d = 0; d <= 3652058; d += 131) {
    const Levels up = core::levelsFor(d), down = core::levelsFor(-d);
    ASSERT_EQ(down.emotional, 100 - up.emotional) << d;
    ASSERT_EQ(down.intellectual, 100 - up.intellectual) << d;
    ASSERT_EQ(down.physical, 100 - up.physical) << d;
  }
}

TEST(Levels, ADayCountGivesTheThreeLevels) {
  EXPECT_EQ(core::levelsFor(7), (Levels{100, 99, 97}));
  EXPECT_EQ(core::levelsFor(-7), (Levels{0, 1, 3}));
}

TEST(Levels, BirthTextGivesTheDayCountToTheReferenceDate) {
  const core::RegionalDateFormat dmy;
  core::DayLevels got = core::computeLevelsFromBirthText("12/05/1970", dmy, {1970, 5, 19});
  EXPECT_EQ(got.dayCount, 7);
  EXPECT_EQ(got.levels, (Levels{100, 99, 97}));

  got = core::computeLevelsFromBirthText("26/05/1970", dmy, {1970, 5, 19});
  EXPECT_EQ(got.dayCount, -7);
  EXPECT_EQ(got.levels, (Levels{0, 1, 3}));

  // The field's design text: several hundred thousand days, valid levels.
  got = core::computeLevelsFromBirthText("01/01/0001", dmy, {2024, 6, 15});
  EXPECT_EQ(got.dayCount, 739051);
  EXPECT_EQ(got.levels, core::levelsFor(739051));
  for (const int8_t level : {got.levels.emotional, got.levels.intellectual, got.levels.physical}) {
    EXPECT_GE(level, 0);
    EXPECT_LE(level, 100);
  }

  EXPECT_EQ(core::computeLevelsFromBirthText(" 1/ 1/0001", dmy, {9999, 12, 31}).dayCount, 3652058);
}

TEST(Levels, ABirthTextThatDoesNotConvertRaises) {
  for (const char *text : {"", "  /  /1970", "31/04/2001", "12.05.1970"})
    EXPECT_THROW(core::computeLevelsFromBirthText(text, {}, {2024, 6, 15}), core::EConvertError);
}

TEST(levelIconIndex, EveryLevelFallsOnItsStep) {
  // Binding: the step for each range of levels.
  const struct {
    int first, last, index;
  } steps[] = {{0, 5, 0},   {6, 14, 1},  {15, 25, 2}, {26, 34, 3}, {35, 45, 4},  {46, 54, 5},
               {55, 65, 6}, {66, 74, 7}, {75, 85, 8}, {86, 94, 9}, {95, 100, 10}};
  int checked = 0;
  for (const auto &s : steps) {
    for (int level = s.first; level <= s.last; ++level, ++checked)
      EXPECT_EQ(core::levelIconIndex(level), s.index) << "level " << level;
  }
  EXPECT_EQ(checked, 101);
}

TEST(levelIconIndex, LevelsOutsideTheRangeStayOnTheEndSteps) {
  EXPECT_EQ(core::levelIconIndex(-1), 0);
  EXPECT_EQ(core::levelIconIndex(-128), 0);
  EXPECT_EQ(core::levelIconIndex(101), 10);
  EXPECT_EQ(core::levelIconIndex(127), 10);
}

TEST(Bands, LowMiddleAndHighEdges) {
  for (int level = 0; level <= 100; ++level) {
    const Band expected = level <= 25 ? Band::Low : level >= 75 ? Band::High : Band::Middle;
    EXPECT_EQ(core::bandOf(level), expected) << "level " << level;
    EXPECT_EQ(core::isCritical(level), expected != Band::Middle) << "level " << level;
  }
  EXPECT_EQ(core::bandOf(25), Band::Low);
  EXPECT_EQ(core::bandOf(26), Band::Middle);
  EXPECT_EQ(core::bandOf(74), Band::Middle);
  EXPECT_EQ(core::bandOf(75), Band::High);
}
