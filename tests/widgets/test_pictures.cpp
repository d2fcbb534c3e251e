// The compiled-in pictures: names, sizes, palette, the level icons' fill,
// the lookup, and the splash outline against the logo it belongs to.
#include "core/region_data.h"
#include "resources/pictures.h"

#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Expected {
  const char *name;
  int width, height;
  bool sixteenColours;
};

std::vector<Expected> expectedPictures() {
  std::vector<Expected> out;
  static const std::vector<std::string> levelNames = [] {
    std::vector<std::string> n;
    for (const char *cycle : {"emotio", "intel", "physiq"})
      for (int step = 0; step <= 10; ++step)
        n.push_back(cycle + std::to_string(step));
    return n;
  }();
  out.reserve(out.size() + levelNames.size());
  for (const std::string &n : levelNames)
    out.push_back({n.c_str(), 32, 32, true});
  const std::vector<Expected> rest = {
      {"happy", 32, 32, true},
      {"attenti", 32, 32, true},
      {"tray21", 32, 32, true},
      {"tray22", 32, 32, true},
      {"tray23", 32, 32, true},
      {"tray21_16", 16, 16, true},
      {"tray22_16", 16, 16, true},
      {"calvoro_16", 16, 16, false},
      {"calvoro_32", 32, 32, false},
      {"calvoro_48", 48, 48, false},
      {"calvoro_64", 64, 64, false},
      {"calvoro_128", 128, 128, false},
      {"calvoro_256", 256, 256, false},
      {"logo", 241, 127, true},
      {"frame", 20, 18, true},
      {"framev", 15, 18, true},
      {"aboutframe", 20, 18, false},
      {"aboutframev", 15, 18, false},
      {"calendbg", 100, 30, false},
      {"powerbg", 320, 200, true},
      {"setupbg", 317, 220, true},
      {"projectionbg", 320, 200, true},
      {"aboutbg", 320, 200, false},
      {"guide_emotio", 41, 41, true},
      {"guide_intel", 41, 41, true},
      {"guide_physiq", 41, 41, true},
      {"creature1", 80, 62, true},
      {"creature2", 80, 62, true},
      {"btn_calendar", 18, 18, true},
      {"btn_showme", 18, 18, true},
      {"btn_showme_down", 18, 18, true},
      {"btn_firstmonth", 18, 18, true},
      {"btn_firstmonth_down", 18, 18, true},
      {"btn_ok", 24, 24, true},
      {"btn_ok_down", 24, 24, true},
      {"btn_prior", 18, 18, true},
      {"btn_print", 18, 18, true},
      {"btn_refresh", 18, 18, true},
      {"btn_close", 18, 18, true},
      {"btn_next", 18, 18, true},
      {"checkmark", 17, 17, true},
      {"radiomark", 17, 17, true},
  };
  out.insert(out.end(), rest.begin(), rest.end());
  return out;
}

const QList<QRgb> kClassic16 = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                0x008080, 0xc0c0c0, 0x808080, 0xff0000, 0x00ff00, 0xffff00,
                                0x0000ff, 0xff00ff, 0x00ffff, 0xffffff};

QImage argb(const char *name) {
  return pictures::image(QString::fromLatin1(name)).convertToFormat(QImage::Format_ARGB32);
}

struct CycleColours {
  const char *name;
  QRgb fill, shade;
};
const CycleColours kCycles[] = {
    {"emotio", 0xff0000, 0x800000}, {"intel", 0xffff00, 0x808000}, {"physiq", 0x00ff00, 0x008000}};

int countColours(const QImage &img, QRgb a, QRgb b) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QRgb p = img.pixel(x, y);
      if (qAlpha(p) == 255 && ((p & 0xffffff) == a || (p & 0xffffff) == b))
        ++n;
    }
  return n;
}

// Pixels where one picture is opaque and the other is not.
int silhouetteDifference(const QImage &a, const QImage &b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      n += (qAlpha(a.pixel(x, y)) > 127) != (qAlpha(b.pixel(x, y)) > 127);
  return n;
}

TEST(Pictures, EveryNamedPictureExistsWithItsSize) {
  const QStringList all = pictures::names();
  for (const Expected &e : expectedPictures()) {
    SCOPED_TRACE(e.name);
    const QImage img = pictures::image(QString::fromLatin1(e.name));
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(e.width, e.height));
    EXPECT_TRUE(pictures::exists(QString::fromLatin1(e.name)));
    EXPECT_TRUE(all.contains(QString::fromLatin1(e.name)));
  }
}

TEST(Pictures, SixteenColourPicturesUseTheClassicPaletteAndAHardMask) {
  for (const Expected &e : expectedPictures()) {
    if (!e.sixteenColours)
      continue;
    SCOPED_TRACE(e.name);
    const QImage img = argb(e.name);
    QSet<QRgb> colours;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        const QRgb p = img.pixel(x, y);
        ASSERT_TRUE(qAlpha(p) == 0 || qAlpha(p) == 255) << x << "," << y;
        if (qAlpha(p) == 255)
          colours.insert(p & 0xffffff);
      }
    EXPECT_LE(colours.size(), 16);
    for (QRgb c : colours)
      EXPECT_TRUE(kClassic16.contains(c)) << std::hex << c;
  }
}

TEST(Pictures, LevelIconsFillStrictlyUpwardsInTheirOwnColour) {
  for (const CycleColours &cycle : kCycles) {
    SCOPED_TRACE(cycle.name);
    int previous = -1;
    for (int step = 0; step <= 10; ++step) {
      const QImage img = argb((cycle.name + std::to_string(step)).c_str());
      const int filled = countColours(img, cycle.fill, cycle.shade);
      if (step == 0) {
        EXPECT_EQ(filled, 0);
      }
      EXPECT_GT(filled, previous) << "step " << step;
      previous = filled;
      // No colour of another cycle shows up.
      for (const CycleColours &other : kCycles) {
        if (&other != &cycle) {
          EXPECT_EQ(countColours(img, other.fill, other.shade), 0) << "step " << step;
        }
      }
      // The fill rises from the bottom: no filled pixel above an empty row
      // of the vessel, i.e. filled rows form one block that ends at the bottom.
      int lowestFilledRow = -1, highestFilledRow = img.height();
      for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
          const QRgb p = img.pixel(x, y) & 0xffffff;
          if (qAlpha(img.pixel(x, y)) == 255 && (p == cycle.fill || p == cycle.shade)) {
            lowestFilledRow = std::max(lowestFilledRow, y);
            highestFilledRow = std::min(highestFilledRow, y);
          }
        }
      if (step > 0) {
        EXPECT_GT(lowestFilledRow, img.height() / 2) << "step " << step;
        EXPECT_LT(highestFilledRow, img.height() * (11 - step) / 10 + 2) << "step " << step;
      }
    }
  }
}

TEST(Pictures, IconsOfOneCycleAllDiffer) {
  for (const CycleColours &cycle : kCycles)
    for (int a = 0; a <= 10; ++a)
      for (int b = a + 1; b <= 10; ++b)
        EXPECT_NE(argb((cycle.name + std::to_string(a)).c_str()),
                  argb((cycle.name + std::to_string(b)).c_str()))
            << cycle.name << a << " vs " << b;
}

TEST(Pictures, TheThreeCyclesAndTheSignsHaveDifferentOutlines) {
  // Told apart by shape as well as colour, also when a tray shows them at 16.
  const char *shapes[] = {"emotio10", "intel10", "physiq10", "happy", "attenti"};
  for (size_t i = 0; i < std::size(shapes); ++i)
    for (size_t j = i + 1; j < std::size(shapes); ++j) {
      const char *a = shapes[i], *b = shapes[j];
      SCOPED_TRACE(std::string(a) + " vs " + b);
      EXPECT_GT(silhouetteDifference(argb(a), argb(b)), 32 * 32 / 10);
      const QImage sa = argb(a).scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      const QImage sb = argb(b).scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      EXPECT_GT(silhouetteDifference(sa, sb), 16 * 16 / 12);
    }
}

TEST(Pictures, LookupIgnoresCaseAndMissingNamesGiveNothing) {
  EXPECT_EQ(pictures::image(u"EMOTIO10"), pictures::image(u"emotio10"));
  EXPECT_EQ(pictures::image(u"Attenti"), pictures::image(u"attenti"));
  EXPECT_TRUE(pictures::exists(u"PHYSIQ0"));
  EXPECT_EQ(pictures::data(u"LOGO_OUTLINE"), pictures::logoOutline());
  for (const QString &missing : {QStringLiteral("emotio11"), QStringLiteral("emotio"),
                                 QStringLiteral(""), QStringLiteral("logo_outline")}) {
    SCOPED_TRACE(missing.toStdString());
    EXPECT_TRUE(pictures::image(missing).isNull());
    EXPECT_TRUE(pictures::pixmap(missing).isNull());
    EXPECT_FALSE(pictures::exists(missing));
  }
  EXPECT_TRUE(pictures::icon(u"nothing").isNull());
  EXPECT_TRUE(pictures::data(u"nothing").isEmpty());
  EXPECT_FALSE(pictures::names().contains(QStringLiteral("logo_outline")));
}

TEST(Pictures, IconsGatherTheirSizeVariants) {
  const QList<QSize> app = pictures::icon(u"Calvoro").availableSizes();
  for (int s : {16, 32, 48, 64, 128, 256})
    EXPECT_TRUE(app.contains(QSize(s, s))) << s;
  // Every tray picture carries a drawing for each size trays ask for; "emotio1" must not pick
  // up "emotio10".
  const QList<QSize> traySizes = {QSize(16, 16), QSize(22, 22), QSize(24, 24),
                                  QSize(32, 32), QSize(48, 48), QSize(64, 64)};
  for (const char *name :
       {"tray21", "tray22", "tray23", "emotio1", "intel10", "physiq0", "happy", "attenti"}) {
    QList<QSize> sizes = pictures::icon(QString::fromLatin1(name)).availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    EXPECT_EQ(sizes, traySizes) << name;
  }
  // Every drawing of a size belongs to its picture's icon.
  for (const QString &name : pictures::names()) {
    const qsizetype underscore = name.lastIndexOf(u'_');
    bool sized = false;
    const int size = underscore < 0 ? 0 : name.mid(underscore + 1).toInt(&sized);
    if (sized) {
      EXPECT_TRUE(
          pictures::icon(name.left(underscore)).availableSizes().contains(QSize(size, size)))
          << name.toStdString();
    }
  }
  const QList<QSize> window = pictures::windowIcon().availableSizes();
  EXPECT_TRUE(window.contains(QSize(64, 64)));
  EXPECT_FALSE(window.contains(QSize(128, 128)));
}

TEST(Pictures, AnIconGivesTheDrawingOfTheSizeAskedForAndNeverALargerOne) {
  const QIcon tray = pictures::icon(u"tray21");
  auto argbOf = [](const QPixmap &p) { return p.toImage().convertToFormat(QImage::Format_ARGB32); };
  for (int size : {16, 22, 24, 32, 48, 64})
    EXPECT_EQ(argbOf(tray.pixmap(size, size)),
              pictures::image(size == 32 ? QStringLiteral("tray21")
                                         : QStringLiteral("tray21_%1").arg(size))
                  .convertToFormat(QImage::Format_ARGB32))
        << size;
  EXPECT_EQ(tray.pixmap(20, 20).size(), QSize(20, 20)); // the 22 drawing, made smaller
  EXPECT_EQ(tray.pixmap(100, 100).size(), QSize(64, 64));
  // On a screen of two device pixels a point: the 32 drawing for 16 points.
  const QPixmap sharp = tray.pixmap(QSize(16, 16), 2.0);
  EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(16, 16));
  EXPECT_EQ(argbOf(sharp), argbOf(tray.pixmap(32, 32)));
  EXPECT_NE(argbOf(tray.pixmap(32, 32, QIcon::Disabled)), argbOf(tray.pixmap(32, 32)));
}

TEST(Pictures, EveryPictureReadsAsQtsOwnReaderReadsIt) {
  for (const QString &name : pictures::names()) {
    const QImage ours = pictures::image(name);
    const QImage qts(QStringLiteral(":/pictures/") + name + QStringLiteral(".png"), "PNG");
    ASSERT_FALSE(qts.isNull()) << name.toStdString();
    EXPECT_EQ(ours.convertToFormat(QImage::Format_ARGB32),
              qts.convertToFormat(QImage::Format_ARGB32))
        << name.toStdString();
  }
}

TEST(Pictures, MarksAreATickAndADotOnACheckerboard) {
  const QImage check = argb("checkmark"), radio = argb("radiomark");
  for (const QImage *img : {&check, &radio}) {
    int black = 0;
    for (int y = 0; y < 17; ++y)
      for (int x = 0; x < 17; ++x) {
        const QRgb p = img->pixel(x, y) & 0xffffff;
        if (p == 0) {
          ++black;
          continue;
        }
        EXPECT_EQ(p, (x + y) % 2 == 0 ? 0xffffffu : 0xc0c0c0u) << x << "," << y;
      }
    EXPECT_GT(black, 10);
    EXPECT_LT(black, 17 * 17 / 3);
    // The mark sits in the middle: the border rows and columns are clear.
    for (int i = 0; i < 17; ++i)
      for (QPoint p : {QPoint(i, 0), QPoint(i, 16), QPoint(0, i), QPoint(16, i)})
        EXPECT_NE(img->pixel(p) & 0xffffff, 0u);
  }
  EXPECT_NE(check, radio);
}

TEST(Pictures, CreatureFramesDifferOnAClearBackground) {
  const QImage up = argb("creature1"), down = argb("creature2");
  EXPECT_GT(silhouetteDifference(up, down), 200);
  for (const QImage *img : {&up, &down})
    for (QPoint corner : {QPoint(0, 0), QPoint(79, 0), QPoint(0, 61), QPoint(79, 61)})
      EXPECT_EQ(qAlpha(img->pixel(corner)), 0);
}

// The splash outline: stored layout, header fields, and exactly the logo's
// silhouette (its non-black pixels) in the splash window's coordinates.
TEST(Pictures, LogoOutlineCoversExactlyTheLogoSilhouette) {
  const QByteArray stored = pictures::logoOutline();
  ASSERT_GE(stored.size(), 4 + 32);
  const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t *>(stored.constData()),
                                       size_t(stored.size()));
  const auto regionBytes = core::decodeStoredShape(bytes);
  ASSERT_TRUE(regionBytes.has_value());
  ASSERT_EQ(regionBytes->size() + 4, bytes.size()) << "length field covers the rest exactly";
  auto field = [&](size_t at) {
    return uint32_t((*regionBytes)[at]) | uint32_t((*regionBytes)[at + 1]) << 8 |
           uint32_t((*regionBytes)[at + 2]) << 16 | uint32_t((*regionBytes)[at + 3]) << 24;
  };
  EXPECT_EQ(field(0), 32u);
  EXPECT_EQ(field(4), 1u);
  const auto region = core::decodeRegionData(*regionBytes);
  ASSERT_TRUE(region.has_value());
  EXPECT_EQ(field(8), region->rects.size());
  EXPECT_EQ(field(12), 16 * region->rects.size());
  EXPECT_EQ(regionBytes->size(), 32 + 16 * region->rects.size());
  ASSERT_GT(region->rects.size(), 20u);
  EXPECT_LT(region->rects.size(), 2000u);

  const QPoint logoAt(-2, 50);
  const QImage logo = argb("logo");
  ASSERT_EQ(logo.size(), QSize(241, 127));
  std::vector<int> covered(size_t(logo.width()) * logo.height(), 0);
  core::Rect unionBox = region->rects.front();
  for (const core::Rect &r : region->rects) {
    ASSERT_FALSE(r.empty());
    EXPECT_GE(r.left, logoAt.x());
    EXPECT_GE(r.top, logoAt.y());
    EXPECT_LE(r.right, logoAt.x() + logo.width());
    EXPECT_LE(r.bottom, logoAt.y() + logo.height());
    unionBox = {std::min(unionBox.left, r.left), std::min(unionBox.top, r.top),
                std::max(unionBox.right, r.right), std::max(unionBox.bottom, r.bottom)};
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) {
        const int lx = x - logoAt.x(), ly = y - logoAt.y();
        if (lx < 0 || ly < 0 || lx >= logo.width() || ly >= logo.height())
          continue; // already reported above
        ++covered[size_t(ly) * logo.width() + lx];
      }
  }
  EXPECT_EQ(region->bounds, unionBox);

  int silhouette = 0, wrong = 0;
  for (int y = 0; y < logo.height(); ++y)
    for (int x = 0; x < logo.width(); ++x) {
      const bool inside = (logo.pixel(x, y) & 0xffffff) != 0;
      silhouette += inside;
      if (covered[size_t(y) * logo.width() + x] != (inside ? 1 : 0))
        ++wrong;
    }
  EXPECT_EQ(wrong, 0) << "pixels covered twice, outside the silhouette, or left out";
  // The silhouette is not the whole rectangle: the corners are black.
  EXPECT_LT(silhouette, logo.width() * logo.height() * 95 / 100);
  EXPECT_GT(silhouette, logo.width() * logo.height() / 2);
  for (QPoint corner : {QPoint(0, 0), QPoint(240, 0), QPoint(0, 126), QPoint(240, 126)})
    EXPECT_EQ(logo.pixel(corner) & 0xffffff, 0u);
}

} // namespace
