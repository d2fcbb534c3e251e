#include "core/date.h"

#include "core/errors.h"

namespace core {
namespace {

// Days from 1 January 1970 in the proleptic Gregorian calendar, counted in
// 400-year eras of 146097 days (the era starts on 1 March so that the leap day
// comes last).
int64_t daysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

Date civilFromDays(int64_t z) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const int64_t m = mp < 10 ? mp + 3 : mp - 9;
  const int64_t y = yoe + era * 400 + (m <= 2);
  return Date{static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

// 1 January of year 1, in days from 1 January 1970.
constexpr int64_t kEpochOffset = 719162;

[[noreturn]] void throwDateError() {
  throw EDateError("Invalid argument to date encode");
}

} // namespace

bool isLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int daysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12)
    return 0;
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

bool isValidDate(int year, int month, int day) {
  return year >= kMinYear && year <= kMaxYear && day >= 1 && day <= daysInMonth(year, month);
}

Date encodeDate(int year, int month, int day) {
  if (!isValidDate(year, month, day))
    throwDateError();
  return Date{year, month, day};
}

int32_t toDayNumber(const Date &date) {
  return static_cast<int32_t>(daysFromCivil(date.year, date.month, date.day) + kEpochOffset);
}

Date fromDayNumber(int32_t dayNumber) {
  return civilFromDays(dayNumber - kEpochOffset);
}

int weekDay(const Date &date) {
  // Day 0, 1 January of year 1, was a Monday.
  return static_cast<int>((toDayNumber(date) + 1) % 7);
}

Date addDays(const Date &date, int32_t days) {
  const int64_t n = static_cast<int64_t>(toDayNumber(date)) + days;
  if (n < kMinDayNumber || n > kMaxDayNumber)
    throwDateError();
  return fromDayNumber(static_cast<int32_t>(n));
}

int32_t daysBetween(const Date &from, const Date &to) {
  return toDayNumber(to) - toDayNumber(from);
}

} // namespace core
