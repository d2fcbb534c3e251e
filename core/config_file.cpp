#include "core/config_file.h"

#include <algorithm>
#include <array>

#include "core/errors.h"
#include "core/text_encoding.h"
#include "core/text_rules.h"

namespace core {
namespace {

// The first four lines, within the bounds of kMaxScanBytes; `cut` tells which
// lost bytes. A CR before the LF belongs to the line end.
struct RawLines {
  std::array<std::string, 4> text;
  std::array<bool, 4> cut{};
};

RawLines splitLines(std::string_view bytes) {
  RawLines lines;
  size_t index = 0;
  size_t room = kMaxScanBytes; // for line 1, then for lines 2 to 4
  for (char c : bytes) {
    if (room-- == 0) {
      lines.cut[index] = true;
      break;
    }
    if (c == '\n') {
      if (++index == 4)
        break;
      if (index == 1)
        room = kMaxScanBytes;
    } else {
      lines.text[index] += c;
    }
  }
  for (std::string &line : lines.text)
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
  return lines;
}

// A line cut in the middle of a UTF-8 character loses the broken character
// rather than being taken for Windows-1252.
std::string decodeLine(std::string line, bool cut) {
  if (cut && !isValidUtf8(line)) {
    for (size_t drop = 1; drop <= 3 && drop < line.size(); ++drop) {
      std::string_view shorter(line.data(), line.size() - drop);
      if (isValidUtf8(shorter))
        return std::string(shorter);
    }
  }
  return decodeUtf8OrWindows1252(line);
}

// A CR inside a text reads as the blank that writing would put in its place,
// so that what was read is saved back unchanged.
std::string fieldOf(const std::string &line, bool cut) {
  std::string text = trimBlanksAndControls(decodeLine(line, cut));
  std::replace(text.begin(), text.end(), '\r', ' ');
  return text;
}

void appendLine(std::string &out, std::string_view text, const char *what) {
  if (const size_t length = utf8Length(text); length > kMaxLineCharacters)
    throw ELineTooLong(std::string(what) + " has " + std::to_string(length) +
                       " characters; the file takes at most " + std::to_string(kMaxLineCharacters));
  for (char c : text)
    out += c == '\r' || c == '\n' ? ' ' : c;
  out += "\r\n";
}

} // namespace

Configuration parseConfigText(std::string_view bytes) {
  const RawLines lines = splitLines(bytes);
  Configuration config;
  config.birthDay = tryParseIsoDate(fieldOf(lines.text[0], lines.cut[0]));
  config.firstName = fieldOf(lines.text[1], lines.cut[1]);
  config.birthDate = fieldOf(lines.text[2], lines.cut[2]);
  config.blinking = lines.text[3] != "1";
  return config;
}

std::string configFileText(const Configuration &config) {
  std::string text;
  appendLine(text, config.birthDay ? isoDate(*config.birthDay) : "", "");
  appendLine(text, config.firstName, "The first name");
  appendLine(text, config.birthDate, "The birth date");
  appendLine(text, config.blinking ? "0" : "1", "");
  return text;
}

std::string birthDateForRegion(const Configuration &config, const RegionalDateFormat &format,
                               const Date &today) {
  const std::optional<Date> &day = config.birthDay;
  if (!day || !writesDateInSomeOrder(config.birthDate, *day) ||
      tryParseDate(config.birthDate, format, today) == day)
    return config.birthDate;
  return formatDate(*day, numericDatePattern(format.order), format);
}

bool configFileExists(ConfigStorage &storage, const std::string &path) {
  return storage.exists(path);
}

Configuration readConfigFile(ConfigStorage &storage, const std::string &path) {
  return parseConfigText(storage.readHead(path, kMaxReadBytes));
}

void writeConfigFile(ConfigStorage &storage, const std::string &path, const Configuration &config) {
  storage.replace(path, configFileText(config));
}

} // namespace core
