#include "core/menu_banner.h"

#include <gtest/gtest.h>

using core::BannerTextPlace;
using core::Rgb;

TEST(MenuBanner, MulDivRoundsHalvesAwayFromZero) {
  struct Case {
    int number, numerator, denominator, expected;
  } cases[] = {
      {1, 127, 15, 8},  {2, 127, 15, 17}, {3, 5, 2, 8}, {-3, 5, 2, -8},
      {3, -5, 2, -8},   {3, 5, -2, -8},   {1, 1, 3, 0}, {2, 1, 3, 1},
      {5, 250, 16, 78}, {1, 1, 0, -1},    {0, 7, 3, 0},
  };
  for (const Case &c : cases)
    EXPECT_EQ(core::mulDiv(c.number, c.numerator, c.denominator), c.expected)
        << c.number << " * " << c.numerator << " / " << c.denominator;
  // The product is taken wide: 100000 * 100000 / 100000 does not overflow.
  EXPECT_EQ(core::mulDiv(100000, 100000, 100000), 100000);
}

TEST(MenuBanner, GreenToLimeInSixteenBands) {
  const auto bands = core::gradientBands(250, {0, 128, 0}, {0, 255, 0}, 16);
  ASSERT_EQ(bands.size(), 16u);
  const int greens[] = {128, 136, 145, 153, 162, 170, 179, 187,
                        196, 204, 213, 221, 230, 238, 247, 255};
  for (int i = 0; i < 16; ++i)
    EXPECT_EQ(bands[i].colour, (Rgb{0, greens[i], 0})) << "band " << i;
  // The bands tile the height without gaps or overlaps.
  EXPECT_EQ(bands.front().top, 0);
  EXPECT_EQ(bands.back().bottom, 250);
  for (int i = 1; i < 16; ++i)
    EXPECT_EQ(bands[i].top, bands[i - 1].bottom);
  EXPECT_EQ(bands[1].top, 16); // 250 / 16 = 15.6
}

TEST(MenuBanner, DegenerateBandCounts) {
  EXPECT_TRUE(core::gradientBands(100, {0, 0, 0}, {255, 255, 255}, 0).empty());
  const auto one = core::gradientBands(100, {10, 20, 30}, {255, 255, 255}, 1);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].colour, (Rgb{10, 20, 30}));
  EXPECT_EQ(one[0].bottom, 100);
  // Falling channels round away from zero too.
  const auto down = core::gradientBands(30, {255, 0, 0}, {0, 0, 0}, 3);
  EXPECT_EQ(down[1].colour.red, 127); // 255 - 127.5
}

TEST(MenuBanner, UpwardTextOriginByJustification) {
  // A 20-pixel band of 250 rows, a text 140 long and 20 high.
  EXPECT_EQ(core::bannerTextOrigin(0, 0, 20, 250, 140, 20, BannerTextPlace::Center),
            (core::Point{0, 249 - 55}));
  EXPECT_EQ(core::bannerTextOrigin(0, 0, 20, 250, 140, 20, BannerTextPlace::Top),
            (core::Point{0, 141}));
  EXPECT_EQ(core::bannerTextOrigin(0, 0, 20, 250, 140, 20, BannerTextPlace::Bottom),
            (core::Point{0, 249}));
  // A text higher than the band starts left of it by a whole pixel only from 2 on.
  EXPECT_EQ(core::bannerTextOrigin(0, 0, 20, 250, 140, 21, BannerTextPlace::Center).x, 0);
  EXPECT_EQ(core::bannerTextOrigin(0, 0, 20, 250, 140, 23, BannerTextPlace::Center).x, -1);
  // A text longer than the band is centred too and runs past both ends.
  EXPECT_EQ(core::bannerTextOrigin(0, 0, 20, 100, 140, 20, BannerTextPlace::Center).y, 99 + 20);
}

TEST(MenuBanner, LevelWidthLeavesRoomForShortcutsAndSubmenus) {
  using M = core::MenuItemMeasure;
  struct Case {
    const char *what;
    std::vector<M> items;
    int expected;
  } cases[] = {
      {"captions only", {{100, 0, false}, {160, 0, false}}, 160 + 21},
      {"a lone item gets half a box more", {{100, 0, false}}, 100 + 10 + 21},
      {"a submenu gets a box more", {{100, 0, true}, {110, 0, false}}, 100 + 21 + 21},
      {"shortcut beside a short caption", {{120, 40, false}, {140, 0, false}}, 120 + 40 + 2 * 21},
      {"widest caption wins over the shortcut column",
       {{60, 40, false}, {200, 0, false}},
       200 + 21},
      {"widest captioned shortcut item", {{90, 30, false}, {60, 50, false}}, 90 + 50 + 2 * 21},
  };
  for (const Case &c : cases)
    EXPECT_EQ(core::menuLevelWidth(c.items, 21), c.expected) << c.what;
}
