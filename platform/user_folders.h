#pragma once
// Where the program keeps the user's files: in the user's own configuration folder, which
// only the user can write into.

#include <string>

namespace platform {

// "$XDG_CONFIG_HOME/Calvoro by KALDO Prototyping", or under "$HOME/.config" when
// XDG_CONFIG_HOME is unset, empty or not an absolute path. A HOME that is not an absolute
// path is ignored too: the user's entry in the password database names the home.
std::string userConfigFolder();

// The configuration file: the program's own path mapped into userConfigFolder(). Windows
// keeps the program's path as it is.
std::string configFilePath();

// Creates the folder and any missing folder above it, each with mode 700. Returns 0, or the
// system error number (ENOTDIR when a file stands in the way) with the folder that could not
// be made in `failed`.
int createPrivateFolders(const std::string &folder, std::string *failed = nullptr);

// The parts of a path around its last slash: "/a/b" gives "/a" and "b"; a name alone lives
// in ".".
std::string folderOf(const std::string &path);
std::string nameOf(const std::string &path);

} // namespace platform
