#pragma once
// Whether the process has room to start: free file descriptors and address space. Qt and GLib
// end the process with a signal when they cannot make their pipes and threads, or run on
// without tray icons and without a way to quit on SIGTERM; asked first, the program says so in
// one line and ends.
#include <string>

namespace platform {

// Empty when there is room; otherwise why not, in a phrase ("too few file descriptors: ...").
// The soft limit on descriptors is raised to the hard one first.
std::string roomFailure();

} // namespace platform
