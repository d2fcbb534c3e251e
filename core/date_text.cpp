#include "core/date_text.h"

#include "core/errors.h"
#include "core/text_encoding.h"

#include <algorithm>

namespace core {
namespace {

char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

struct Number {
  int value = 0;
  int digits = 0;
};

class Scanner {
public:
  explicit Scanner(std::string_view text) : s_(text) {}

  void skipBlanks() {
    while (pos_ < s_.size() && s_[pos_] == ' ')
      ++pos_;
  }

  std::optional<Number> number() {
    skipBlanks();
    Number n;
    while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') {
      // Any value past four digits is out of range anyway; stop growing it.
      if (n.value < 100000)
        n.value = n.value * 10 + (s_[pos_] - '0');
      ++n.digits;
      ++pos_;
    }
    if (n.digits == 0)
      return std::nullopt;
    return n;
  }

  bool separator(char sep) {
    if (pos_ < s_.size() && s_[pos_] == sep) { // a blank may be the separator itself
      ++pos_;
      return true;
    }
    skipBlanks();
    if (pos_ < s_.size() && s_[pos_] == sep) {
      ++pos_;
      return true;
    }
    return false;
  }

  bool atEnd() const { return pos_ == s_.size(); }

private:
  std::string_view s_;
  size_t pos_ = 0;
};

// The two or three numbers of a date text with that separator, as the
// readers below take them; none when the text has another shape.
struct DateNumbers {
  Number first, second, third;
  bool hasThird = false;
};

std::optional<DateNumbers> scanDateNumbers(std::string_view text, char separator) {
  Scanner scan(text);
  DateNumbers numbers;
  const auto n1 = scan.number();
  if (!n1 || !scan.separator(separator))
    return std::nullopt;
  const auto n2 = scan.number();
  if (!n2)
    return std::nullopt;
  numbers.first = *n1, numbers.second = *n2;
  if (scan.separator(separator)) {
    const auto n3 = scan.number();
    if (!n3)
      return std::nullopt;
    numbers.third = *n3, numbers.hasThird = true;
    scan.separator(separator);
  }
  scan.skipBlanks();
  if (!scan.atEnd())
    return std::nullopt;
  return numbers;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

void appendNumber(std::string &out, int value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width)
    out.append(width - digits.size(), '0');
  out += digits;
}

// A date text quoted in a message: enough to recognise it, short enough for a box.
constexpr size_t kQuotedCharacters = 40;

} // namespace

DateOrder dateOrderOf(std::string_view pattern) {
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '\'' || c == '"') { // quoted text is no field
      const size_t close = pattern.find(c, i + 1);
      if (close == std::string_view::npos)
        break;
      i = close;
      continue;
    }
    switch (lower(c)) {
    case 'd':
      return DateOrder::DMY;
    case 'm':
      return DateOrder::MDY;
    case 'y':
      return DateOrder::YMD;
    default:
      break;
    }
  }
  return DateOrder::DMY;
}

int expandTwoDigitYear(int twoDigitYear, int currentYear, int window) {
  const int pivot = currentYear - window;
  int year = twoDigitYear + pivot / 100 * 100;
  if (window > 0 && year < pivot)
    year += 100;
  return year;
}

std::optional<Date> tryParseDate(std::string_view text, const RegionalDateFormat &format,
                                 const Date &today) {
  const auto numbers = scanDateNumbers(text, format.separator);
  if (!numbers)
    return std::nullopt;
  const auto &[n1, n2, n3, hasYear] = *numbers;

  Number year{today.year, 4}, month, day;
  if (hasYear) {
    switch (format.order) {
    case DateOrder::DMY:
      day = n1, month = n2, year = n3;
      break;
    case DateOrder::MDY:
      month = n1, day = n2, year = n3;
      break;
    case DateOrder::YMD:
      year = n1, month = n2, day = n3;
      break;
    }
  } else if (format.order == DateOrder::DMY) {
    day = n1, month = n2;
  } else {
    month = n1, day = n2;
  }

  int y = year.value;
  if (year.digits <= 2)
    y = expandTwoDigitYear(y, today.year, format.twoDigitYearWindow);
  if (!isValidDate(y, month.value, day.value))
    return std::nullopt;
  return Date{y, month.value, day.value};
}

Date parseDate(std::string_view text, const RegionalDateFormat &format, const Date &today) {
  if (auto date = tryParseDate(text, format, today))
    return *date;
  throw EConvertError("'" + quotableText(text, kQuotedCharacters) + "' is not a valid date");
}

bool writesDateInSomeOrder(std::string_view text, const Date &date) {
  const auto separator =
      std::find_if(text.begin(), text.end(), [](char c) { return c != ' ' && !isDigit(c); });
  const auto numbers = scanDateNumbers(text, separator == text.end() ? ' ' : *separator);
  if (!numbers)
    return false;
  const auto &[n1, n2, n3, hasYear] = *numbers;
  const auto names = [&date](const Number &day, const Number &month, const Number &year) {
    const bool sameYear =
        year.digits <= 2 ? year.value == date.year % 100 : year.value == date.year;
    return sameYear && month.value == date.month && day.value == date.day;
  };
  return hasYear && (names(n1, n2, n3) || names(n2, n1, n3) || names(n3, n2, n1));
}

std::string isoDate(const Date &date) {
  return formatDate(date, "yyyy-mm-dd", RegionalDateFormat{});
}

std::optional<Date> tryParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-')
    return std::nullopt;
  int fields[3] = {0, 0, 0};
  for (size_t i = 0, field = 0; i < text.size(); ++i) {
    if (i == 4 || i == 7) {
      ++field;
    } else if (isDigit(text[i])) {
      fields[field] = fields[field] * 10 + (text[i] - '0');
    } else {
      return std::nullopt;
    }
  }
  if (!isValidDate(fields[0], fields[1], fields[2]))
    return std::nullopt;
  return Date{fields[0], fields[1], fields[2]};
}

std::string formatDate(const Date &date, std::string_view pattern,
                       const RegionalDateFormat &format) {
  std::string out;
  size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    const char l = lower(c);
    if (l == 'd' || l == 'm' || l == 'y') {
      size_t run = 1;
      while (i + run < pattern.size() && lower(pattern[i + run]) == l)
        ++run;
      i += run;
      if (l == 'd')
        appendNumber(out, date.day, run >= 2 ? 2 : 1);
      else if (l == 'm')
        appendNumber(out, date.month, run >= 2 ? 2 : 1);
      else if (run <= 2)
        appendNumber(out, date.year % 100, 2);
      else
        appendNumber(out, date.year, 4);
    } else if (c == '\'' || c == '"') {
      const size_t close = pattern.find(c, i + 1);
      const size_t end = close == std::string_view::npos ? pattern.size() : close;
      out.append(pattern.substr(i + 1, end - i - 1));
      i = close == std::string_view::npos ? end : end + 1;
    } else {
      out += c == '/' ? format.separator : c;
      ++i;
    }
  }
  return out;
}

std::string formatShortDate(const Date &date, const RegionalDateFormat &format) {
  return formatDate(date, format.shortDateFormat, format);
}

std::string numericDatePattern(DateOrder order, bool leadingZeros) {
  const std::string day = leadingZeros ? "dd" : "d";
  const std::string month = leadingZeros ? "mm" : "m";
  switch (order) {
  case DateOrder::MDY:
    return month + '/' + day + "/yyyy";
  case DateOrder::YMD:
    return "yyyy/" + month + '/' + day;
  case DateOrder::DMY:
    break;
  }
  return day + '/' + month + "/yyyy";
}

} // namespace core
