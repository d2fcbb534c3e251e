#include "core/config_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <random>

#include "core/errors.h"
#include "core/io_error.h"
#include "core/text_encoding.h"
#include "date_printing.h"

using core::Configuration;

namespace {

Configuration parse(const std::string &bytes) {
  return core::parseConfigText(bytes);
}

} // namespace

TEST(ConfigWrite, FourCrLfLinesWithTheTextsExactlyAsGiven) {
  EXPECT_EQ(core::configFileText({"  Anna  ", "12/05/1970", true}),
            "\r\n  Anna  \r\n12/05/1970\r\n0\r\n");
  EXPECT_EQ(core::configFileText({"Ren\xc3\xa9"
                                  "e",
                                  " 1/ 5/1970", false}),
            "\r\nRen\xc3\xa9"
            "e\r\n 1/ 5/1970\r\n1\r\n");
}

TEST(ConfigWrite, ALineBreakInsideATextDoesNotAddALine) {
  const std::string text = core::configFileText({"An\r\nna", "12/05/1970\n", false});
  EXPECT_EQ(text, "\r\nAn  na\r\n12/05/1970 \r\n1\r\n");
  EXPECT_EQ(parse(text), (Configuration{"An  na", "12/05/1970", false}));
}

// Found by fuzzing: a CR inside a stored name was read as it stood but saved
// as a blank, so a save changed what the next start would read.
TEST(ConfigRead, ACarriageReturnInsideALineReadsAsTheBlankASaveWrites) {
  const Configuration read = parse("\r\nAn\rn\r\n05/05\r1970\r\n0\r\n");
  EXPECT_EQ(read, (Configuration{"An n", "05/05 1970", true}));
  EXPECT_EQ(parse(core::configFileText(read)), read);
}

TEST(ConfigRead, RoundTripOfWhatWasWritten) {
  for (const Configuration &config :
       {Configuration{"Anna", "12/05/1970", true},
        Configuration{"Ren\xc3\xa9"
                      "e",
                      "01/01/0001", false},
        Configuration{"", "", true}, Configuration{"Zo\xc3\xab \xe2\x82\xac", "31/12/9999", false}})
    EXPECT_EQ(parse(core::configFileText(config)), config) << config.firstName;
}

TEST(ConfigRead, FirstLineIgnoredLinesTwoAndThreeTrimmed) {
  EXPECT_EQ(parse("whatever\r\n \t Anna \x01\r\n  12/05/1970  \r\n0\r\n"),
            (Configuration{"Anna", "12/05/1970", true}));
  EXPECT_EQ(parse("\r\n  Anna Maria  \r\n 1/ 5/1970\r\n0\r\n"),
            (Configuration{"Anna Maria", "1/ 5/1970", true}));
}

// Saved under one regional format, the birth date reads as the same day under
// every other; a line 3 that names another date, or a file without line 1,
// reads as line 3 says.
TEST(ConfigBirthDate, SavedUnderOneRegionalFormatReadUnderAnother) {
  using core::Date;
  using core::DateOrder;
  const Date today{2026, 12, 8}, birth{1990, 2, 1};
  const core::RegionalDateFormat c{DateOrder::DMY, '/', "dd/mm/yyyy"},
      enUS{DateOrder::MDY, '/', "M/d/yy"}, deDE{DateOrder::DMY, '.', "dd.MM.yyyy"},
      frFR{DateOrder::DMY, '/', "dd/MM/yyyy"};
  const auto dayRead = [&](const std::string &file, const core::RegionalDateFormat &region) {
    return core::tryParseDate(core::birthDateForRegion(parse(file), region, today), region, today);
  };
  for (const auto &saver : {c, enUS, deDE, frFR}) {
    const std::string line3 = core::formatDate(birth, core::numericDatePattern(saver.order), saver);
    const std::string file =
        core::configFileText({"Anna", line3, true, core::tryParseDate(line3, saver, today)});
    ASSERT_EQ(file.substr(0, 12), "1990-02-01\r\n");
    for (const auto &reader : {c, enUS, deDE, frFR})
      EXPECT_EQ(dayRead(file, reader), birth) << line3 << " read under " << reader.shortDateFormat;
  }
  const struct {
    const char *file;
    core::RegionalDateFormat reader;
    std::optional<Date> day;
  } cases[] = {
      {"1990-02-01\r\nAnna\r\n15/03/1985\r\n", c, Date{1985, 3, 15}},
      {"1990-02-01\r\nAnna\r\n01/02/90\r\n", enUS, birth},
      {"1990-02-01\r\nAnna\r\n01/02\r\n", enUS, Date{2026, 1, 2}},
      {"\r\nAnna\r\n01/02/1990\r\n", enUS, Date{1990, 1, 2}},
      {"1990-2-1\r\nAnna\r\n01.02.1990\r\n", c, std::nullopt},
  };
  for (const auto &row : cases)
    EXPECT_EQ(dayRead(row.file, row.reader), row.day) << row.file;
}

TEST(ConfigRead, OnlyAFourthLineOfExactlyOneSwitchesBlinkingOff) {
  const struct {
    const char *line4;
    bool blinking;
  } cases[] = {{"1\r\n", false}, {"1", false},     {"1\n", false},    {"0\r\n", true},
               {" 1\r\n", true}, {"1 \r\n", true}, {"\r\n", true},    {"", true},
               {"x\r\n", true},  {"11\r\n", true}, {"1\t\r\n", true}, {"1\r\r\n", true}};
  for (const auto &c : cases)
    EXPECT_EQ(parse(std::string("\r\nAnna\r\n12/05/1970\r\n") + c.line4).blinking, c.blinking)
        << "'" << c.line4 << "'";
}

TEST(ConfigRead, MissingLinesReadAsEmpty) {
  EXPECT_EQ(parse(""), (Configuration{"", "", true}));
  EXPECT_EQ(parse("\r\n"), (Configuration{"", "", true}));
  EXPECT_EQ(parse("\r\nAnna\r\n"), (Configuration{"Anna", "", true}));
  EXPECT_EQ(parse("\r\nAnna"), (Configuration{"Anna", "", true}));
  EXPECT_EQ(parse("\r\nAnna\r\n12/05/1970\r\n"), (Configuration{"Anna", "12/05/1970", true}));
}

TEST(ConfigRead, LineFeedsAloneEndLinesToo) {
  EXPECT_EQ(parse("\nAnna\n12/05/1970\n1\n"), (Configuration{"Anna", "12/05/1970", false}));
  EXPECT_EQ(parse("\r\nAnna\n12/05/1970\r\n1"), (Configuration{"Anna", "12/05/1970", false}));
  // Whatever follows the fourth line is not read.
  EXPECT_EQ(parse("\nAnna\n12/05/1970\n1\nmore\nlines\n"),
            (Configuration{"Anna", "12/05/1970", false}));
}

TEST(ConfigRead, Windows1252LinesKeepTheirAccents) {
  EXPECT_EQ(parse("\r\nRen\xe9"
                  "e\r\n12/05/1970\r\n0\r\n")
                .firstName,
            "Ren\xc3\xa9"
            "e");
  EXPECT_EQ(parse("\r\n\x8a"
                  "arka \x80\r\n12/05/1970\r\n0\r\n")
                .firstName,
            "\xc5\xa0"
            "arka \xe2\x82\xac");
  // Each line is judged on its own.
  EXPECT_EQ(parse("\xe9\xe9\r\nRen\xc3\xa9"
                  "e\r\n12/05/1970\r\n0\r\n")
                .firstName,
            "Ren\xc3\xa9"
            "e");
}

// A line longer than a save takes is read whole, and the save refuses it with
// its length instead of writing a cut text.
TEST(ConfigRead, LongLinesAreReadWholeAndRefusedBySaving) {
  const struct {
    std::string line;
    std::string field;
    size_t characters;
  } cases[] = {
      {std::string(5000, 'A'), std::string(5000, 'A'), 5000},
      {std::string(20000, '\xe9'), core::windows1252ToUtf8(std::string(20000, '\xe9')), 20000},
      // Past the bound of lines 2 to 4, a line still has more than a save takes.
      {std::string(core::kMaxScanBytes + 10, 'b'), std::string(core::kMaxScanBytes, 'b'),
       core::kMaxScanBytes},
  };
  for (const auto &c : cases) {
    const Configuration read = parse("\r\n" + c.line + "\r\n12/05/1970\r\n1\r\n");
    EXPECT_EQ(read.firstName, c.field);
    try {
      core::configFileText(read);
      ADD_FAILURE() << "saved " << c.characters;
    } catch (const core::ELineTooLong &e) {
      EXPECT_EQ(std::string(e.what()), "The first name has " + std::to_string(c.characters) +
                                           " characters; the file takes at most 4096");
    }
  }
}

// What is read saves back whole and reads again the same, also a Windows-1252
// line that grows when saved in UTF-8; a text too long for the file is refused
// with its length, not cut.
TEST(ConfigLimits, WhatIsReadSavesBackWholeAndLongerTextsAreRefused) {
  const std::string legacy(3019, '\xe9');
  const Configuration read = parse("\r\n" + legacy + "\r\n12/05/1970\r\n0\r\n");
  EXPECT_EQ(read.firstName, core::windows1252ToUtf8(legacy));
  EXPECT_EQ(parse(core::configFileText(read)), read);

  std::string euros;
  for (size_t i = 0; i < core::kMaxLineCharacters; ++i)
    euros += "\xe2\x82\xac";
  const Configuration longest{euros, "12/05/1970", true};
  EXPECT_EQ(parse(core::configFileText(longest)), longest);

  const auto refusal = [](const Configuration &config) -> std::string {
    try {
      core::configFileText(config);
    } catch (const core::ELineTooLong &e) {
      return e.what();
    }
    return "written";
  };
  EXPECT_EQ(refusal({euros + "s", "12/05/1970", true}),
            "The first name has 4097 characters; the file takes at most 4096");
  EXPECT_EQ(refusal({"Anna", std::string(5000, '1'), true}),
            "The birth date has 5000 characters; the file takes at most 4096");
}

TEST(ConfigRead, HugeAndBinaryTextsLoadWithinBounds) {
  // A first line of megabytes hides the rest: reading stops after kMaxScanBytes.
  EXPECT_EQ(parse(std::string(2 * core::kMaxScanBytes, 'x') + "\nAnna\nb\n1\n"),
            (Configuration{"", "", true}));

  std::mt19937 random(2024);
  for (int round = 0; round < 20; ++round) {
    std::string junk(size_t{64} * 1024, '\0');
    for (char &c : junk)
      c = static_cast<char>(random());
    const Configuration c = parse(junk);
    EXPECT_TRUE(core::isValidUtf8(c.firstName));
    EXPECT_TRUE(core::isValidUtf8(c.birthDate));
    EXPECT_LE(c.firstName.size(), 3 * core::kMaxScanBytes);
  }
}

TEST(ConfigErrors, RuntimeTextsForSystemErrors) {
  const struct {
    int error;
    const char *text;
  } cases[] = {
      {ENOENT, "File not found"},
      {ENOTDIR, "Invalid filename"},
      {ENAMETOOLONG, "Invalid filename"},
      {EMFILE, "Too many open files"},
      {ENFILE, "Too many open files"},
      {EACCES, "File access denied"},
      {EPERM, "File access denied"},
      {EISDIR, "File access denied"},
      {EROFS, "File access denied"},
      {ENOSPC, "Disk full"},
      {EDQUOT, "Disk full"},
      {EIO, "I/O error 5"},
  };
  for (const auto &c : cases) {
    const core::EInOutError e = core::inOutError(c.error);
    EXPECT_STREQ(e.what(), c.text) << c.error;
    EXPECT_EQ(e.errorCode(), c.error);
  }
}
