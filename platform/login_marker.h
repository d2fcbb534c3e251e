#pragma once
// Things done once per login, such as a notice: a marker file in the login's runtime folder
// ($XDG_RUNTIME_DIR), which the system empties when the user's last session ends.
#include <string>

namespace platform {

// True the first time `name` is claimed in `runtimeFolder`, false after; also true, every
// time, when there is no runtime folder (empty or relative) or it takes no file.
bool firstTimeThisLogin(const std::string &runtimeFolder, const std::string &name);
// The same in this login's runtime folder.
bool firstTimeThisLogin(const std::string &name);

} // namespace platform
