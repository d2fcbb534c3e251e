#pragma once
// The program's error types. Each carries the text the user sees; handlers let
// them pass to the application's error report.
#include <stdexcept>
#include <string>

namespace core {

// A text that does not convert to a date: "'<text>' is not a valid date".
class EConvertError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A year, month or day outside the calendar: "Invalid argument to date encode".
class EDateError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A text too long for its line of the configuration file: "The first name has
// 5000 characters; the file takes at most 4096". Nothing is written.
class ELineTooLong : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A failed file operation. what() is the runtime's text for the error ("File
// not found", "Disk full", "I/O error 5", ...); errorCode() is the system error
// number (errno) it came from, or kNotARegularFile; path() is the file or
// folder it failed on, when known.
class EInOutError : public std::runtime_error {
public:
  EInOutError(const std::string &text, int errorCode)
      : std::runtime_error(text), errorCode_(errorCode) {}
  int errorCode() const noexcept { return errorCode_; }
  const std::string &path() const noexcept { return path_; }
  void setPath(const std::string &path) { path_ = path; }

  // A device, pipe or socket where a file belongs.
  static constexpr int kNotARegularFile = -1;

private:
  int errorCode_;
  std::string path_;
};

} // namespace core
