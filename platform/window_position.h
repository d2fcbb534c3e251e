#pragma once
// Where a window really is on the screen.
#include <QPoint>

class QWidget;

namespace platform {

// The screen position of the window's top-left corner as the window system
// has it. Qt's own record of a top-level window's position can lag behind
// (right after the window manager has mapped it, it may read (0, 0)), which
// would throw a drag across the screen. Falls back to Qt's record where the
// window system cannot be asked.
QPoint windowScreenOrigin(const QWidget *window);

} // namespace platform
