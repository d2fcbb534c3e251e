#pragma once
// Date texts by the user's regional short-date settings: reading a typed or
// stored date, and writing one by pattern.
#include <optional>
#include <string>
#include <string_view>

#include "core/date.h"

namespace core {

enum class DateOrder { DMY, MDY, YMD };

// The regional short-date settings, filled from the locale by the platform
// layer. The defaults are those of the C/POSIX locale.
struct RegionalDateFormat {
  DateOrder order = DateOrder::DMY;
  char separator = '/';
  // Pattern letters: d/dd day, m/mm month, y/yy two-digit year, yyy/yyyy
  // four-digit year (case does not matter); "/" stands for the separator;
  // text in single or double quotes is written as it is.
  std::string shortDateFormat = "dd/mm/yyyy";
  // Two-digit years fall in the 100 years starting this many years before the
  // current year; 0 puts them in the current century.
  int twoDigitYearWindow = 50;
};

// The field order of a pattern: the first of its d, m and y letters decides;
// DMY when it has none.
DateOrder dateOrderOf(std::string_view pattern);

// The full year of a year written with at most two digits. With a window of
// 50 and the current year 2024, 74..99 become 1974..1999 and 0..73 become
// 2000..2073: the current year − 50 up to the current year + 49.
int expandTwoDigitYear(int twoDigitYear, int currentYear, int window);

// Reads a date text: two or three numbers in the order of `format.order`,
// separated by `format.separator`. Blanks before a number or a separator are
// skipped; one trailing separator and trailing blanks are allowed. With only
// two numbers (day and month, or month and day) the year is today's. A year of
// one or two digits is expanded by the two-digit-year window around today's
// year; three or four digits are taken as written ("0001" is year 1).
std::optional<Date> tryParseDate(std::string_view text, const RegionalDateFormat &format,
                                 const Date &today);

// As tryParseDate; EConvertError "'<text>' is not a valid date" when the text
// does not convert.
Date parseDate(std::string_view text, const RegionalDateFormat &format, const Date &today);

// Whether a text writes this date as three numbers in one of the regional
// orders (day/month/year, month/day/year, year/month/day), with any one
// separator; a year of one or two digits names the date's year in any century.
bool writesDateInSomeOrder(std::string_view text, const Date &date);

// The date as "yyyy-mm-dd", the form no regional setting changes, and its
// reading: exactly that form, of a day that exists.
std::string isoDate(const Date &date);
std::optional<Date> tryParseIsoDate(std::string_view text);

// Writes a date by pattern (letters as in RegionalDateFormat::shortDateFormat),
// e.g. "dd/mm/yyyy" or "dd/mm/yy", with the regional separator for "/".
std::string formatDate(const Date &date, std::string_view pattern,
                       const RegionalDateFormat &format);

// The date in the regional short date format.
std::string formatShortDate(const Date &date, const RegionalDateFormat &format);

// The all-numeric pattern of a date in the given field order: "dd/mm/yyyy",
// "mm/dd/yyyy" or "yyyy/mm/dd"; "d/m/yyyy" and the like without leading
// zeros. Written with formatDate, it reads back as the same day under any
// format of that order and separator.
std::string numericDatePattern(DateOrder order, bool leadingZeros = true);

} // namespace core
