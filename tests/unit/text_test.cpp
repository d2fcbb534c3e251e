#include <gtest/gtest.h>

#include <string>

#include "core/text_encoding.h"
#include "core/text_rules.h"

TEST(Utf8, WellFormedAndMalformedSequences) {
  for (const char *good : {"", "Anna", "Ren\xc3\xa9\x65", "\xe2\x82\xac", "\xf0\x9f\x98\x80",
                           "\xef\xbf\xbf", "\xf4\x8f\xbf\xbf", "\x7f"})
    EXPECT_TRUE(core::isValidUtf8(good)) << good;
  for (const char *bad :
       {"Ren\xe9\x65", "\x80", "\xc0\xaf", "\xc1\xbf", "\xe0\x80\xaf", "\xed\xa0\x80",
        "\xf4\x90\x80\x80", "\xf5\x80\x80\x80", "\xe2\x82", "\xf0\x9f\x98", "\xc3", "\xff"})
    EXPECT_FALSE(core::isValidUtf8(bad)) << bad;
}

TEST(Windows1252, AccentsAndTheTypographicBlock) {
  EXPECT_EQ(core::windows1252ToUtf8("Ren\xe9"
                                    "e"),
            "Ren\xc3\xa9"
            "e");
  EXPECT_EQ(core::windows1252ToUtf8("\x80"), "\xe2\x82\xac"); // euro sign
  EXPECT_EQ(core::windows1252ToUtf8("\x8a"), "\xc5\xa0");     // S caron
  EXPECT_EQ(core::windows1252ToUtf8("\x93\x94"), "\xe2\x80\x9c\xe2\x80\x9d");
  EXPECT_EQ(core::windows1252ToUtf8("\x99"), "\xe2\x84\xa2"); // trade mark
  EXPECT_EQ(core::windows1252ToUtf8("\x9f"), "\xc5\xb8");     // Y diaeresis
  EXPECT_EQ(core::windows1252ToUtf8("\x81\x8d\x8f\x90\x9d"),
            "\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d");
  EXPECT_EQ(core::windows1252ToUtf8("\xa0\xff"), "\xc2\xa0\xc3\xbf");
}

TEST(Windows1252, EveryByteBecomesExactlyOneCharacter) {
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    const std::string decoded = core::windows1252ToUtf8(one);
    EXPECT_TRUE(core::isValidUtf8(decoded)) << b;
    EXPECT_EQ(core::utf8Length(decoded), 1u) << b;
    if (b < 0x80) {
      EXPECT_EQ(decoded, one);
    }
  }
}

TEST(Windows1252, OnlyTextsThatAreNotUtf8AreDecoded) {
  EXPECT_EQ(core::decodeUtf8OrWindows1252("Ren\xc3\xa9"
                                          "e"),
            "Ren\xc3\xa9"
            "e");
  EXPECT_EQ(core::decodeUtf8OrWindows1252("Ren\xe9"
                                          "e"),
            "Ren\xc3\xa9"
            "e");
  // One stray byte makes the whole text Windows-1252.
  EXPECT_EQ(core::decodeUtf8OrWindows1252("\xc3\xa9\xe9"), "\xc3\x83\xc2\xa9\xc3\xa9");
}

TEST(Utf8, LengthAndLeftCountCharactersNotBytes) {
  EXPECT_EQ(core::utf8Length("Ren\xc3\xa9"
                             "e"),
            5u);
  EXPECT_EQ(core::utf8Length("\xf0\x9f\x98\x80!"), 2u);
  EXPECT_EQ(core::utf8Length("a\xffz"), 3u);
  EXPECT_EQ(core::utf8Left("Ren\xc3\xa9"
                           "e",
                           4),
            "Ren\xc3\xa9");
  EXPECT_EQ(core::utf8Left("Ren\xc3\xa9"
                           "e",
                           3),
            "Ren");
  EXPECT_EQ(core::utf8Left("abc", 10), "abc");
  EXPECT_EQ(core::utf8Left("a\xe2\x82", 2), "a\xe2"); // a broken sequence counts byte by byte
}

TEST(Trim, BlanksAndControlCharactersAtBothEnds) {
  EXPECT_EQ(core::trimBlanksAndControls("  Anna  "), "Anna");
  EXPECT_EQ(core::trimBlanksAndControls("\t\x01 Anna Maria\r\x1f"), "Anna Maria");
  EXPECT_EQ(core::trimBlanksAndControls(std::string("\0Anna\0", 6)), "Anna");
  EXPECT_EQ(core::trimBlanksAndControls(" \t\r "), "");
  EXPECT_EQ(core::trimBlanksAndControls(" 1/ 5/1970 "), "1/ 5/1970");
  EXPECT_EQ(core::trimBlanksAndControls("\xc2\xa0"
                                        "Anna"),
            "\xc2\xa0"
            "Anna"); // no-break space stays
}

TEST(FirstName, FirstFifteenCharactersAndACapitalAtoZ) {
  struct Case {
    const char *typed, *fixed;
  } cases[] = {
      {"anna", "Anna"},
      {"ANNA", "ANNA"},
      {"zoe", "Zoe"},
      {"1anna", "1anna"},
      {"\xc3\xa9mile", "\xc3\xa9mile"}, // an accented first letter stays as typed
      {" anna", " anna"},
      {"", ""},
      {"abcdefghijklmnopqrst", "Abcdefghijklmno"},
      {"abcdefghijklmno", "Abcdefghijklmno"},
      {"\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"
       "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9",
       "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"
       "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(core::fixFirstName(c.typed), c.fixed) << c.typed;
  EXPECT_EQ(core::firstNameCopy("anna-maria-theresa"), "anna-maria-ther");
}
