// The borderless window base and the surface controls on it: moving by the
// surface, stay-on-top, centring, show and hide hooks; labels, panels, images.
#include "controls/bevel_panel.h"
#include "controls/borderless_window.h"
#include "controls/picture_view.h"
#include "controls/text_label.h"
#include "platform/colors.h"
#include "platform/hint_display.h"

#include <QHelpEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TestWindow : public BorderlessWindow {
public:
  int shows = 0, hides = 0;
  bool visibleAtShow = true;

protected:
  void onShowing() override {
    ++shows;
    visibleAtShow = isVisible() && windowHandle() && windowHandle()->isExposed();
  }
  void onHidden() override { ++hides; }
};

struct BorderlessWindowTest : ::testing::Test {
  TestWindow window;
  BorderlessWindowTest() {
    window.setGeometry(100, 100, 200, 120);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  // A left-button drag from `from` by `by`, in window coordinates, through
  // the window so that it reaches whatever control lies under the mouse.
  void drag(QPoint from, QPoint by) {
    QWindow *handle = window.windowHandle();
    const QPoint end = window.mapToGlobal(from + by);
    QTest::mousePress(handle, Qt::LeftButton, {}, from);
    QTest::mouseMove(handle, from + by);
    // The button comes up where the mouse is, wherever the window went.
    QTest::mouseRelease(handle, Qt::LeftButton, {}, window.mapFromGlobal(end));
  }
};

QRgb rgb(const QColor &c) {
  return c.rgb();
}

QRect screenRect() {
  return QGuiApplication::primaryScreen()->geometry();
}

} // namespace

TEST_F(BorderlessWindowTest, BorderlessOnTopAndOuterSizeIsClientSize) {
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(window.stayOnTop());
  EXPECT_EQ(window.frameGeometry().size(), window.size());
  EXPECT_TRUE(window.testAttribute(Qt::WA_AlwaysShowToolTips));
}

TEST_F(BorderlessWindowTest, DraggingTheSurfaceMovesTheWindow) {
  auto *label = new TextLabel(&window, "label");
  label->move(50, 50);
  label->show();
  drag(QPoint(5, 5), QPoint(40, 30));
  EXPECT_EQ(window.pos(), QPoint(140, 130));
  // A label is surface too.
  drag(QPoint(52, 52), QPoint(-10, 5));
  EXPECT_EQ(window.pos(), QPoint(130, 135));
}

TEST_F(BorderlessWindowTest, DraggingOnAControlDoesNotMoveTheWindow) {
  auto *button = new QPushButton("b", &window);
  button->setGeometry(10, 10, 50, 30);
  auto *panel = new BevelPanel(&window);
  panel->setGeometry(100, 10, 60, 60);
  auto *picture = new PictureView(panel); // surface of the panel, not of the window
  picture->setGeometry(0, 0, 60, 60);
  button->show();
  panel->show();
  picture->show();
  QSignalSpy clicked(button, &QPushButton::clicked);
  drag(QPoint(20, 20), QPoint(10, 5));
  EXPECT_EQ(window.pos(), QPoint(100, 100));
  EXPECT_EQ(clicked.count(), 1) << "the button keeps its click";
  drag(QPoint(110, 20), QPoint(40, 30));
  EXPECT_EQ(window.pos(), QPoint(100, 100));
  EXPECT_FALSE(window.isSurfaceAt(QPoint(110, 20)));
  EXPECT_TRUE(window.isSurfaceAt(QPoint(180, 100)));
}

TEST_F(BorderlessWindowTest, StayOnTopSwitchesInPlace) {
  const WId id = window.winId();
  window.setStayOnTop(false);
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.stayOnTop());
  EXPECT_FALSE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(window.winId(), id) << "not re-created";
  EXPECT_EQ(window.hides, 0);
  window.setStayOnTop(true);
  EXPECT_TRUE(window.stayOnTop());
  EXPECT_TRUE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
  window.sendToBack();
  EXPECT_FALSE(window.stayOnTop());
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.winId(), id);
}

TEST_F(BorderlessWindowTest, SentToBackForAScopeThenOnTopUnlessGone) {
  auto *other = new TestWindow;
  other->show();
  {
    const SentToBack behind{&window, other, nullptr};
    EXPECT_FALSE(window.stayOnTop());
    EXPECT_FALSE(other->stayOnTop());
    delete other; // closed while the message was up
  }
  EXPECT_TRUE(window.stayOnTop());
  EXPECT_TRUE(window.isVisible());
}

TEST(WindowHooks, ShowAndHideHooksAndCentring) {
  TestWindow window;
  window.resize(385, 248);
  window.setPosition(WindowPlacement::poScreenCenter);
  window.show();
  EXPECT_EQ(window.shows, 1);
  EXPECT_FALSE(window.visibleAtShow) << "the hook runs before the window is on screen";
  const QPoint centre(screenRect().x() + (screenRect().width() - 385) / 2,
                      screenRect().y() + (screenRect().height() - 248) / 2);
  EXPECT_EQ(window.pos(), centre);
  window.move(3, 4);
  window.hide();
  EXPECT_EQ(window.hides, 1);
  window.show();
  EXPECT_EQ(window.pos(), centre) << "centred again at every show";
  window.move(3, 4);
  window.showCentred(); // already visible: back to the centre, shown anew
  EXPECT_EQ(window.pos(), centre);
  EXPECT_EQ(window.shows, 3);
  window.hide();
  window.setPosition(WindowPlacement::poDesigned);
  window.move(3, 4);
  window.show();
  EXPECT_EQ(window.pos(), QPoint(3, 4));
}

TEST(WindowHint, HintOfAMouseTransparentChildIsFound) {
  BorderlessWindow window;
  window.resize(200, 200);
  auto *panel = new BevelPanel(&window);
  panel->setGeometry(10, 10, 100, 100);
  auto *image = new PictureView(panel);
  image->setGeometry(0, 0, 100, 100);
  image->setToolTip("picture hint");
  auto *label = new TextLabel(&window, "x");
  label->move(150, 150);
  window.show();
  EXPECT_EQ(platform::hintWidgetAt(&window, QPoint(20, 20)), image);
  EXPECT_EQ(platform::hintWidgetAt(panel, QPoint(10, 10)), image);
  EXPECT_EQ(platform::hintWidgetAt(&window, QPoint(151, 151)), label);
  EXPECT_EQ(platform::hintWidgetAt(&window, QPoint(190, 5)), &window);
}

// Every hint reaches the one display a component may take over, with the
// control it belongs to; a place without a hint hides the last one.
TEST(WindowHint, TooltipEventsGoToTheInstalledDisplay) {
  struct Recorder : platform::HintDisplay {
    QStringList shown;
    int hidden = 0;
    void showHint(const platform::HintRequest &r) override { shown << r.text; }
    void hideHint() override { ++hidden; }
  } recorder;
  platform::setHintDisplay(&recorder);
  BorderlessWindow window;
  window.resize(200, 200);
  auto *image = new PictureView(&window);
  image->setGeometry(0, 0, 100, 100);
  image->setToolTip("picture hint");
  window.show();
  QHelpEvent over(QEvent::ToolTip, QPoint(20, 20), window.mapToGlobal(QPoint(20, 20)));
  QApplication::sendEvent(&window, &over);
  EXPECT_EQ(recorder.shown, QStringList{"picture hint"});
  QHelpEvent outside(QEvent::ToolTip, QPoint(150, 150), window.mapToGlobal(QPoint(150, 150)));
  QApplication::sendEvent(&window, &outside);
  EXPECT_EQ(recorder.shown.size(), 1);
  EXPECT_EQ(recorder.hidden, 1);
  platform::setHintDisplay(nullptr);
}

TEST(Label, SizesItselfToItsTextUnlessFixed) {
  QWidget parent;
  TextLabel label(&parent, "Emotional");
  QFont font("Arial");
  font.setPixelSize(21);
  label.setFont(font);
  const QFontMetrics metrics(font);
  EXPECT_EQ(label.size(), QSize(metrics.horizontalAdvance("Emotional"), metrics.height()));
  label.setText("Emo");
  EXPECT_EQ(label.width(), metrics.horizontalAdvance("Emo"));
  label.setAutoSize(false);
  label.resize(365, 19);
  label.setText("Hello Anna, this is for today");
  EXPECT_EQ(label.size(), QSize(365, 19));
  EXPECT_TRUE(label.testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST(Label, OpaqueOrTransparentBackground) {
  QWidget parent;
  parent.resize(100, 40);
  parent.setAutoFillBackground(true);
  QPalette p = parent.palette();
  p.setColor(QPalette::Window, Qt::blue);
  parent.setPalette(p);
  auto *label = new TextLabel(&parent, " ");
  label->setAutoSize(false);
  label->setGeometry(0, 0, 50, 40);
  label->setColor(Qt::black);
  EXPECT_EQ(parent.grab().toImage().pixelColor(10, 10), QColor(Qt::black));
  label->setTransparent(true);
  EXPECT_EQ(parent.grab().toImage().pixelColor(10, 10), QColor(Qt::blue));
}

TEST(Panel, ClosePanelBevelsBorderAndClick) {
  BevelPanel panel;
  panel.resize(20, 20);
  panel.setBevelOuter(BevelCut::bvNone);
  panel.setBevelInner(BevelCut::bvRaised);
  panel.setBevelWidth(2);
  panel.setBorderStyle(PanelBorder::bsSingle);
  panel.setFlat(true);
  panel.setCaption("X");
  panel.setColor(QColor(192, 192, 192));
  const QImage image = panel.grab().toImage();
  const QColor frame = platform::toQColor(platform::clWindowFrame, panel.palette());
  const QColor light = platform::toQColor(platform::clBtnHighlight, panel.palette());
  const QColor dark = platform::toQColor(platform::clBtnShadow, panel.palette());
  auto at = [&](int x, int y) { return image.pixel(x, y); };
  EXPECT_EQ(at(0, 0), rgb(frame));
  EXPECT_EQ(at(19, 19), rgb(frame));
  EXPECT_EQ(at(1, 5), rgb(light));
  EXPECT_EQ(at(2, 5), rgb(light));
  EXPECT_EQ(at(18, 5), rgb(dark));
  EXPECT_EQ(at(5, 17), rgb(dark));
  EXPECT_EQ(at(18, 1), rgb(dark)) << "the top-right corner belongs to the dark side";
  EXPECT_EQ(at(1, 18), rgb(dark)) << "so does the bottom-left one";
  EXPECT_EQ(panel.innerRect(), QRect(3, 3, 14, 14));
  int caption = 0;
  for (int y = 3; y < 17; ++y)
    for (int x = 3; x < 17; ++x)
      caption += image.pixelColor(x, y) != QColor(192, 192, 192);
  EXPECT_GT(caption, 5) << "the X is drawn";

  QSignalSpy clicked(&panel, &BevelPanel::clicked);
  QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(clicked.count(), 1);
  QTest::mouseClick(&panel, Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_EQ(clicked.count(), 1);
}

TEST(Image, StretchedPictureFillsTheControl) {
  QImage source(2, 2, QImage::Format_RGB32);
  source.setPixelColor(0, 0, Qt::red);
  source.setPixelColor(1, 0, Qt::green);
  source.setPixelColor(0, 1, Qt::blue);
  source.setPixelColor(1, 1, Qt::yellow);
  PictureView image;
  image.resize(20, 10);
  image.setPicture(QPixmap::fromImage(source));
  image.setStretch(true);
  const QImage shown = image.grab().toImage();
  EXPECT_EQ(shown.pixelColor(2, 2), QColor(Qt::red));
  EXPECT_EQ(shown.pixelColor(17, 2), QColor(Qt::green));
  EXPECT_EQ(shown.pixelColor(2, 8), QColor(Qt::blue));
  EXPECT_EQ(shown.pixelColor(17, 8), QColor(Qt::yellow));
  EXPECT_TRUE(image.testAttribute(Qt::WA_TransparentForMouseEvents));
  image.setStretch(false);
  EXPECT_EQ(image.grab().toImage().pixelColor(1, 1), QColor(Qt::yellow));
}
