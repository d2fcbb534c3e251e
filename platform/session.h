#pragma once
// The desktop session the program runs in. A Wayland compositor lets no client cut its
// windows to an outline, place them or keep them on top; its X server (Xwayland) does,
// through the X protocols the windows already use. So in a Wayland session that offers
// an X display the program runs there, unless the user picked a Qt platform.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The Qt platform to ask for, given WAYLAND_DISPLAY, DISPLAY and QT_QPA_PLATFORM as the
// session sets them (unset and empty alike): "xcb;wayland" (X, Wayland where X fails) in a
// Wayland session with an X display and no platform chosen; nothing (Qt's own choice)
// otherwise.
std::optional<std::string> platformForSession(std::string_view waylandDisplay,
                                              std::string_view xDisplay,
                                              std::string_view chosenPlatform);

// Applies platformForSession to this process's environment. Call before the
// application object is built; a "-platform" argument still wins over it.
void choosePlatformForSession();

// Whether the platform is a Wayland compositor's own: there a window mask only steers the
// mouse and does not cut what the window shows, and the compositor alone places windows.
bool onWayland(std::string_view platformName);
// The same for the running application's platform.
bool onWayland();

} // namespace platform
