#pragma once
// The arithmetic of a menu with a banner: the banner's colour bands, where its upward text
// starts, and the width of the items of one menu level.
#include <cstdint>
#include <vector>

namespace core {

// number * numerator / denominator rounded to the nearest integer, halves away from zero;
// -1 when denominator is 0.
int mulDiv(int number, int numerator, int denominator);

struct Rgb {
  int red = 0, green = 0, blue = 0;
  bool operator==(const Rgb &) const = default;
};

struct ColourBand {
  int top = 0, bottom = 0; // rows top .. bottom - 1
  Rgb colour;
  bool operator==(const ColourBand &) const = default;
};

// A vertical gradient from `start` (top) to `end` (bottom) over `height` rows in `count`
// bands of one colour each. Fewer than one band draws nothing; one band is all `start`.
std::vector<ColourBand> gradientBands(int height, Rgb start, Rgb end, int count);

enum class BannerTextPlace { Center, Top, Bottom };

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point &) const = default;
};

// Where a text written upward starts in a banner area (left, top, width, height): the
// corner of its cell from which it runs up. `textWidth` runs along the baseline,
// `textHeight` across it.
Point bannerTextOrigin(int left, int top, int width, int height, int textWidth, int textHeight,
                       BannerTextPlace place);

// One item of a menu level as measured for the width.
struct MenuItemMeasure {
  int captionWidth = 0;  // without the shortcut; the accelerator mark not counted
  int shortcutWidth = 0; // 0 without a shortcut
  bool hasSubmenu = false;
};

// The width every item of a menu level gets: room for the widest caption and for the
// captions with shortcuts next to the widest shortcut, plus the mark column.
int menuLevelWidth(const std::vector<MenuItemMeasure> &items, int checkBoxWidth);

} // namespace core
