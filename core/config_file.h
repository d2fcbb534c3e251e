#pragma once
// The configuration file: four text lines holding the whole persistent state.
//   1  reserved, written empty, ignored on reading
//   2  the first name
//   3  the birth date, normally "dd/mm/yyyy"
//   4  "0" when the tray icons blink, "1" when they do not
// Lines end with CR LF when written; LF alone is read as well. Texts are
// UTF-8; a line that is not valid UTF-8 is read as Windows-1252, the code page
// of files written by earlier versions.
#include <cstddef>
#include <string>
#include <string_view>

namespace core {

inline constexpr std::string_view kLinuxConfigPath =
    "/opt/Calvoro by KALDO Prototyping/Calvoro.ini";
inline constexpr std::string_view kWindowsConfigPath =
    "C:\\Program Files\\Calvoro by KALDO Prototyping\\Calvoro.ini";
#ifdef _WIN32
inline constexpr std::string_view kConfigPath = kWindowsConfigPath;
#else
inline constexpr std::string_view kConfigPath = kLinuxConfigPath;
#endif

// Reading keeps at most this many bytes of a line and looks at no more than
// kMaxScanBytes of the file: the four lines of a real file are short, and a
// huge or binary file must not fill the memory.
inline constexpr size_t kMaxLineBytes = 4096;
inline constexpr size_t kMaxScanBytes = 1024 * 1024;

struct Configuration {
  std::string firstName;
  std::string birthDate;
  bool blinking = true;
  bool operator==(const Configuration &) const = default;
};

// True when something other than a folder is at the path. A path that cannot
// be checked for another reason than its absence counts as present, so that
// reading it reports the real error.
bool configFileExists(const std::string &path);

// Reads the file. Lines 2 and 3 lose leading and trailing blanks and control
// characters; a missing line reads as empty; blinking is off only when line 4
// is exactly "1". Errors raise EInOutError: "File not found" when the file is
// missing, "Invalid filename" when its folder is, "File access denied" also for
// a folder in place of the file.
Configuration readConfigFile(const std::string &path);

// The four lines as written, CR LF after each. The texts are written as given;
// only a line break inside a text is written as a blank, so that the file
// keeps its four lines.
std::string configFileText(const Configuration &config);

// Replaces the file with the four lines, safely: a temporary file in the same
// folder is written, flushed to disk and renamed over the old one. On any
// failure the old file is left as it was, the temporary file is removed and
// EInOutError is raised ("Invalid filename" when the folder does not exist).
// A write-protected file is not replaced ("File access denied").
void writeConfigFile(const std::string &path, const Configuration &config);

} // namespace core
