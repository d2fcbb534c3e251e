#pragma once
// Calendar dates of the proleptic Gregorian calendar, years 1 to 9999.
#include <compare>
#include <cstdint>

namespace core {

struct Date {
  int year = 1;
  int month = 1;
  int day = 1;
  auto operator<=>(const Date &) const = default;
};

inline constexpr int kMinYear = 1;
inline constexpr int kMaxYear = 9999;

// Day numbers count days from 1 January of year 1 (day 0) to 31 December 9999.
inline constexpr int32_t kMinDayNumber = 0;
inline constexpr int32_t kMaxDayNumber = 3652058;

bool isLeapYear(int year);
// 28..31 for a month of a year in range; 0 for a month outside 1..12.
int daysInMonth(int year, int month);
bool isValidDate(int year, int month, int day);
inline bool isValid(const Date &d) {
  return isValidDate(d.year, d.month, d.day);
}

// The date, or EDateError "Invalid argument to date encode" when it does not exist.
Date encodeDate(int year, int month, int day);

// Precondition for both: a valid date / a day number in kMinDayNumber..kMaxDayNumber.
int32_t toDayNumber(const Date &date);
Date fromDayNumber(int32_t dayNumber);

// 0 = Sunday, 1 = Monday, ..., 6 = Saturday.
int weekDay(const Date &date);

// The date `days` days later (earlier when negative); EDateError when the result
// leaves the years 1 to 9999.
Date addDays(const Date &date, int32_t days);

// to − from in whole days; negative when `to` lies before `from`.
int32_t daysBetween(const Date &from, const Date &to);

} // namespace core
