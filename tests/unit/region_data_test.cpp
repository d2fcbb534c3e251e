#include "core/region_data.h"

#include <gtest/gtest.h>

using core::Rect;

TEST(RegionData, EncodesHeaderCountsAndBoundsAndDecodesBack) {
  std::vector<Rect> rects{{3, 53, 10, 54}, {5, 54, 239, 171}};
  auto bytes = core::encodeRegionData(rects);
  ASSERT_EQ(bytes.size(), 32u + 2 * 16);
  EXPECT_EQ(bytes[0], 32);
  EXPECT_EQ(bytes[4], 1);
  EXPECT_EQ(bytes[8], 2);
  EXPECT_EQ(bytes[12], 32);
  auto decoded = core::decodeRegionData(bytes);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->rects, rects);
  EXPECT_EQ(decoded->bounds, (Rect{3, 53, 239, 171}));
}

TEST(RegionData, NegativeCoordinatesSurviveTheRoundTrip) {
  std::vector<Rect> rects{{-5, -7, -1, -2}};
  auto decoded = core::decodeRegionData(core::encodeRegionData(rects));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->rects, rects);
}

TEST(RegionData, RefusesDataThatDoesNotAgreeWithItsHeader) {
  auto good = core::encodeRegionData({{0, 0, 4, 4}, {0, 4, 2, 6}});
  auto truncated = good;
  truncated.pop_back();
  EXPECT_FALSE(core::decodeRegionData(truncated));
  auto hugeCount = good;
  hugeCount[11] = 0x7f; // about two billion rectangles promised
  EXPECT_FALSE(core::decodeRegionData(hugeCount));
  auto badHeader = good;
  badHeader[0] = 31;
  EXPECT_FALSE(core::decodeRegionData(badHeader));
  auto badType = good;
  badType[4] = 2;
  EXPECT_FALSE(core::decodeRegionData(badType));
  EXPECT_FALSE(core::decodeRegionData(std::span<const uint8_t>(good.data(), 31)));
}

TEST(StoredShape, LengthPrefixRoundTripAndEmptyShape) {
  auto region = core::encodeRegionData({{1, 2, 3, 4}});
  auto stored = core::encodeStoredShape(region);
  ASSERT_EQ(stored.size(), region.size() + 4);
  EXPECT_EQ(stored[0], region.size());
  EXPECT_EQ(core::decodeStoredShape(stored), region);
  EXPECT_TRUE(core::encodeStoredShape({}).empty());
  auto empty = core::decodeStoredShape({});
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->empty());
}

TEST(StoredShape, HostileLengthsAreRefused) {
  auto stored = core::encodeStoredShape(core::encodeRegionData({{1, 2, 3, 4}}));
  auto longer = stored;
  longer[3] = 0xff; // promises 4 GiB
  EXPECT_FALSE(core::decodeStoredShape(longer));
  EXPECT_FALSE(core::decodeStoredShape(std::span<const uint8_t>(stored.data(), 3)));
  stored.push_back(0); // trailing bytes beyond N are ignored
  EXPECT_TRUE(core::decodeStoredShape(stored));
}

TEST(RectsFromMask, CoversExactlyTheSetPixels) {
  const int w = 7, h = 5;
  std::vector<bool> mask(static_cast<size_t>(w) * h, false);
  auto set = [&](int x, int y) { mask[y * w + x] = true; };
  for (int y = 0; y < 3; ++y)
    for (int x = 1; x < 4; ++x)
      set(x, y);
  set(6, 1);
  set(0, 4);
  set(2, 4);
  auto rects = core::rectsFromMask(mask, w, h);
  std::vector<int> cover(static_cast<size_t>(w) * h, 0);
  for (const Rect &r : rects)
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        ++cover[y * w + x];
  for (int i = 0; i < w * h; ++i)
    EXPECT_EQ(cover[i], mask[i] ? 1 : 0) << "pixel " << i % w << "," << i / w;
  // The 3x3 block's top row and the rows with the lone pixel differ, so bands split.
  EXPECT_LE(rects.size(), 6u);
}
