// Date texts under several regional formats: whatever a text reads as is a
// day of the calendar, and a date written out reads back as the same date.
#include "core/date.h"
#include "core/date_text.h"
#include "fuzz_check.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

const std::array<core::RegionalDateFormat, 5> kFormats{{
    {core::DateOrder::DMY, '/', "dd/mm/yyyy", 50},
    {core::DateOrder::DMY, '.', "dd.MM.yy", 50},
    {core::DateOrder::MDY, '/', "M/d/yy", 50},
    {core::DateOrder::YMD, '-', "yyyy-MM-dd", 0},
    {core::DateOrder::DMY, '-', "d-m-yyyy", 30},
}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < 5)
    return 0;
  const core::RegionalDateFormat &format = kFormats[data[0] % kFormats.size()];
  uint32_t raw;
  std::memcpy(&raw, data + 1, sizeof raw);
  const core::Date today = core::fromDayNumber(
      static_cast<int32_t>(raw % static_cast<uint32_t>(core::kMaxDayNumber + 1)));

  // Any text: a date it reads as exists.
  const std::string_view text(reinterpret_cast<const char *>(data + 5), size - 5);
  if (const auto read = core::tryParseDate(text, format, today))
    FUZZ_CHECK(core::isValid(*read));

  // Date -> text -> date, with the four-digit pattern of every order.
  const core::Date date = today;
  const std::string written = core::formatDate(date, "dd/mm/yyyy", format);
  const auto back = core::tryParseDate(
      written, {core::DateOrder::DMY, format.separator, "dd/mm/yyyy", format.twoDigitYearWindow},
      today);
  FUZZ_CHECK(back && *back == date);
  // The regional short format reads back as the same date; a two-digit year
  // expands around today, which is this date.
  const auto shortBack = core::tryParseDate(core::formatShortDate(date, format), format, today);
  FUZZ_CHECK(shortBack && *shortBack == date);
  return 0;
}
