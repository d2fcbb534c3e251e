#include "platform/config_storage.h"

#include "core/io_error.h"
#include "platform/user_folders.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool folderExists(const std::string &path) {
  struct stat st {};
  return ::stat(folderOf(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// ENOENT names the file when its folder is there, and the folder otherwise.
[[noreturn]] void throwOpenError(int err, const std::string &path) {
  if (path.empty() || (err == ENOENT && !folderExists(path)))
    throw core::invalidFilenameError(err);
  throw core::inOutError(err);
}

// Nothing at the path is missing in a save except the folder.
core::EInOutError saveError(int err) {
  return err == ENOENT ? core::invalidFilenameError(err) : core::inOutError(err);
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

void writeAll(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0)
      throw saveError(errno);
    if (n == 0)
      throw saveError(ENOSPC);
    done += static_cast<size_t>(n);
  }
}

void flushAndClose(FileDescriptor &file) {
  if (::fsync(file.get()) != 0)
    throw saveError(errno);
  if (const int err = file.close())
    throw saveError(err);
}

// The file a chain of symbolic links ends at (the path itself when it is no link).
std::string linkTarget(const std::string &path) {
  std::string target = path;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
      return target;
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink(target.c_str(), buffer, sizeof buffer);
    if (n < 0)
      throw saveError(errno);
    const std::string_view link(buffer, static_cast<size_t>(n));
    if (!link.empty() && link.front() == '/') {
      target = link;
    } else {
      std::string relative = folderOf(target);
      relative += '/';
      relative += link;
      target = std::move(relative);
    }
  }
  throw core::invalidFilenameError(ELOOP);
}

// Temporary files are ".<name>.<pid>-<counter>-<tick>.tmp" beside the file.
std::string temporaryPrefix(const std::string &target) {
  const std::string folder = folderOf(target);
  return (folder == "/" ? "" : folder) + "/." + nameOf(target) + ".";
}

std::string temporaryPath(const std::string &target) {
  static std::atomic<unsigned> counter{0};
  const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
  return temporaryPrefix(target) + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
         "-" + std::to_string(tick % 1000000) + ".tmp";
}

// True for the name of a temporary file of ours: "<prefix><pid>-<counter>-<tick>.tmp".
bool isTemporaryName(const std::string &name, const std::string &prefix) {
  const std::string suffix = ".tmp";
  if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
      name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
    return false;
  const std::string middle =
      name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  int dashes = 0;
  bool digit = false; // a digit since the last dash
  for (char c : middle) {
    if (c == '-' && digit) {
      ++dashes;
      digit = false;
    } else if (c >= '0' && c <= '9') {
      digit = true;
    } else {
      return false;
    }
  }
  return dashes == 2 && digit;
}

// Removes the temporary files of killed saves. A save holds a lock on its temporary file
// until it ends, and the kernel drops the lock of a killed one; the process number in the
// name tells nothing, since a new process may have it by now.
void removeStaleTemporaries(const std::string &target) {
  const std::string folder = folderOf(target);
  const std::string prefix = "." + nameOf(target) + ".";
  DIR *dir = ::opendir(folder.c_str());
  if (!dir)
    return;
  while (const dirent *entry = ::readdir(dir)) {
    if (!isTemporaryName(entry->d_name, prefix))
      continue;
    const int flags = O_CLOEXEC | O_NOCTTY | O_NOFOLLOW | O_NONBLOCK;
    int fd = ::openat(::dirfd(dir), entry->d_name, O_RDONLY | flags);
    if (fd < 0)
      fd = ::openat(::dirfd(dir), entry->d_name, O_WRONLY | flags);
    if (fd < 0)
      continue;
    FileDescriptor file(fd);
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::fstatat(::dirfd(dir), entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        named.st_ino == opened.st_ino && named.st_dev == opened.st_dev)
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

// The temporary file of a save: removed again unless it was renamed into place.
class TemporaryFile {
public:
  // fd() is negative, and error() says why, when no file could be made.
  explicit TemporaryFile(const std::string &target) {
    for (int attempt = 0; attempt < 100; ++attempt) {
      path_ = temporaryPath(target);
      fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
      if (fd_ >= 0 || errno != EEXIST)
        break;
    }
    error_ = fd_ < 0 ? errno : 0;
    if (fd_ >= 0)
      (void)::flock(fd_, LOCK_EX | LOCK_NB); // marks the save as going on (above)
    file_ = std::make_unique<FileDescriptor>(fd_);
  }
  TemporaryFile(const TemporaryFile &) = delete;
  TemporaryFile &operator=(const TemporaryFile &) = delete;
  ~TemporaryFile() {
    file_.reset();
    if (fd_ >= 0 && !committed_)
      ::unlink(path_.c_str());
  }

  int fd() const { return fd_; }
  int error() const { return error_; }
  FileDescriptor &file() { return *file_; }

  // 0, or the error number of a failed rename.
  int renameTo(const std::string &target) {
    if (::rename(path_.c_str(), target.c_str()) != 0)
      return errno;
    committed_ = true;
    return 0;
  }

private:
  std::string path_;
  int fd_ = -1;
  int error_ = 0;
  std::unique_ptr<FileDescriptor> file_;
  bool committed_ = false;
};

// Writes at an offset, all of it or an error; `done` counts the bytes that went in.
int writeAt(int fd, std::string_view bytes, off_t offset, size_t &done) {
  done = 0;
  while (done < bytes.size()) {
    const ssize_t n =
        ::pwrite(fd, bytes.data() + done, bytes.size() - done, offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0)
      return errno;
    if (n == 0)
      return ENOSPC;
    done += static_cast<size_t>(n);
  }
  return 0;
}

// At most `count` bytes from the start of the file.
std::string readStart(int fd, size_t count) {
  std::string bytes;
  char buffer[8192];
  while (bytes.size() < count) {
    const ssize_t n = ::pread(fd, buffer, std::min(sizeof buffer, count - bytes.size()),
                              static_cast<off_t>(bytes.size()));
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0)
      throw saveError(errno);
    if (n == 0)
      break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  return bytes;
}

// A device, pipe or socket in the file's place: nothing is read from it or written to it.
void refuseUnlessRegular(const struct stat &st) {
  if (S_ISDIR(st.st_mode))
    throw core::inOutError(EISDIR);
  if (!S_ISREG(st.st_mode))
    throw core::inOutError(core::EInOutError::kNotARegularFile);
}

// An error without a path gets this one.
template <class Operation> auto namingThePath(const std::string &path, Operation &&operation) {
  try {
    return operation();
  } catch (core::EInOutError &error) {
    if (error.path().empty())
      error.setPath(path);
    throw;
  }
}

// Not atomic: for a file whose folder takes no new files. What can fail fails before the
// old bytes are touched: the room for a longer file is taken first, and the file-size limit
// is that room's limit too. Should the rewrite still fail, the bytes it changed are written
// back and the old length restored. A kill between the steps leaves the old four lines
// followed by zero bytes, or the new four lines followed by the old file's tail: the reader
// looks at the first four lines only. Linux breaks a write off for a kill only between
// pages, so a file of up to one page is never left half-new by a kill; a longer one can be,
// and a power cut can tear either.
void rewriteInPlace(const std::string &target, std::string_view bytes) {
  const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0)
    throw saveError(errno);
  FileDescriptor file(fd);
  struct stat st {};
  if (::fstat(fd, &st) != 0)
    throw saveError(errno);
  refuseUnlessRegular(st);
  // Only the bytes the new ones overwrite are needed to undo a failed rewrite.
  const std::string old = readStart(fd, bytes.size());
  const off_t oldSize = st.st_size;
  const auto newSize = static_cast<off_t>(bytes.size());

  if (newSize > oldSize)
    if (const int err = ::posix_fallocate(fd, oldSize, newSize - oldSize)) {
      // Best effort: `(void)!` drops a result that the C library asks to be used.
      (void)!::ftruncate(fd, oldSize);
      throw saveError(err);
    }
  size_t done = 0;
  int err = writeAt(fd, bytes, 0, done);
  if (err == 0 && newSize < oldSize && ::ftruncate(fd, newSize) != 0)
    err = errno;
  if (err == 0 && ::fsync(fd) != 0)
    err = errno;
  if (err != 0) {
    // A failed write writes nothing, so the new bytes are those before `done`.
    const size_t changed = std::min(old.size(), done);
    size_t restored = 0;
    (void)writeAt(fd, std::string_view(old).substr(0, changed), 0, restored);
    (void)!::ftruncate(fd, oldSize);
    (void)::fsync(fd);
    throw saveError(err);
  }
  if (const int closeError = file.close())
    throw saveError(closeError);
}

std::string readStartOf(const std::string &path, size_t maxBytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0)
    throwOpenError(errno, path);
  FileDescriptor file(fd);
  struct stat st {};
  if (::fstat(fd, &st) != 0)
    throw core::inOutError(errno);
  if (S_ISDIR(st.st_mode))
    throw core::inOutError(EISDIR);

  std::string bytes;
  char buffer[8192];
  while (bytes.size() < maxBytes) {
    const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, maxBytes - bytes.size()));
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0)
      throw core::inOutError(errno);
    if (n == 0)
      break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  if (const int err = file.close())
    throw core::inOutError(err);
  return bytes;
}

// The save to the file a link ends at (or the path itself).
void saveTo(const std::string &target, std::string_view bytes) {
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  if (replacing)
    refuseUnlessRegular(old);
  if (replacing && ::access(target.c_str(), W_OK) != 0)
    throw core::inOutError(errno);

  removeStaleTemporaries(target);
  TemporaryFile temp(target);
  if (temp.fd() < 0) {
    if (replacing && (temp.error() == EACCES || temp.error() == EPERM))
      return rewriteInPlace(target, bytes);
    throw saveError(temp.error());
  }
  if (replacing)
    (void)::fchmod(temp.fd(), old.st_mode & 07777); // keep the old file's permissions
  writeAll(temp.fd(), bytes);
  flushAndClose(temp.file());
  if (const int err = temp.renameTo(target)) {
    // A sticky folder keeps another user's file from being replaced, though we may write it.
    if (replacing && (err == EPERM || err == EACCES))
      return rewriteInPlace(target, bytes);
    throw saveError(err); // a folder in the file's place fails here, with EISDIR
  }

  // Make the rename itself durable; the new file is in place either way.
  const int folder = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
}

void replaceFile(const std::string &path, std::string_view bytes) {
  if (path.empty())
    throw core::invalidFilenameError(ENOENT);
  if (folderOf(path) == userConfigFolder()) {
    std::string failed;
    if (const int err = createPrivateFolders(folderOf(path), &failed)) {
      core::EInOutError error =
          err == ENOENT || err == ENOTDIR ? core::invalidFilenameError(err) : core::inOutError(err);
      error.setPath(failed);
      throw error;
    }
  }

  const std::string target = linkTarget(path);
  namingThePath(target, [&] { saveTo(target, bytes); });
}

} // namespace

bool PosixConfigStorage::exists(const std::string &path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0)
    return true;
  return errno != ENOENT && errno != ENOTDIR && !path.empty();
}

std::string PosixConfigStorage::readHead(const std::string &path, size_t maxBytes) {
  return namingThePath(path, [&] { return readStartOf(path, maxBytes); });
}

void PosixConfigStorage::replace(const std::string &path, std::string_view bytes) {
  namingThePath(path, [&] { replaceFile(path, bytes); });
}

PosixConfigStorage &systemConfigStorage() {
  static PosixConfigStorage storage;
  return storage;
}

} // namespace platform
