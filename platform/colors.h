#pragma once
// Named colours as the windows give them, and the classic colour integer: 0x00BBGGRR for a
// plain colour, 0x80000000 plus an index for a colour of the system's scheme.

#include <QColor>
#include <QPalette>
#include <QString>

#include <cstdint>
#include <optional>

namespace platform {

using ColorCode = std::int32_t;

// The colour integer of a plain colour given as red, green, blue.
constexpr ColorCode rgbColor(int red, int green, int blue) {
  return red | (green << 8) | (blue << 16);
}

inline constexpr ColorCode clBlack = 0x000000;
inline constexpr ColorCode clMaroon = 0x000080;
inline constexpr ColorCode clGreen = 0x008000;
inline constexpr ColorCode clOlive = 0x008080;
inline constexpr ColorCode clNavy = 0x800000;
inline constexpr ColorCode clPurple = 0x800080;
inline constexpr ColorCode clTeal = 0x808000;
inline constexpr ColorCode clGray = 0x808080;
inline constexpr ColorCode clSilver = 0xC0C0C0;
inline constexpr ColorCode clRed = 0x0000FF;
inline constexpr ColorCode clLime = 0x00FF00;
inline constexpr ColorCode clYellow = 0x00FFFF;
inline constexpr ColorCode clBlue = 0xFF0000;
inline constexpr ColorCode clFuchsia = 0xFF00FF;
inline constexpr ColorCode clAqua = 0xFFFF00;
inline constexpr ColorCode clWhite = 0xFFFFFF;

// The program's own: behind the power gauges' bars.
inline constexpr ColorCode clPaleYellow = rgbColor(255, 255, 221);

// System colours: taken from the application's palette.
inline constexpr ColorCode clSystemColor = static_cast<ColorCode>(0x80000000u);
inline constexpr ColorCode clActiveCaption = clSystemColor | 2;
inline constexpr ColorCode clWindow = clSystemColor | 5;
inline constexpr ColorCode clWindowFrame = clSystemColor | 6;
inline constexpr ColorCode clMenu = clSystemColor | 4;
inline constexpr ColorCode clMenuText = clSystemColor | 7;
inline constexpr ColorCode clWindowText = clSystemColor | 8;
inline constexpr ColorCode clHighlight = clSystemColor | 13;
inline constexpr ColorCode clHighlightText = clSystemColor | 14;
inline constexpr ColorCode clBtnFace = clSystemColor | 15;
inline constexpr ColorCode clBtnShadow = clSystemColor | 16;
inline constexpr ColorCode clGrayText = clSystemColor | 17;
inline constexpr ColorCode clBtnText = clSystemColor | 18;
inline constexpr ColorCode clBtnHighlight = clSystemColor | 20;
inline constexpr ColorCode clInfoText = clSystemColor | 23;
inline constexpr ColorCode clInfoBk = clSystemColor | 24;

constexpr bool isSystemColor(ColorCode color) {
  return (static_cast<std::uint32_t>(color) & 0x80000000u) != 0;
}

// The colour for a classic colour integer; system colours come from `palette`. An unknown
// system index gives black.
QColor toQColor(ColorCode color, const QPalette &palette);
// The same with the application's palette.
QColor toQColor(ColorCode color);

// `color` for drawing on `ground`. On a plain ground, which stays as the design has it
// whatever the desktop's palette, a system colour takes its value in the classic light
// scheme (window text black, button face silver, ...): white window text on a silver panel
// cannot be read. On a system ground both follow `palette`.
QColor toQColorOn(ColorCode color, ColorCode ground, const QPalette &palette);

// The colour integer for a name such as "clSilver"; nothing for an unknown name.
std::optional<ColorCode> colorByName(const QString &name);

} // namespace platform
