#include "platform/user_folders.h"

#include "core/config_file.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::string homeFolder() {
  const char *home = std::getenv("HOME");
  if (home && *home == '/')
    return home;
  const passwd *entry = ::getpwuid(::getuid());
  return entry && entry->pw_dir ? entry->pw_dir : "/";
}

// "Calvoro by KALDO Prototyping" and "Calvoro.ini" from the program's path.
std::string programPathPart(int fromEnd) {
  std::string path(core::kConfigPath);
  for (int i = 0; i < fromEnd; ++i)
    path.resize(path.find_last_of('\\'));
  return path.substr(path.find_last_of('\\') + 1);
}

} // namespace

std::string userConfigFolder() {
  const char *config = std::getenv("XDG_CONFIG_HOME");
  const std::string base =
      config && *config == '/' ? std::string(config) : homeFolder() + "/.config";
  return (base == "/" ? "" : base) + "/" + programPathPart(1);
}

std::string configFilePath() {
  return userConfigFolder() + "/" + programPathPart(0);
}

int createPrivateFolders(const std::string &folder, std::string *failed) {
  for (size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
    const std::string part = folder.substr(0, end);
    if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0) {
      const int err = errno;
      struct stat st {};
      const int found = ::stat(part.c_str(), &st) != 0 ? err : S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
      if (found != 0 && failed)
        *failed = part;
      if (found != 0)
        return found;
    }
    if (end == std::string::npos)
      return 0;
  }
}

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

} // namespace platform
