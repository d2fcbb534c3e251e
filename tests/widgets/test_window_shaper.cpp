// The window shaper: the stored outline, applying it, and damaged data.
#include "components/window_shaper.h"

#include <QBuffer>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstring>

namespace {

// 777 rectangles in bands of seven, like the splash outline.
std::vector<core::Rect> sampleRects() {
  std::vector<core::Rect> rects;
  for (int i = 0; i < 777; ++i) {
    const int band = i / 7, col = i % 7;
    rects.push_back({3 + col * 34, 53 + band, 3 + col * 34 + 30, 54 + band});
  }
  return rects;
}

QByteArray bytes(const std::vector<uint8_t> &v) {
  return QByteArray(reinterpret_cast<const char *>(v.data()), qsizetype(v.size()));
}

QByteArray sampleStored() {
  return bytes(core::encodeStoredShape(core::encodeRegionData(sampleRects())));
}

QByteArray withLength(uint32_t n, const QByteArray &rest) {
  QByteArray out(4, '\0');
  for (int i = 0; i < 4; ++i)
    out[i] = char(n >> (8 * i));
  return out + rest;
}

uint32_t le32(const QByteArray &b, int at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i)
    v = v << 8 | uint8_t(b[at + i]);
  return v;
}

struct Shaped : ::testing::Test {
  QWidget form;
  WindowShaper shaper{&form};
  Shaped() { form.resize(244, 180); }
  bool unshaped() const { return form.mask().isEmpty(); }
};

} // namespace

TEST_F(Shaped, StoredBytesRoundTripExactly) {
  const QByteArray stored = sampleStored();
  ASSERT_EQ(stored.size(), 12468);
  EXPECT_EQ(le32(stored, 0), 12464u);
  shaper.loadShape(stored);
  EXPECT_FALSE(shaper.isActive());
  EXPECT_TRUE(unshaped()) << "loading applies nothing";
  EXPECT_EQ(shaper.saveShape(), stored);
  EXPECT_EQ(shaper.regionData().size(), 12464u);

  // Loaded again from what was saved: the same 777 rectangles.
  WindowShaper again(&form);
  again.setShape(shaper.shape());
  const auto region = platform::Region::fromRegionData(again.regionData());
  ASSERT_TRUE(region.has_value());
  EXPECT_EQ(region->rects(), sampleRects());
}

TEST_F(Shaped, ActiveAppliesOnceAndOffRestoresTheWholeWindow) {
  shaper.loadShape(sampleStored());
  shaper.setActive(true);
  EXPECT_TRUE(shaper.isActive());
  const QRegion applied = platform::Region(sampleRects()).toQRegion();
  EXPECT_EQ(form.mask(), applied);

  // A second True does not apply again.
  platform::setWindowRegion(&form, platform::Region(QRect(0, 0, 5, 5)));
  shaper.setActive(true);
  EXPECT_EQ(form.mask(), QRegion(0, 0, 5, 5));

  shaper.setActive(false);
  EXPECT_FALSE(shaper.isActive());
  EXPECT_TRUE(unshaped());
}

TEST_F(Shaped, EmptyShapeClearsAndSavesAsNothing) {
  shaper.setActive(true);
  EXPECT_FALSE(shaper.isActive()) << "no data: nothing to apply";

  shaper.loadShape(sampleStored());
  shaper.setActive(true);
  ASSERT_FALSE(unshaped());
  shaper.loadShape(QByteArray());
  EXPECT_TRUE(unshaped()) << "an empty shape takes the region off";
  EXPECT_TRUE(shaper.isActive()) << "the flag stays as it was";
  EXPECT_TRUE(shaper.saveShape().isEmpty());
  EXPECT_TRUE(shaper.shape().isEmpty());
}

TEST_F(Shaped, NewShapeWaitsForReactivation) {
  shaper.loadShape(sampleStored());
  shaper.setActive(true);
  const QRegion first = form.mask();
  const auto second = platform::Region(QRect(0, 0, 50, 50));
  shaper.loadShape(bytes(core::encodeStoredShape(second.toRegionData())));
  EXPECT_EQ(form.mask(), first);
  shaper.setActive(false);
  shaper.setActive(true);
  EXPECT_EQ(form.mask(), second.toQRegion());
}

TEST_F(Shaped, ChangingTheTargetUnshapesTheOldAndLeavesTheNewUnshaped) {
  QWidget other;
  other.resize(244, 180);
  shaper.loadShape(sampleStored());
  shaper.setActive(true);
  ASSERT_FALSE(unshaped());
  shaper.setControlToShape(&other);
  EXPECT_FALSE(shaper.isActive());
  EXPECT_TRUE(unshaped());
  EXPECT_TRUE(other.mask().isEmpty());
  EXPECT_EQ(shaper.target(), &other);
  shaper.setActive(true);
  EXPECT_FALSE(other.mask().isEmpty());
  EXPECT_TRUE(unshaped());
}

TEST_F(Shaped, DestroyedTargetIsForgotten) {
  auto *other = new QWidget;
  shaper.loadShape(sampleStored());
  shaper.setControlToShape(other);
  shaper.setActive(true);
  delete other;
  EXPECT_EQ(shaper.controlToShape(), nullptr);
  EXPECT_FALSE(shaper.isActive());
  EXPECT_TRUE(unshaped()) << "the owner is not touched";
  EXPECT_EQ(shaper.target(), &form);
}

TEST_F(Shaped, ShapeReadsAreIndependentCopies) {
  shaper.loadShape(sampleStored());
  QByteArray a = shaper.shape();
  const QByteArray b = shaper.shape();
  EXPECT_EQ(a, b);
  EXPECT_NE(a.constData(), b.constData());
  a[10] = char(a[10] ^ 0x5a);
  EXPECT_EQ(b, sampleStored());
  EXPECT_EQ(shaper.shape(), sampleStored());
}

TEST_F(Shaped, StreamReadsFromItsPosition) {
  QByteArray content = "junk" + sampleStored();
  QBuffer stream(&content);
  stream.open(QIODevice::ReadOnly);
  stream.seek(4);
  shaper.setShape(stream);
  EXPECT_EQ(shaper.saveShape(), sampleStored());
}

// Lengths and headers that do not match the bytes never shape the window and
// never read past the data.
TEST_F(Shaped, HostileDataLeaveTheWindowUnshaped) {
  const QByteArray region = bytes(core::encodeRegionData(sampleRects()));
  QByteArray garbageHeader = region;
  std::memset(garbageHeader.data(), 0xA5, 16);
  QByteArray hugeCount = region.left(32);
  hugeCount[8] = char(0xff), hugeCount[9] = char(0xff), hugeCount[10] = char(0xff),
  hugeCount[11] = char(0x7f);

  const struct {
    const char *what;
    QByteArray stored;
  } cases[] = {
      {"length beyond the data", withLength(12464, region.left(100))},
      {"length 0x7fffffff", withLength(0x7fffffff, region.left(64))},
      {"length 0xffffffff", withLength(0xffffffff, region.left(64))},
      {"length cut short of the rectangles", withLength(40, region)},
      {"garbage header", withLength(uint32_t(garbageHeader.size()), garbageHeader)},
      {"count 0x7fffffff", withLength(32, hugeCount)},
      {"less than a length", QByteArray("\x10\x00", 2)},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    // Shaped with good data first: a bad load must not keep or make a shape.
    shaper.setActive(false);
    shaper.loadShape(sampleStored());
    shaper.setActive(true);
    ASSERT_FALSE(unshaped());
    shaper.setActive(false);

    shaper.loadShape(c.stored);
    shaper.setActive(true);
    EXPECT_TRUE(unshaped());
    EXPECT_LE(shaper.regionData().size(), size_t(c.stored.size()));

    QBuffer stream(const_cast<QByteArray *>(&c.stored));
    stream.open(QIODevice::ReadOnly);
    shaper.setActive(false);
    shaper.setShape(stream);
    shaper.setActive(true);
    EXPECT_TRUE(unshaped());
  }
}
