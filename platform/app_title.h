#pragma once

namespace platform {

// The application's title: the caption of its error box.
inline constexpr char kApplicationTitle[] = "Calvoro by KALDO Prototyping";

} // namespace platform
