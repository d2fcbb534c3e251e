// Regions: conversions, the shapes windows are cut to, and regions on windows.
#include "platform/region.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using platform::Region;

namespace {

std::vector<bool> diskMask(int w, int h) {
  std::vector<bool> mask(size_t(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double dx = (x + 0.5 - w / 2.0) / (w / 2.0), dy = (y + 0.5 - h / 2.0) / (h / 2.0);
      mask[size_t(y) * w + x] = dx * dx + dy * dy <= 1.0;
    }
  return mask;
}

} // namespace

TEST(Region, RegionDataRoundTripKeepsRectanglesAndPixels) {
  const Region disk(core::rectsFromMask(diskMask(60, 40), 60, 40));
  const std::vector<uint8_t> bytes = disk.toRegionData();
  ASSERT_EQ(bytes.size(), 32 + 16 * disk.rects().size());
  const auto back = Region::fromRegionData(bytes);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, disk);
  EXPECT_EQ(back->boundingRect(), QRect(0, 0, 60, 40));
  // The same pixels on the Qt side, both ways.
  EXPECT_EQ(Region::fromQRegion(disk.toQRegion()).toQRegion(), disk.toQRegion());
  EXPECT_TRUE(disk.toQRegion().contains(QPoint(30, 20)));
  EXPECT_FALSE(disk.toQRegion().contains(QPoint(0, 0)));
}

TEST(Region, BadRegionDataGivesNoRegion) {
  std::vector<uint8_t> bytes = Region(QRect(0, 0, 5, 5)).toRegionData();
  bytes[8] = 0xff; // rectangle count far beyond the bytes
  EXPECT_FALSE(Region::fromRegionData(bytes).has_value());
  EXPECT_FALSE(Region::fromRegionData(std::span<const uint8_t>(bytes.data(), 10)).has_value());
}

TEST(Region, OverlappingAndUnorderedRectanglesUniteCleanly) {
  const Region r(std::vector<core::Rect>{{10, 10, 20, 20}, {0, 0, 15, 15}, {5, 5, 5, 30}});
  const QRegion q = r.toQRegion();
  EXPECT_EQ(q, QRegion(10, 10, 10, 10).united(QRegion(0, 0, 15, 15)));
  EXPECT_FALSE(Region(std::vector<core::Rect>{{5, 5, 5, 30}}).toQRegion().contains(QPoint(5, 5)));
  EXPECT_TRUE(Region(std::vector<core::Rect>{{5, 5, 5, 30}}).isEmpty());
}

TEST(Region, HollowFrameIsOuterMinusInner) {
  const Region frame = Region::rectDifference(QRect(0, 0, 20, 10), QRect(2, 2, 16, 6));
  const QRegion q = frame.toQRegion();
  EXPECT_TRUE(q.contains(QPoint(0, 0)));
  EXPECT_TRUE(q.contains(QPoint(19, 9)));
  EXPECT_TRUE(q.contains(QPoint(1, 5)));
  EXPECT_FALSE(q.contains(QPoint(2, 2)));
  EXPECT_FALSE(q.contains(QPoint(17, 7)));
  EXPECT_TRUE(q.contains(QPoint(18, 7)));
  // An inside that is empty leaves the whole rectangle.
  EXPECT_EQ(
      Region::rectDifference(QRect(0, 0, 3, 3), QRect(QPoint(2, 2), QPoint(0, 0))).toQRegion(),
      QRegion(0, 0, 3, 3));
}

TEST(Region, RoundRectCutsTheCornersOnly) {
  const Region r = Region::roundRect(0, 0, 40, 30, 20, 20);
  const QRegion q = r.toQRegion();
  EXPECT_EQ(q.boundingRect(), QRect(0, 0, 40, 30));
  EXPECT_FALSE(q.contains(QPoint(0, 0)));
  EXPECT_FALSE(q.contains(QPoint(39, 29)));
  EXPECT_TRUE(q.contains(QPoint(20, 0)));
  EXPECT_TRUE(q.contains(QPoint(0, 15)));
  EXPECT_TRUE(q.contains(QPoint(39, 15)));
  // Symmetric left to right and top to bottom.
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      ASSERT_EQ(q.contains(QPoint(x, y)), q.contains(QPoint(39 - x, 29 - y))) << x << "," << y;
  EXPECT_EQ(Region::roundRect(0, 0, 10, 10, 0, 0).toQRegion(), QRegion(0, 0, 10, 10));
}

TEST(Region, PolygonAndCombinations) {
  const Region triangle = Region::polygon(QPolygon({QPoint(0, 0), QPoint(20, 0), QPoint(0, 20)}));
  EXPECT_TRUE(triangle.toQRegion().contains(QPoint(2, 2)));
  EXPECT_FALSE(triangle.toQRegion().contains(QPoint(18, 18)));
  const Region a(QRect(0, 0, 10, 10)), b(QRect(5, 0, 10, 10));
  EXPECT_EQ(a.united(b).toQRegion(), QRegion(0, 0, 15, 10));
  EXPECT_EQ(a.intersected(b).toQRegion(), QRegion(5, 0, 5, 10));
  EXPECT_EQ(a.subtracted(b).toQRegion(), QRegion(0, 0, 5, 10));
  EXPECT_EQ(a.xored(b).toQRegion(), QRegion(0, 0, 5, 10).united(QRegion(10, 0, 5, 10)));
}

TEST(WindowRegion, GivenRegionIsReadBackAndRemoved) {
  QWidget w;
  w.resize(100, 80);
  EXPECT_FALSE(platform::windowRegion(&w).has_value());
  const Region shape = Region::roundRect(0, 0, 100, 80, 30, 30);
  platform::setWindowRegion(&w, shape);
  EXPECT_EQ(w.mask(), shape.toQRegion());
  ASSERT_TRUE(platform::windowRegion(&w).has_value());
  EXPECT_EQ(*platform::windowRegion(&w), shape);
  platform::setWindowRegion(&w, std::nullopt);
  EXPECT_TRUE(w.mask().isEmpty());
  EXPECT_FALSE(platform::windowRegion(&w).has_value());
  // A mask set on the widget directly is read back from the widget.
  w.setMask(QRegion(0, 0, 10, 10));
  ASSERT_TRUE(platform::windowRegion(&w).has_value());
  EXPECT_EQ(platform::windowRegion(&w)->toQRegion(), QRegion(0, 0, 10, 10));
}

TEST(WindowRegion, InvisibleWindowKeepsGeometryVisibilityAndFocus) {
  QWidget w;
  auto *edit = new QLineEdit(&w);
  auto *layout = new QVBoxLayout(&w);
  layout->addWidget(edit);
  w.setGeometry(50, 60, 200, 100);
  w.show();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  edit->setFocus();
  const QRect before = w.geometry();

  platform::makeInvisible(&w);
  EXPECT_FALSE(w.mask().isEmpty()); // an empty mask would mean "whole"
  EXPECT_FALSE(w.mask().intersects(w.rect()));
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.geometry(), before);
  EXPECT_TRUE(edit->hasFocus());
  QTest::keyClicks(edit, "abc");
  EXPECT_EQ(edit->text(), "abc");
  ASSERT_TRUE(platform::windowRegion(&w).has_value());
  EXPECT_TRUE(platform::windowRegion(&w)->isEmpty());

  // An empty region given explicitly is the same invisibility.
  platform::setWindowRegion(&w, std::nullopt);
  platform::setWindowRegion(&w, Region());
  EXPECT_FALSE(w.mask().intersects(w.rect()));
  EXPECT_FALSE(w.mask().isEmpty());
}

TEST(Region, ExtremeCoordinatesStayWithinRange) {
  const Region r(std::vector<core::Rect>{{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX},
                                         {-5, -5, 5, 5},
                                         {INT32_MAX - 1, 0, INT32_MAX, 1}});
  const QRegion q = r.toQRegion();
  EXPECT_TRUE(q.contains(QPoint(0, 0)));
  EXPECT_TRUE(q.contains(QPoint(-(1 << 29), 1 << 28)));
  EXPECT_TRUE(q.contains(QPoint((1 << 29) - 1, 0)));
  QWidget w;
  w.resize(10, 10);
  platform::setWindowRegion(&w, r);
  EXPECT_TRUE(platform::windowRegion(&w).has_value());
}
