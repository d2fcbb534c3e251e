#include "core/date_text.h"

#include <gtest/gtest.h>

#include <optional>

#include "core/errors.h"
#include "date_printing.h"

using core::Date;
using core::DateOrder;
using core::RegionalDateFormat;

namespace {

const Date kToday{2024, 6, 15};
const RegionalDateFormat kDmySlash{DateOrder::DMY, '/', "dd/mm/yyyy"};
const RegionalDateFormat kMdyDash{DateOrder::MDY, '-', "m-d-yyyy"};
const RegionalDateFormat kYmdDot{DateOrder::YMD, '.', "yyyy.mm.dd"};
const RegionalDateFormat kDmyDot{DateOrder::DMY, '.', "d.m.yy"};

struct ParseCase {
  const char *text;
  std::optional<Date> expected;
};

void expectParses(const RegionalDateFormat &format, std::initializer_list<ParseCase> cases) {
  for (const auto &c : cases)
    EXPECT_EQ(core::tryParseDate(c.text, format, kToday), c.expected) << "'" << c.text << "'";
}

} // namespace

TEST(ParseDate, MaskedFieldTextsInDayMonthYear) {
  expectParses(kDmySlash, {
                              {"12/05/1970", Date{1970, 5, 12}},
                              {" 1/ 5/1970", Date{1970, 5, 1}},
                              {"01/01/0001", Date{1, 1, 1}},
                              {"31/12/9999", Date{9999, 12, 31}},
                              {"  /  /1970", std::nullopt},
                              {"  /05/1970", std::nullopt},
                              {"12/  /1970", std::nullopt},
                              {"12/05/    ", std::nullopt},
                              {"12/05/____", std::nullopt},
                          });
}

TEST(ParseDate, ImpossibleDaysAndLeapYears) {
  expectParses(kDmySlash, {
                              {"29/02/2000", Date{2000, 2, 29}},
                              {"29/02/1900", std::nullopt},
                              {"29/02/2001", std::nullopt},
                              {"31/04/2001", std::nullopt},
                              {"30/04/2001", Date{2001, 4, 30}},
                              {"00/05/1970", std::nullopt},
                              {"12/00/1970", std::nullopt},
                              {"12/13/1970", std::nullopt},
                              {"12/05/0000", std::nullopt},
                              {"12/05/10000", std::nullopt},
                              {"99999999999/05/1970", std::nullopt},
                          });
}

TEST(ParseDate, SeparatorsBlanksAndGarbage) {
  expectParses(kDmySlash, {
                              {"12.05.1970", std::nullopt},
                              {"12-05-1970", std::nullopt},
                              {"12/05.1970", std::nullopt},
                              {"12 /05/ 1970", Date{1970, 5, 12}},
                              {"12/05/1970 ", Date{1970, 5, 12}},
                              {"12/05/1970/", Date{1970, 5, 12}},
                              {"12/05/1970//", std::nullopt},
                              {"12/05/1970x", std::nullopt},
                              {"12/05/1970\t", std::nullopt},
                              {"\t12/05/1970", std::nullopt},
                              {"12//1970", std::nullopt},
                              {"/05/1970", std::nullopt},
                              {"-1/05/1970", std::nullopt},
                              {"+1/05/1970", std::nullopt},
                              {"12/05/1970 12", std::nullopt},
                              {"", std::nullopt},
                              {"   ", std::nullopt},
                              {"/", std::nullopt},
                              {"12", std::nullopt},
                              {"12/", std::nullopt},
                              {"First Name", std::nullopt},
                              {"\xef\xbc\x91\x32/05/1970", std::nullopt}, // full-width digit
                          });
}

TEST(ParseDate, TwoNumbersTakeTheCurrentYear) {
  expectParses(kDmySlash, {{"12/05", Date{2024, 5, 12}}, {"29/02", Date{2024, 2, 29}}});
  expectParses(kMdyDash, {{"5-12", Date{2024, 5, 12}}});
  expectParses(kYmdDot, {{"05.12", Date{2024, 5, 12}}}); // month, then day
  EXPECT_EQ(core::tryParseDate("29/02", kDmySlash, {2023, 1, 1}), std::nullopt);
}

TEST(ParseDate, TwoDigitYearsFallWithinFiftyYearsOfTheCurrentYear) {
  expectParses(kDmySlash, {
                              {"12/05/74", Date{1974, 5, 12}},
                              {"12/05/99", Date{1999, 5, 12}},
                              {"12/05/00", Date{2000, 5, 12}},
                              {"12/05/73", Date{2073, 5, 12}},
                              {"12/05/5", Date{2005, 5, 12}},
                              {"12/05/070", Date{70, 5, 12}},
                              {"12/05/0070", Date{70, 5, 12}},
                          });
  // A window of 0 keeps two-digit years in the current century.
  RegionalDateFormat century = kDmySlash;
  century.twoDigitYearWindow = 0;
  EXPECT_EQ(core::tryParseDate("1/1/99", century, kToday), (Date{2099, 1, 1}));
}

TEST(ParseDate, YearWindowAroundOtherCurrentYears) {
  struct Case {
    int yy, current, expected;
  } cases[] = {
      {49, 1999, 1949}, {48, 1999, 2048}, {0, 2050, 2000},  {99, 2050, 2099},
      {99, 2049, 1999}, {30, 10, 30},     {60, 9990, 9960}, {39, 9990, 10039},
  };
  for (const auto &c : cases)
    EXPECT_EQ(core::expandTwoDigitYear(c.yy, c.current, 50), c.expected)
        << c.yy << " in " << c.current;
}

TEST(ParseDate, OtherOrdersAndSeparators) {
  expectParses(kMdyDash, {
                             {"05-12-1970", Date{1970, 5, 12}},
                             {"12-31-1999", Date{1999, 12, 31}},
                             {"31-12-1999", std::nullopt},
                             {"05/12/1970", std::nullopt},
                         });
  expectParses(kYmdDot, {
                            {"1970.05.12", Date{1970, 5, 12}},
                            {"74.5.12", Date{1974, 5, 12}},
                            {"0001.01.01", Date{1, 1, 1}},
                            {"1970.13.12", std::nullopt},
                            {"12.05.1970", std::nullopt},
                        });
  expectParses(kDmyDot, {{"12.05.1970", Date{1970, 5, 12}}, {" 1. 5.70", Date{2070, 5, 1}}});
  const RegionalDateFormat blankSeparated{DateOrder::DMY, ' ', "dd mm yyyy"};
  expectParses(blankSeparated, {{"12 05 1970", Date{1970, 5, 12}}, {"12/05/1970", std::nullopt}});
}

TEST(ParseDate, ErrorNamesTheTextAsGiven) {
  for (const char *text : {"31/04/2001", " 1/ 5/19x0", "", "  /  /1970"}) {
    try {
      core::parseDate(text, kDmySlash, kToday);
      ADD_FAILURE() << "no error for '" << text << "'";
    } catch (const core::EConvertError &e) {
      EXPECT_EQ(std::string(e.what()), std::string("'") + text + "' is not a valid date");
    }
  }
  EXPECT_EQ(core::parseDate("12/05/1970", kDmySlash, kToday), (Date{1970, 5, 12}));
}

TEST(DateOrderOf, FirstFieldLetterDecides) {
  EXPECT_EQ(core::dateOrderOf("dd/mm/yyyy"), DateOrder::DMY);
  EXPECT_EQ(core::dateOrderOf("M/d/yy"), DateOrder::MDY);
  EXPECT_EQ(core::dateOrderOf("yyyy-MM-dd"), DateOrder::YMD);
  EXPECT_EQ(core::dateOrderOf("'day' mm.dd.yy"), DateOrder::MDY);
  EXPECT_EQ(core::dateOrderOf(""), DateOrder::DMY);
}

TEST(FormatDate, PatternsWithTheRegionalSeparator) {
  const Date may1{1970, 5, 1};
  EXPECT_EQ(core::formatDate(may1, "dd/mm/yyyy", kDmySlash), "01/05/1970");
  EXPECT_EQ(core::formatDate(may1, "dd/mm/yyyy", kDmyDot), "01.05.1970");
  EXPECT_EQ(core::formatDate(may1, "dd/mm/yy", kMdyDash), "01-05-70");
  EXPECT_EQ(core::formatDate(may1, "d.m.yy", kDmySlash), "1.5.70");
  EXPECT_EQ(core::formatDate({1, 1, 1}, "dd/mm/yyyy", kDmySlash), "01/01/0001");
  EXPECT_EQ(core::formatDate({1, 1, 1}, "dd/mm/yy", kDmySlash), "01/01/01");
  EXPECT_EQ(core::formatDate({2005, 12, 31}, "DD/MM/YY", kDmySlash), "31/12/05");
  EXPECT_EQ(core::formatDate({2005, 12, 31}, "'d/m' d", kDmySlash), "d/m 31");
  EXPECT_EQ(core::formatShortDate(may1, kMdyDash), "5-1-1970");
  EXPECT_EQ(core::formatShortDate(may1, kYmdDot), "1970.05.01");
  EXPECT_EQ(core::formatShortDate(may1, kDmyDot), "1.5.70");
}

// What is written in the short date format must read back as the same date.
TEST(FormatDate, ShortDateTextsReadBack) {
  const RegionalDateFormat formats[] = {kDmySlash, kMdyDash, kYmdDot, kDmyDot};
  for (const auto &format : formats) {
    for (int32_t n = 0; n <= core::kMaxDayNumber; n += 997) {
      const Date d = core::fromDayNumber(n);
      if (format.shortDateFormat.find("yyyy") == std::string::npos &&
          std::abs(d.year - kToday.year) > 49)
        continue; // a two-digit year names a date near today only
      const std::string text = core::formatShortDate(d, format);
      ASSERT_EQ(core::tryParseDate(text, format, kToday), d) << text;
    }
  }
}
