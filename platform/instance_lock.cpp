#include "platform/instance_lock.h"

#include "platform/user_folders.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {

std::string InstanceLock::defaultPath(const std::string &name) {
  const char *runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime == '/')
    return std::string(runtime) + "/" + name + ".lock";
  return userConfigFolder() + "/" + name + ".lock";
}

InstanceLock::InstanceLock(const std::string &name) : path_(defaultPath(name)) {}

InstanceLock::InstanceLock(AtPath path) : path_(std::move(path.path)) {}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0)
    ::close(fd_); // closing the last descriptor releases the lock
}

bool InstanceLock::tryAcquire() {
  if (fd_ >= 0)
    return true;
  if (folderOf(path_) == userConfigFolder() && createPrivateFolders(folderOf(path_)) != 0)
    return false;
  // Close-on-exec: a child process must not keep the lock after we end.
  int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0)
    return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || st.st_uid != ::geteuid()) {
    ::close(fd);
    return false;
  }
  int rc;
  do {
    rc = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (rc != 0 && errno == EINTR);
  if (rc != 0) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

} // namespace platform
