#include "platform/display_check.h"

#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#ifdef CALVORO_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace platform {

namespace {

std::string_view variable(const char *name) {
  const char *value = std::getenv(name);
  return value ? std::string_view(value) : std::string_view();
}

bool xReachable(std::string_view display) {
#ifdef CALVORO_HAVE_XCB
  const std::string name(display);
  xcb_connection_t *connection = xcb_connect(name.empty() ? nullptr : name.c_str(), nullptr);
  const bool reached = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return reached;
#else
  (void)display;
  return true;
#endif
}

// Where the compositor's socket is, as its client library looks for it.
bool waylandReachable() {
  if (!variable("WAYLAND_SOCKET").empty())
    return true;
  std::string path(variable("WAYLAND_DISPLAY"));
  if (path.empty())
    path = "wayland-0";
  if (path.front() != '/') {
    const std::string_view runtime = variable("XDG_RUNTIME_DIR");
    if (runtime.empty())
      return false;
    path = std::string(runtime) + "/" + path;
  }
  sockaddr_un address = {};
  if (path.size() >= sizeof address.sun_path)
    return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0)
    return false;
  const bool reached =
      ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
  ::close(fd);
  return reached;
}

std::string shown(const char *name) {
  const std::string_view value = variable(name);
  return value.empty() ? std::string(name) + " unset"
                       : std::string(name) + "=" + std::string(value);
}

} // namespace

std::vector<std::string> platformsToTry(std::string_view platformArgument,
                                        std::string_view chosenPlatform,
                                        std::string_view sessionType) {
  // The argument wins over the variable, which wins over the session's type.
  std::string_view list = platformArgument;
  if (list.empty())
    list = chosenPlatform;
  if (list.empty())
    list = sessionType == "wayland" ? "wayland" : "xcb";
  std::vector<std::string> platforms;
  while (!list.empty()) {
    const size_t end = list.find(';');
    std::string_view entry = list.substr(0, end);
    entry = entry.substr(0, entry.find(':'));
    if (!entry.empty())
      platforms.emplace_back(entry);
    list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
  }
  return platforms;
}

std::string displayFailure(std::string_view platformArgument, std::string_view displayArgument) {
  for (const std::string &platform : platformsToTry(platformArgument, variable("QT_QPA_PLATFORM"),
                                                    variable("XDG_SESSION_TYPE"))) {
    if (platform == "xcb") {
      if (xReachable(displayArgument))
        return {};
    } else if (platform.starts_with("wayland")) {
      if (waylandReachable())
        return {};
    } else {
      return {};
    }
  }
  const std::string x =
      displayArgument.empty() ? shown("DISPLAY") : "-display " + std::string(displayArgument);
  return "cannot open the display (" + x + ", " + shown("WAYLAND_DISPLAY") + ")";
}

} // namespace platform
