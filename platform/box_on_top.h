#pragma once
// Runs the program's message and error boxes modally above every window of the program: the
// splash and the content window stay on top, so a box the window manager stacks like any
// other new window would open under them, and the program would look frozen behind it.

#include <QMessageBox>

namespace platform {

// Shows the box stay-on-top, raises and focuses it once it is on the screen, and runs it.
int execOnTop(QMessageBox &box);

} // namespace platform
