#pragma once
// Whether the application object will find a display. Qt aborts the process when none of the
// platforms it tries can connect; asked first, the program says so in one line and ends.
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The platforms Qt tries, in order, given a "-platform" argument, QT_QPA_PLATFORM and
// XDG_SESSION_TYPE (each empty when not given): names without their ":options".
std::vector<std::string> platformsToTry(std::string_view platformArgument,
                                        std::string_view chosenPlatform,
                                        std::string_view sessionType);

// Empty when one of those platforms reaches its display; otherwise why not, in a phrase
// ("cannot open the display (DISPLAY=:5, WAYLAND_DISPLAY unset)"). Platforms other than X and
// Wayland are taken as working. `displayArgument` is a "-display" argument or empty.
std::string displayFailure(std::string_view platformArgument, std::string_view displayArgument);

} // namespace platform
