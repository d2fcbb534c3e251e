#pragma once
// Rules for the two setup texts: trimming and the first-name fix.
#include <cstddef>
#include <string>
#include <string_view>

namespace core {

// The longest first name kept, in characters.
inline constexpr size_t kFirstNameMaxLength = 15;

// The text without leading and trailing blanks and control characters
// (bytes 0x00..0x20). Characters inside the text are kept.
std::string trimBlanksAndControls(std::string_view text);

// The first 15 characters of a first name (UTF-8 characters, not bytes).
std::string firstNameCopy(std::string_view firstName);

// The first name as the setup keeps it: its first 15 characters, the first of
// them upper-cased when it is one of a..z. Other characters stay as typed.
std::string fixFirstName(std::string_view firstName);

} // namespace core
