#pragma once
// The configuration file: four text lines holding the whole persistent state.
//   1  the birth date of line 3 as "yyyy-mm-dd", the form no regional setting
//      changes (empty when line 3 is no date); readers that do not know it
//      ignore it
//   2  the first name
//   3  the birth date, normally "dd/mm/yyyy"
//   4  "0" when the tray icons blink, "1" when they do not
// Lines end with CR LF when written; LF alone is read as well. Texts are
// UTF-8; a line that is not valid UTF-8 is read as Windows-1252, the code page
// of files written by earlier versions.
//
// The format lives here; reaching the disk is the platform layer's job, through
// the ConfigStorage it installs.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/date_text.h"

namespace core {

// The program's own path for the file. The platform layer maps it to where the
// system keeps a user's settings.
inline constexpr std::string_view kConfigPath =
    "C:\\Program Files\\Calvoro by KALDO Prototyping\\Calvoro.ini";

// The longest text a line holds, in characters. Saving refuses a longer text
// (ELineTooLong) rather than cut it, so whatever is saved reads back whole.
inline constexpr size_t kMaxLineCharacters = 4096;
// Reading keeps lines whole, and so a line too long for a save is refused by
// the save rather than cut. A huge or binary file must not fill the memory:
// line 1 is looked at up to kMaxScanBytes, and lines 2 to 4 together up to
// kMaxScanBytes more. A line that runs past them is more than a save takes.
inline constexpr size_t kMaxScanBytes = size_t{1024} * 1024;
inline constexpr size_t kMaxReadBytes = 2 * kMaxScanBytes;

struct Configuration {
  std::string firstName;
  std::string birthDate;
  bool blinking = true;
  // The day line 1 names; none when it names none.
  std::optional<Date> birthDay = std::nullopt;
  bool operator==(const Configuration &) const = default;
};

// The file's contents read: lines 2 and 3 lose leading and trailing blanks and
// control characters; a missing line reads as empty; blinking is off only when
// line 4 is exactly "1". Only the bytes within the bounds above are looked at.
Configuration parseConfigText(std::string_view bytes);

// The four lines as written, CR LF after each. The texts are written as given;
// only a line break inside a text is written as a blank, so that the file
// keeps its four lines. A text of more than kMaxLineCharacters characters
// raises ELineTooLong.
std::string configFileText(const Configuration &config);

// What the birth-date field takes of a file read under this regional format:
// the date of line 1 written in this format's order, when line 3 writes that
// date in another regional order (a file saved under another regional format);
// otherwise line 3 as read, so that a line 3 edited to another date wins.
std::string birthDateForRegion(const Configuration &config, const RegionalDateFormat &format,
                               const Date &today);

// How the file reaches the disk. Failures raise EInOutError with the runtime's
// text (core/io_error.h).
class ConfigStorage {
public:
  virtual ~ConfigStorage() = default;
  // True when something other than a folder is at the path. A path that cannot
  // be checked for another reason than its absence counts as present, so that
  // reading it reports the real error.
  virtual bool exists(const std::string &path) = 0;
  // At most maxBytes from the start of the file.
  virtual std::string readHead(const std::string &path, size_t maxBytes) = 0;
  // Gives the file exactly these bytes; on failure the old contents stay.
  virtual void replace(const std::string &path, std::string_view bytes) = 0;
};

// The file at `path`, through the storage the caller gives (the platform's
// environment carries the disk's).
bool configFileExists(ConfigStorage &storage, const std::string &path);
Configuration readConfigFile(ConfigStorage &storage, const std::string &path);
void writeConfigFile(ConfigStorage &storage, const std::string &path, const Configuration &config);

} // namespace core
