#pragma once
// Fonts the desktop chooses for kinds of text.
#include <QFont>

#include <optional>

namespace platform {

// The font the desktop gives status texts; nothing when it gives none of its
// own (the application's general font is not taken for one).
std::optional<QFont> statusFont();

} // namespace platform
