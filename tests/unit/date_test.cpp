#include "core/date.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "date_printing.h"

using core::Date;

TEST(Date, LeapYearsOfTheGregorianCalendar) {
  for (int y : {4, 1600, 1996, 2000, 2004, 2400, 9996})
    EXPECT_TRUE(core::isLeapYear(y)) << y;
  for (int y : {1, 100, 1700, 1800, 1900, 2001, 2100, 9999})
    EXPECT_FALSE(core::isLeapYear(y)) << y;
}

TEST(Date, ValidityAtTheEdgesOfMonthsAndYears) {
  struct Case {
    int y, m, d;
    bool valid;
  } cases[] = {
      {1, 1, 1, true},     {9999, 12, 31, true}, {0, 12, 31, false},   {10000, 1, 1, false},
      {2000, 2, 29, true}, {1900, 2, 29, false}, {2001, 2, 29, false}, {2001, 2, 28, true},
      {2001, 4, 30, true}, {2001, 4, 31, false}, {2001, 12, 31, true}, {2001, 13, 1, false},
      {2001, 0, 1, false}, {2001, 1, 0, false},  {2001, 1, 32, false}, {-4, 2, 29, false},
  };
  for (const auto &c : cases)
    EXPECT_EQ(core::isValidDate(c.y, c.m, c.d), c.valid) << c.y << "-" << c.m << "-" << c.d;
}

TEST(Date, EncodeRefusesADateThatDoesNotExist) {
  EXPECT_EQ(core::encodeDate(2000, 2, 29), (Date{2000, 2, 29}));
  try {
    core::encodeDate(2001, 2, 29);
    FAIL() << "no error";
  } catch (const core::EDateError &e) {
    EXPECT_STREQ(e.what(), "Invalid argument to date encode");
  }
}

// Walks the whole calendar one day at a time and checks the day numbers
// against that walk, both ways.
TEST(Date, DayNumbersFollowTheCalendarDayByDay) {
  Date walk{1, 1, 1};
  for (int32_t n = core::kMinDayNumber; n <= core::kMaxDayNumber; ++n) {
    if (core::fromDayNumber(n) != walk || core::toDayNumber(walk) != n) {
      ASSERT_EQ(core::fromDayNumber(n), walk) << n;
      ASSERT_EQ(core::toDayNumber(walk), n);
    }
    if (++walk.day > core::daysInMonth(walk.year, walk.month)) {
      walk.day = 1;
      if (++walk.month > 12)
        walk.month = 1, ++walk.year;
    }
  }
  EXPECT_EQ(walk, (Date{10000, 1, 1}));
}

TEST(Date, WeekDaysOfKnownDates) {
  EXPECT_EQ(core::weekDay({1, 1, 1}), 1);      // Monday
  EXPECT_EQ(core::weekDay({1970, 1, 1}), 4);   // Thursday
  EXPECT_EQ(core::weekDay({2000, 1, 1}), 6);   // Saturday
  EXPECT_EQ(core::weekDay({2001, 6, 3}), 0);   // Sunday
  EXPECT_EQ(core::weekDay({2024, 2, 29}), 4);  // Thursday
  EXPECT_EQ(core::weekDay({9999, 12, 31}), 5); // Friday
}

TEST(Date, AddingDaysCrossesMonthsYearsAndLeapDays) {
  EXPECT_EQ(core::addDays({2001, 6, 1}, 29), (Date{2001, 6, 30}));
  EXPECT_EQ(core::addDays({2001, 6, 30}, -59), (Date{2001, 5, 2}));
  EXPECT_EQ(core::addDays({2000, 2, 28}, 1), (Date{2000, 2, 29}));
  EXPECT_EQ(core::addDays({1900, 2, 28}, 1), (Date{1900, 3, 1}));
  EXPECT_EQ(core::addDays({1999, 12, 31}, 1), (Date{2000, 1, 1}));
  EXPECT_EQ(core::addDays({1, 1, 1}, 0), (Date{1, 1, 1}));
  EXPECT_EQ(core::addDays({9999, 12, 2}, 29), (Date{9999, 12, 31}));
}

TEST(Date, AddingDaysOutsideTheCalendarIsADateError) {
  EXPECT_THROW(core::addDays({9999, 12, 31}, 1), core::EDateError);
  EXPECT_THROW(core::addDays({1, 1, 1}, -1), core::EDateError);
  EXPECT_THROW(core::addDays({5000, 1, 1}, INT32_MAX), core::EDateError);
  EXPECT_THROW(core::addDays({5000, 1, 1}, INT32_MIN), core::EDateError);
}

TEST(Date, DaysBetweenIsSignedAndSpansTheWholeCalendar) {
  EXPECT_EQ(core::daysBetween({1970, 5, 12}, {1970, 5, 12}), 0);
  EXPECT_EQ(core::daysBetween({2000, 1, 1}, {2001, 1, 1}), 366);
  EXPECT_EQ(core::daysBetween({2001, 1, 1}, {2000, 1, 1}), -366);
  EXPECT_EQ(core::daysBetween({1, 1, 1}, {9999, 12, 31}), 3652058);
  EXPECT_EQ(core::daysBetween({9999, 12, 31}, {1, 1, 1}), -3652058);
}
