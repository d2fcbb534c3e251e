// The gauge, the picture button, the read-only memo and the picture's late reading.
#include "controls/bar_gauge.h"
#include "controls/glyph_button.h"
#include "controls/picture_view.h"
#include "controls/text_view.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

QRgb rgb(int r, int g, int b) {
  return qRgb(r, g, b);
}

// Pixels of text drawn in black, edges smoothed included.
int countDark(const QImage &image, QRect area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb p = image.pixel(x, y);
      n += qRed(p) + qGreen(p) + qBlue(p) < 300;
    }
  return n;
}

} // namespace

TEST(Gauge, FillsFromTheBottomWithThePercentageOverIt) {
  BarGauge gauge;
  gauge.resize(80, 155);
  gauge.setForeColor(QColor(255, 0, 0));
  EXPECT_EQ(gauge.backColor(), QColor(255, 255, 221));
  EXPECT_EQ(gauge.font().pixelSize(), 16);
  gauge.setProgress(30);
  EXPECT_EQ(gauge.percentDone(), 30);
  EXPECT_EQ(gauge.filledHeight(), 153 * 30 / 100);

  const QImage image = gauge.grab().toImage();
  const int fillTop = 154 - gauge.filledHeight();
  EXPECT_EQ(image.pixel(3, 150), rgb(255, 0, 0));
  EXPECT_EQ(image.pixel(3, fillTop), rgb(255, 0, 0));
  EXPECT_EQ(image.pixel(3, fillTop - 1), rgb(255, 255, 221));
  EXPECT_EQ(image.pixel(3, 3), rgb(255, 255, 221));
  EXPECT_EQ(image.pixel(0, 0), rgb(0, 0, 0)) << "border";
  // The text: dark pixels around the middle, none without it.
  const QRect middle(20, 60, 40, 35);
  EXPECT_GT(countDark(image, middle), 20);
  gauge.setShowText(false);
  EXPECT_EQ(countDark(gauge.grab().toImage(), middle), 0);
}

TEST(Gauge, ProgressStaysInRange) {
  BarGauge gauge;
  gauge.resize(80, 155);
  gauge.setProgress(150);
  EXPECT_EQ(gauge.progress(), 100);
  EXPECT_EQ(gauge.filledHeight(), 153);
  gauge.setProgress(-5);
  EXPECT_EQ(gauge.percentDone(), 0);
  gauge.setMinValue(50);
  gauge.setProgress(75);
  EXPECT_EQ(gauge.percentDone(), 50);
  gauge.setMaxValue(50);
  EXPECT_EQ(gauge.percentDone(), 0) << "an empty range shows nothing";
}

TEST(BitBtn, TakesNoFocusAndClicks) {
  QWidget window;
  auto *edit = new QLineEdit(&window);
  auto *button = new GlyphButton(&window, "  OK");
  auto *layout = new QVBoxLayout(&window);
  layout->addWidget(edit);
  layout->addWidget(button);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  edit->setFocus();
  QSignalSpy clicked(button, &QPushButton::clicked);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_TRUE(edit->hasFocus());
}

TEST(BitBtn, PictureStripAndPlacement) {
  QImage strip(20, 10, QImage::Format_RGB32);
  strip.fill(Qt::white); // bottom-left pixel: the transparent colour
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x) {
      strip.setPixel(x, y, qRgb(255, 0, 0));
      strip.setPixel(10 + x, y, qRgb(0, 0, 255));
    }
  GlyphButton button(nullptr, "Next Month");
  button.resize(108, 29);
  button.setGlyph(QPixmap::fromImage(strip), 2);
  EXPECT_EQ(button.currentGlyph().toImage().pixel(2, 2), rgb(255, 0, 0));
  button.setEnabled(false);
  EXPECT_EQ(button.currentGlyph().toImage().pixel(2, 2), rgb(0, 0, 255)) << "disabled image";
  button.setEnabled(true);
  // Red left of the caption, then right of it.
  auto redColumns = [&] {
    const QImage image = button.grab().toImage();
    int first = -1;
    for (int x = 0; x < image.width() && first < 0; ++x)
      if (image.pixel(x, 14) == rgb(255, 0, 0))
        first = x;
    return first;
  };
  const int left = redColumns();
  ASSERT_GE(left, 0);
  button.setGlyphLayout(GlyphLayout::blGlyphRight);
  const int right = redColumns();
  EXPECT_GT(right, left + 30);
}

TEST(Memo, ReadOnlyCentredLinesWithAScrollBar) {
  TextView memo;
  const QStringList lines = {"Biorhythm means rhythm of life.", "", "Critical Days.", ""};
  memo.setLines(lines);
  EXPECT_EQ(memo.lines(), lines);
  EXPECT_TRUE(memo.toPlainText().endsWith(u'\n'));
  EXPECT_TRUE(memo.isReadOnly());
  EXPECT_EQ(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(memo.textAlignment(), Qt::AlignHCenter);
  memo.setColor(Qt::black);
  memo.setFontColor(QColor(0, 255, 0));
  memo.resize(351, 213);
  const QImage image = memo.grab().toImage();
  // Text drawn in lime, away from the left edge.
  int firstLime = -1;
  for (int x = 0; x < 300 && firstLime < 0; ++x)
    for (int y = 0; y < 30 && firstLime < 0; ++y)
      if (image.pixel(x, y) == rgb(0, 255, 0))
        firstLime = x;
  EXPECT_GT(firstLime, 20);
}

TEST(Image, ReadsItsPictureOnceAndOnlyWhenFirstPainted) {
  int reads = 0;
  PictureView image;
  image.resize(8, 8);
  image.setPictureLoader([&reads] {
    ++reads;
    QPixmap red(8, 8);
    red.fill(Qt::red);
    return red;
  });
  EXPECT_EQ(reads, 0);
  const QImage shown = image.grab().toImage();
  EXPECT_EQ(shown.pixel(4, 4), qRgb(255, 0, 0));
  image.grab();
  EXPECT_EQ(image.picture().size(), QSize(8, 8));
  EXPECT_EQ(reads, 1);
  // A picture given later replaces one not read yet.
  image.setPictureLoader([&reads] {
    ++reads;
    return QPixmap();
  });
  image.setPicture(QPixmap(2, 2));
  EXPECT_EQ(image.picture().size(), QSize(2, 2));
  EXPECT_EQ(reads, 1);
}
