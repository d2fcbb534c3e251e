#include "platform/login_marker.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

bool firstTimeThisLogin(const std::string &runtimeFolder, const std::string &name) {
  if (runtimeFolder.empty() || runtimeFolder.front() != '/')
    return true;
  const std::string path = runtimeFolder + "/" + name;
  // The marker is its existence: the first to create it wins.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd >= 0) {
    ::close(fd);
    return true;
  }
  return errno != EEXIST;
}

bool firstTimeThisLogin(const std::string &name) {
  const char *runtime = std::getenv("XDG_RUNTIME_DIR");
  return firstTimeThisLogin(runtime ? std::string(runtime) : std::string(), name);
}

} // namespace platform
