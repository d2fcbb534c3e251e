#include "core/text_encoding.h"

#include <cstdint>

namespace core {
namespace {

// Length of the well-formed UTF-8 sequence starting at s[i], or 0 when there is none.
size_t sequenceLength(std::string_view s, size_t i) {
  const auto b = [&](size_t k) { return static_cast<uint8_t>(s[i + k]); };
  const auto cont = [&](size_t k) { return i + k < s.size() && (b(k) & 0xC0) == 0x80; };
  const uint8_t c = b(0);
  if (c < 0x80)
    return 1;
  if (c >= 0xC2 && c <= 0xDF)
    return cont(1) ? 2 : 0;
  if (c >= 0xE0 && c <= 0xEF) {
    if (!cont(1) || !cont(2))
      return 0;
    if (c == 0xE0 && b(1) < 0xA0) // overlong
      return 0;
    if (c == 0xED && b(1) >= 0xA0) // surrogates
      return 0;
    return 3;
  }
  if (c >= 0xF0 && c <= 0xF4) {
    if (!cont(1) || !cont(2) || !cont(3))
      return 0;
    if (c == 0xF0 && b(1) < 0x90) // overlong
      return 0;
    if (c == 0xF4 && b(1) >= 0x90) // above U+10FFFF
      return 0;
    return 4;
  }
  return 0;
}

void appendUtf8(std::string &out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// 0x80..0x9F; the rest of the code page is Latin-1.
constexpr uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

bool isValidUtf8(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    const size_t n = sequenceLength(bytes, i);
    if (n == 0)
      return false;
    i += n;
  }
  return true;
}

std::string windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char ch : bytes) {
    const auto c = static_cast<uint8_t>(ch);
    appendUtf8(out, c >= 0x80 && c <= 0x9F ? kHighControls[c - 0x80] : c);
  }
  return out;
}

std::string decodeUtf8OrWindows1252(std::string_view bytes) {
  return isValidUtf8(bytes) ? std::string(bytes) : windows1252ToUtf8(bytes);
}

size_t utf8Length(std::string_view text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); ++count) {
    const size_t n = sequenceLength(text, i);
    i += n == 0 ? 1 : n;
  }
  return count;
}

std::string quotableText(std::string_view text, size_t maxCharacters) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  size_t characters = 0;
  for (size_t i = 0; i < text.size(); ++characters) {
    if (characters == maxCharacters)
      return out + "\xe2\x80\xa6"; // …
    const size_t n = sequenceLength(text, i);
    const auto c = static_cast<uint8_t>(text[i]);
    const bool c1Control = n == 2 && c == 0xC2 && static_cast<uint8_t>(text[i + 1]) < 0xA0;
    if (n == 0 || (n == 1 && (c < 0x20 || c == 0x7F)) || c1Control) {
      const auto shown = c1Control ? static_cast<uint8_t>(text[i + 1]) : c;
      out += "\\x";
      out += kHex[shown >> 4];
      out += kHex[shown & 0xF];
    } else {
      out.append(text.substr(i, n));
    }
    i += n == 0 ? 1 : n;
  }
  return out;
}

std::string utf8Left(std::string_view text, size_t count) {
  size_t i = 0;
  for (size_t taken = 0; i < text.size() && taken < count; ++taken) {
    const size_t n = sequenceLength(text, i);
    i += n == 0 ? 1 : n;
  }
  return std::string(text.substr(0, i));
}

} // namespace core
