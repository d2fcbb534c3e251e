#include "core/menu_banner.h"

#include <algorithm>
#include <cstdlib>

namespace core {

int mulDiv(int number, int numerator, int denominator) {
  if (denominator == 0)
    return -1;
  const long long product = static_cast<long long>(number) * numerator;
  const long long magnitude = (std::llabs(product) * 2 + std::llabs(denominator)) /
                              (2 * static_cast<long long>(std::llabs(denominator)));
  const bool negative = (product < 0) != (denominator < 0);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

std::vector<ColourBand> gradientBands(int height, Rgb start, Rgb end, int count) {
  std::vector<ColourBand> bands;
  if (count < 1)
    return bands;
  bands.reserve(static_cast<std::size_t>(count));
  auto channel = [&](int from, int to, int i) {
    return count < 2 ? from : from + mulDiv(i, to - from, count - 1);
  };
  for (int i = 0; i < count; ++i) {
    ColourBand band;
    band.top = mulDiv(i, height, count);
    band.bottom = mulDiv(i + 1, height, count);
    band.colour = {channel(start.red, end.red, i), channel(start.green, end.green, i),
                   channel(start.blue, end.blue, i)};
    bands.push_back(band);
  }
  return bands;
}

Point bannerTextOrigin(int left, int top, int width, int height, int textWidth, int textHeight,
                       BannerTextPlace place) {
  const int bottom = top + height;
  const int x = left + (width - textHeight) / 2;
  switch (place) {
  case BannerTextPlace::Top:
    return {x, top + textWidth + 1};
  case BannerTextPlace::Bottom:
    return {x, bottom - 1};
  case BannerTextPlace::Center:
    break;
  }
  return {x, bottom - 1 - (height - textWidth) / 2};
}

int menuLevelWidth(const std::vector<MenuItemMeasure> &items, int checkBoxWidth) {
  int captionMax = 0, withShortcutMax = 0, shortcutMax = 0;
  for (const MenuItemMeasure &item : items) {
    int caption = item.captionWidth;
    if (item.hasSubmenu)
      caption += checkBoxWidth;
    else if (items.size() < 2)
      caption += checkBoxWidth / 2;
    captionMax = std::max(captionMax, caption);
    if (item.shortcutWidth > 0)
      withShortcutMax = std::max(withShortcutMax, caption);
    shortcutMax = std::max(shortcutMax, item.shortcutWidth);
  }
  if (shortcutMax > 0 && withShortcutMax + shortcutMax + checkBoxWidth > captionMax)
    return withShortcutMax + shortcutMax + 2 * checkBoxWidth;
  return captionMax + checkBoxWidth;
}

} // namespace core
