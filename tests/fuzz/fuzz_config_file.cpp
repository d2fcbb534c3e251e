// The configuration file's format: what is read writes back and reads again
// as the same values, or is refused whole when a line is too long for a save;
// and the blinking flag is what a plain reading of the fourth line says.
#include "core/config_file.h"
#include "core/errors.h"
#include "core/text_encoding.h"
#include "fuzz_check.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Line 4 exactly "1" turns blinking off; lines end with LF, a CR before it is
// part of the line ending.
bool blinkingByPlainReading(std::string_view bytes) {
  for (int line = 1; line < 4; ++line) {
    const size_t end = bytes.find('\n');
    if (end == std::string_view::npos)
      return true;
    bytes.remove_prefix(end + 1);
  }
  const std::string_view fourth = bytes.substr(0, bytes.find('\n'));
  return !(fourth == "1" || fourth == "1\r");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char *>(data), size);
  const core::Configuration read = core::parseConfigText(bytes);
  FUZZ_CHECK(read.blinking == blinkingByPlainReading(bytes));

  const bool tooLong = core::utf8Length(read.firstName) > core::kMaxLineCharacters ||
                       core::utf8Length(read.birthDate) > core::kMaxLineCharacters;
  std::string written;
  try {
    written = core::configFileText(read);
  } catch (const core::ELineTooLong &) {
    FUZZ_CHECK(tooLong);
    return 0;
  }
  FUZZ_CHECK(!tooLong);
  const core::Configuration again = core::parseConfigText(written);
  FUZZ_CHECK(again == read);
  FUZZ_CHECK(core::configFileText(again) == written);
  return 0;
}
