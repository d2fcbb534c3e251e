#include "core/config_file.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/io_error.h"
#include "core/text_encoding.h"
#include "core/text_rules.h"

namespace core {
namespace {

std::string folderOf(const std::string &path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos)
    return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string &path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool folderExists(const std::string &path) {
  struct stat st {};
  return ::stat(folderOf(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// ENOENT names the file when its folder is there, and the folder otherwise.
[[noreturn]] void throwOpenError(int err, const std::string &path) {
  if (path.empty() || (err == ENOENT && !folderExists(path)))
    throw invalidFilenameError(err);
  throw inOutError(err);
}

// Closes the descriptor on every way out unless closed explicitly.
class FileDescriptor {
public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor &) = delete;
  FileDescriptor &operator=(const FileDescriptor &) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0)
      ::close(fd_);
  }
  int get() const { return fd_; }
  // 0, or the error number of a failed close.
  int close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 || errno == EINTR ? 0 : errno;
  }

private:
  int fd_;
};

// Splits the first four lines off the file, keeping at most kMaxLineBytes of
// each. A CR before the LF belongs to the line end.
struct RawLines {
  std::array<std::string, 4> text;
  std::array<bool, 4> cut{};
};

RawLines readRawLines(int fd) {
  RawLines lines;
  size_t index = 0;
  size_t scanned = 0;
  char buffer[8192];
  bool more = true;
  while (more && index < 4 && scanned < kMaxScanBytes) {
    const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, kMaxScanBytes - scanned));
    if (n < 0) {
      if (errno == EINTR)
        continue;
      throw inOutError(errno);
    }
    more = n > 0;
    scanned += static_cast<size_t>(n);
    for (ssize_t i = 0; i < n && index < 4; ++i) {
      if (buffer[i] == '\n') {
        ++index;
      } else if (lines.text[index].size() <= kMaxLineBytes) { // one more for a CR
        lines.text[index] += buffer[i];
      } else {
        lines.cut[index] = true;
      }
    }
  }
  for (size_t i = 0; i < 4; ++i) {
    std::string &line = lines.text[i];
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (line.size() > kMaxLineBytes) {
      line.resize(kMaxLineBytes);
      lines.cut[i] = true;
    }
  }
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

void appendLine(std::string &out, std::string_view text) {
  for (char c : text)
    out += c == '\r' || c == '\n' ? ' ' : c;
  out += "\r\n";
}

std::string temporaryPath(const std::string &path) {
  static std::atomic<unsigned> counter{0};
  const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
  const std::string folder = folderOf(path);
  return (folder == "/" ? "" : folder) + "/." + nameOf(path) + "." + std::to_string(::getpid()) +
         "-" + std::to_string(counter++) + "-" + std::to_string(tick % 1000000) + ".tmp";
}

// The temporary file of a save: removed again unless it was renamed into place.
class TemporaryFile {
public:
  explicit TemporaryFile(const std::string &target) {
    for (int attempt = 0; attempt < 100; ++attempt) {
      path_ = temporaryPath(target);
      fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
      if (fd_ >= 0 || errno != EEXIST)
        break;
    }
    if (fd_ < 0)
      throw errorFor(errno);
  }
  TemporaryFile(const TemporaryFile &) = delete;
  TemporaryFile &operator=(const TemporaryFile &) = delete;
  ~TemporaryFile() {
    if (fd_ >= 0)
      ::close(fd_);
    if (!committed_)
      ::unlink(path_.c_str());
  }

  void write(std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
      if (n < 0) {
        if (errno == EINTR)
          continue;
        throw errorFor(errno);
      }
      if (n == 0)
        throw errorFor(ENOSPC);
      done += static_cast<size_t>(n);
    }
  }

  void flushAndClose() {
    if (::fsync(fd_) != 0)
      throw errorFor(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR)
      throw errorFor(errno);
  }

  void renameTo(const std::string &target) {
    if (::rename(path_.c_str(), target.c_str()) != 0)
      throw errorFor(errno);
    committed_ = true;
  }

  int fd() const { return fd_; }

  // Nothing at the path is missing in a save except the folder.
  static EInOutError errorFor(int err) {
    return err == ENOENT ? invalidFilenameError(err) : inOutError(err);
  }

private:
  std::string path_;
  int fd_ = -1;
  bool committed_ = false;
};

} // namespace

bool configFileExists(const std::string &path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0)
    return !S_ISDIR(st.st_mode);
  return errno != ENOENT && errno != ENOTDIR && !path.empty();
}

Configuration readConfigFile(const std::string &path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0)
    throwOpenError(errno, path);
  FileDescriptor file(fd);
  struct stat st {};
  if (::fstat(fd, &st) != 0)
    throw inOutError(errno);
  if (S_ISDIR(st.st_mode))
    throw inOutError(EISDIR);

  RawLines lines = readRawLines(fd);
  if (const int err = file.close())
    throw inOutError(err);

  Configuration config;
  config.firstName = trimBlanksAndControls(decodeLine(lines.text[1], lines.cut[1]));
  config.birthDate = trimBlanksAndControls(decodeLine(lines.text[2], lines.cut[2]));
  config.blinking = lines.text[3] != "1";
  return config;
}

std::string configFileText(const Configuration &config) {
  std::string text;
  appendLine(text, "");
  appendLine(text, config.firstName);
  appendLine(text, config.birthDate);
  appendLine(text, config.blinking ? "0" : "1");
  return text;
}

void writeConfigFile(const std::string &path, const Configuration &config) {
  if (path.empty())
    throw invalidFilenameError(ENOENT);
  struct stat old {};
  const bool replacing = ::stat(path.c_str(), &old) == 0;
  if (replacing && !S_ISDIR(old.st_mode) && ::access(path.c_str(), W_OK) != 0)
    throw inOutError(errno);

  TemporaryFile temp(path);
  if (replacing && S_ISREG(old.st_mode))
    (void)::fchmod(temp.fd(), old.st_mode & 07777); // keep the old file's permissions
  temp.write(configFileText(config));
  temp.flushAndClose();
  temp.renameTo(path); // a folder in the file's place fails here, with EISDIR

  // Make the rename itself durable; the new file is in place either way.
  const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
}

} // namespace core
