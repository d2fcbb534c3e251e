#pragma once
// The program works in UTF-8. Texts from files written by earlier versions may
// be in the Windows-1252 code page instead; these helpers tell them apart and
// decode them.
#include <cstddef>
#include <string>
#include <string_view>

namespace core {

// Well-formed UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes);

// Every byte as its Windows-1252 character, written in UTF-8. The five bytes
// the code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the
// control characters of the same number.
std::string windows1252ToUtf8(std::string_view bytes);

// The bytes as they are when they are valid UTF-8, else decoded as Windows-1252.
std::string decodeUtf8OrWindows1252(std::string_view bytes);

// The number of characters (code points) of a UTF-8 text; a byte that does not
// belong to a well-formed sequence counts as one character.
size_t utf8Length(std::string_view text);

// The first `count` characters of a UTF-8 text, never cutting a character in two.
std::string utf8Left(std::string_view text, size_t count);

// A text as a message quotes it: characters that are not text (control
// characters, bytes that are not UTF-8) written as "\xNN", and a text of more
// than `maxCharacters` characters cut there with an ellipsis.
std::string quotableText(std::string_view text, size_t maxCharacters);

} // namespace core
