#include "core/date_text.h"

#include "core/errors.h"
#include "core/text_encoding.h"

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
  Scanner scan(text);
  const auto n1 = scan.number();
  if (!n1 || !scan.separator(format.separator))
    return std::nullopt;
  const auto n2 = scan.number();
  if (!n2)
    return std::nullopt;

  Number year{today.year, 4}, month, day;
  if (scan.separator(format.separator)) {
    const auto n3 = scan.number();
    if (!n3)
      return std::nullopt;
    switch (format.order) {
    case DateOrder::DMY:
      day = *n1, month = *n2, year = *n3;
      break;
    case DateOrder::MDY:
      month = *n1, day = *n2, year = *n3;
      break;
    case DateOrder::YMD:
      year = *n1, month = *n2, day = *n3;
      break;
    }
    scan.separator(format.separator);
  } else if (format.order == DateOrder::DMY) {
    day = *n1, month = *n2;
  } else {
    month = *n1, day = *n2;
  }
  scan.skipBlanks();
  if (!scan.atEnd())
    return std::nullopt;

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
