#pragma once
// Cutting a text to a length limit counted in UTF-16 units, as the tray, its
// tips and the balloons count.
#include <QString>

namespace platform {

// The first `limit` units of `text`, one fewer where the cut would split a
// character written as a surrogate pair.
QString leftWhole(const QString &text, qsizetype limit);

} // namespace platform
