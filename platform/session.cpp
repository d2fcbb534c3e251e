#include "platform/session.h"

#include <QGuiApplication>

#include <cstdlib>

namespace platform {

namespace {

std::string_view variable(const char *name) {
  const char *value = std::getenv(name);
  return value ? std::string_view(value) : std::string_view();
}

} // namespace

std::optional<std::string> platformForSession(std::string_view waylandDisplay,
                                              std::string_view xDisplay,
                                              std::string_view chosenPlatform) {
  if (!chosenPlatform.empty() || waylandDisplay.empty() || xDisplay.empty())
    return std::nullopt;
  // Wayland after it: an X display that cannot be reached does not keep the program from
  // starting.
  return std::string("xcb;wayland");
}

void choosePlatformForSession() {
  const auto platform = platformForSession(variable("WAYLAND_DISPLAY"), variable("DISPLAY"),
                                           variable("QT_QPA_PLATFORM"));
  if (platform)
    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platform));
}

bool onWayland(std::string_view platformName) {
  // "wayland", "wayland-egl", "wayland-xcomposite-glx", ...
  return platformName.starts_with("wayland");
}

bool onWayland() {
  return onWayland(QGuiApplication::platformName().toStdString());
}

} // namespace platform
