// The banner menu: how items are measured, the band and its text, the mark boxes and the
// highlight bar on the main window's tray menu, accelerators, and the items left as they are.
#include "app/main_window.h"
#include "app_fixture.h"
#include "components/banner_menu.h"
#include "platform/colors.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace testing_support;

namespace {

constexpr int kBox = 21; // a 17-pixel mark in a 2-pixel frame

QColor rgb(int r, int g, int b) {
  return QColor(r, g, b);
}

int textWidth(const QFont &font, const QString &text) {
  return QFontMetrics(font)
      .boundingRect(QRect(), Qt::TextSingleLine | Qt::TextShowMnemonic, text)
      .width();
}

void setTrayLook(BannerMenu &look) {
  look.setBannerText(QStringLiteral("KALDO Prototyping"));
  look.setBannerFont(platform::font(QStringLiteral("Arial"), -16));
  look.setBannerColor(platform::clGreen);
  look.setBannerEndColor(platform::clLime);
  look.setBanner(true);
}

QImage openAndGrab(QMenu &menu, QAction *active = nullptr) {
  if (!menu.isVisible())
    menu.popup(QPoint(200, 100));
  menu.setActiveAction(active);
  return menu.grab().toImage();
}

class BannerMenuTest : public ::testing::Test {
protected:
  void SetUp() override {
    setTrayLook(look);
    look.setPopupMenu(&menu);
  }
  void TearDown() override { menu.close(); }

  QMenu menu;
  BannerMenu look; // goes before the menu
};

TEST_F(BannerMenuTest, ItemsAreAsWideAsTheWidestCaptionWithTheirMarkColumnAndTheBand) {
  struct Case {
    const char *what;
    QStringList captions; // "|sub" opens a submenu
    int (*expected)(const QFont &);
  } cases[] = {
      {"captions only",
       {"Your power today", "Terminate Calvoro and Quit", "Setup"},
       [](const QFont &f) { return textWidth(f, "Terminate Calvoro and Quit") + kBox + 20; }},
      {"shortcuts beside short captions",
       {"Open\tCtrl+O", "Print everything"},
       [](const QFont &f) {
         return std::max(textWidth(f, "Open") + textWidth(f, "Ctrl+O") + 2 * kBox,
                         textWidth(f, "Print everything") + kBox) +
                20;
       }},
      {"the accelerators' \"&\" takes no room",
       {"&Open", "Pri&nt everything"},
       [](const QFont &f) { return textWidth(f, "Print everything") + kBox + 20; }},
      {"a submenu item gets a box more",
       {"Short", "More of it|sub"},
       [](const QFont &f) { return textWidth(f, "More of it") + 2 * kBox + 20; }},
  };
  for (const Case &c : cases) {
    menu.clear();
    for (const QString &caption : c.captions) {
      if (caption.endsWith("|sub")) {
        QMenu *sub = menu.addMenu(caption.chopped(4));
        sub->addAction("Inside");
      } else {
        menu.addAction(caption);
      }
    }
    menu.addSeparator();
    menu.addAction("&Last");
    openAndGrab(menu);
    const int expected = c.expected(look.font()) + look.extraItemWidth();
    const int height = std::max(kBox, QFontMetrics(look.font()).height() + 6);
    for (QAction *item : menu.actions()) {
      if (item->isSeparator())
        continue;
      const QRect r = menu.actionGeometry(item);
      EXPECT_EQ(r.width() + look.bannerWidth(), expected)
          << c.what << ": " << item->text().toStdString();
      EXPECT_EQ(r.height(), height) << c.what;
      EXPECT_EQ(r.left(), 3 + look.bannerWidth()) << c.what; // right of the border and the band
    }
    EXPECT_EQ(menu.width(), expected + 2 * 3) << c.what;
    // The text starts 2 + 24 pixels right of the band, and the widest caption fits.
    const QRect first = menu.actionGeometry(menu.actions().first());
    int widest = 0;
    for (QString caption : c.captions)
      widest = std::max(widest, textWidth(look.font(), caption.remove("|sub").section('\t', 0, 0)));
    EXPECT_GE(first.right() + 1 - (first.left() + 2 + 24), widest) << c.what;
    menu.close();
  }
}

TEST_F(BannerMenuTest, FixedItemSizesAndSubmenusWithoutTheBand) {
  QMenu *sub = menu.addMenu("More");
  sub->addAction("One item only");
  menu.addAction("Other");
  look.setItemHeight(30);
  look.setItemWidth(150);
  openAndGrab(menu);
  EXPECT_EQ(menu.actionGeometry(menu.actions().at(1)).height(), 30);
  EXPECT_EQ(menu.actionGeometry(menu.actions().at(1)).width() + look.bannerWidth(),
            150 + look.extraItemWidth());
  menu.close();

  look.setItemHeight(0);
  look.setItemWidth(0);
  sub->popup(QPoint(10, 10));
  // One level of one item: half a box more, and no band in a submenu.
  const QRect r = sub->actionGeometry(sub->actions().at(0));
  EXPECT_EQ(r.width(),
            textWidth(look.font(), "One item only") + kBox / 2 + kBox + look.extraItemWidth());
  EXPECT_EQ(r.left(), 3);
  sub->close();
}

TEST_F(BannerMenuTest, TheBandRunsFromGreenAtTheTopToLimeAtTheBottomWithItsTextUpward) {
  for (const char *caption : {"Your power today", "Your power everyday", "-", "Blinking Icons", "-",
                              "Setup", "What is Biorythm ?", "How works Calvoro ?", "-",
                              "Save your configuration", "Terminate Calvoro and Quit"})
    caption == QStringLiteral("-") ? (void)menu.addSeparator() : (void)menu.addAction(caption);
  const QImage shot = openAndGrab(menu);
  const QRect band = look.bannerRect();
  ASSERT_EQ(band.width(), 20);
  EXPECT_EQ(band.top(), menu.actionGeometry(menu.actions().first()).top());
  EXPECT_EQ(band.bottom(), menu.actionGeometry(menu.actions().last()).bottom());
  EXPECT_EQ(shot.pixelColor(band.left() + 1, band.top()), rgb(0, 128, 0));
  EXPECT_EQ(shot.pixelColor(band.right() - 1, band.bottom()), rgb(0, 255, 0));
  // Over the separators' left ends too.
  const QRect separator = menu.actionGeometry(menu.actions().at(2));
  const QColor overSeparator = shot.pixelColor(band.left() + 1, separator.center().y());
  EXPECT_TRUE(overSeparator.red() == 0 && overSeparator.blue() == 0 && overSeparator.green() >= 128)
      << overSeparator.name().toStdString();

  // The text: dark pixels in a tall, narrow patch centred in the band.
  int top = shot.height(), bottom = -1, left = shot.width(), right = -1;
  for (int y = band.top(); y <= band.bottom(); ++y)
    for (int x = band.left(); x <= band.right(); ++x)
      if (shot.pixelColor(x, y).green() < 80) {
        top = std::min(top, y), bottom = std::max(bottom, y);
        left = std::min(left, x), right = std::max(right, x);
      }
  ASSERT_GE(bottom, 0) << "no text in the band";
  const int textLength = QFontMetrics(look.bannerFont()).horizontalAdvance("KALDO Prototyping");
  EXPECT_NEAR(bottom - top, textLength, 4);
  EXPECT_LE(right - left, 16);
  const int middle = (top + bottom) / 2; // a whole pixel
  EXPECT_NEAR(middle, band.center().y(), 3);
}

TEST_F(BannerMenuTest, SixteenBandsOfOneColourEach) {
  look.setBannerText(QString());
  for (int i = 0; i < 12; ++i)
    menu.addAction(QStringLiteral("Item %1").arg(i));
  const QImage shot = openAndGrab(menu);
  const QRect band = look.bannerRect();
  const int greens[] = {128, 136, 145, 153, 162, 170, 179, 187,
                        196, 204, 213, 221, 230, 238, 247, 255};
  for (int i = 0; i < 16; ++i) {
    const int y = band.top() + (2 * i + 1) * band.height() / 32; // the middle of band i
    EXPECT_EQ(shot.pixelColor(band.left() + 10, y), rgb(0, greens[i], 0)) << "band " << i;
  }
  menu.close();
  look.setBannerEndColor(platform::clGreen);
  const QImage plain = openAndGrab(menu);
  EXPECT_EQ(plain.pixelColor(band.left() + 10, band.bottom()), rgb(0, 128, 0));
}

TEST_F(BannerMenuTest, EveryOpeningGivesTheBandTheMenusNewHeight) {
  menu.addAction("One");
  menu.addAction("Two");
  openAndGrab(menu);
  const int before = look.bannerRect().height();
  menu.close();
  menu.addAction("Three");
  menu.addAction("Four");
  const QImage shot = openAndGrab(menu);
  EXPECT_EQ(look.bannerRect().height(), 2 * before);
  EXPECT_EQ(shot.pixelColor(look.bannerRect().left() + 1, look.bannerRect().bottom()),
            rgb(0, 255, 0));
}

TEST_F(BannerMenuTest, TheFirstEnabledItemWithTheTypedAcceleratorRuns) {
  QAction *alpha = menu.addAction("&Alpha");
  menu.addAction("&Another");
  QAction *beta = menu.addAction("&Beta");
  beta->setEnabled(false);
  QAction *bravo = menu.addAction("&Bravo");
  QAction *chips = menu.addAction("Fish && &Chips");
  menu.addAction("Plain");
  struct Case {
    char key;
    Qt::KeyboardModifiers modifiers;
    QAction *runs;
  } cases[] = {
      {'a', Qt::NoModifier, alpha}, {'A', Qt::ShiftModifier, alpha}, {'b', Qt::NoModifier, bravo},
      {'c', Qt::NoModifier, chips}, {'f', Qt::NoModifier, nullptr},  {'p', Qt::NoModifier, nullptr},
  };
  for (const Case &c : cases) {
    QSignalSpy triggered(&menu, &QMenu::triggered);
    openAndGrab(menu);
    QTest::keyClick(&menu, c.key, c.modifiers);
    if (c.runs) {
      ASSERT_EQ(triggered.count(), 1) << c.key;
      EXPECT_EQ(triggered.at(0).at(0).value<QAction *>(), c.runs) << c.key;
      EXPECT_FALSE(menu.isVisible()) << c.key;
    } else {
      EXPECT_EQ(triggered.count(), 0) << c.key;
      EXPECT_TRUE(menu.isVisible()) << c.key;
    }
    menu.close();
  }
}

TEST_F(BannerMenuTest, DetachingOrLosingTheMenuGivesThePlainLookBack) {
  menu.addAction("One");
  openAndGrab(menu);
  menu.close();
  look.setPopupMenu(nullptr);
  EXPECT_EQ(menu.style(), QApplication::style());
  EXPECT_EQ(menu.contentsMargins(), QMargins());

  auto other = std::make_unique<QMenu>();
  other->addAction("Two");
  look.setPopupMenu(other.get());
  EXPECT_NE(other->style(), QApplication::style());
  other.reset();
  EXPECT_EQ(look.popupMenu(), nullptr);
}

// --- The main window's tray menu -------------------------------------------------------------

class TrayMenuLook : public AppFixture {};

TEST_F(TrayMenuLook, TheCheckedBlinkingItemSitsInARaisedBoxWhenHighlightedAndSunkenOtherwise) {
  QMenu *menu = windows->main().trayMenu;
  QAction *blink = windows->main().blinkingAction;
  const QPalette palette = menu->palette();
  const QColor light = platform::toQColor(platform::clBtnHighlight, palette);
  const QColor shadow = platform::toQColor(platform::clBtnShadow, palette);
  const QColor face = platform::toQColor(platform::clBtnFace, palette);
  const QColor bar = platform::toQColor(platform::clHighlight, palette);
  ASSERT_NE(light, shadow);
  ASSERT_NE(face, bar);
  struct Case {
    bool checked, highlighted;
    QColor boxTop, boxBottom, body;
  } cases[] = {
      {true, true, light, shadow, bar},
      {true, false, shadow, light, face},
      {false, true, bar, bar, bar},
      {false, false, face, face, face},
  };
  for (const Case &c : cases) {
    const std::string what =
        std::string(c.checked ? "checked" : "unchecked") + (c.highlighted ? ", highlighted" : "");
    blink->setChecked(c.checked);
    const QImage shot = openAndGrab(*menu, c.highlighted ? blink : nullptr);
    const QRect item = menu->actionGeometry(blink);
    const int boxLeft = item.left() + 2; // two pixels right of the band
    EXPECT_EQ(shot.pixel(boxLeft + 10, item.top()), c.boxTop.rgb()) << what;
    EXPECT_EQ(shot.pixel(boxLeft + 10, item.bottom()), c.boxBottom.rgb()) << what;
    EXPECT_EQ(shot.pixel(boxLeft + kBox + 4, item.top() + 1), c.body.rgb()) << what;
    // The tick: black pixels inside the box only when checked.
    int black = 0;
    for (int y = item.top() + 1; y < item.top() + 18; ++y)
      for (int x = boxLeft + 1; x < boxLeft + 18; ++x)
        black += shot.pixelColor(x, y) == rgb(0, 0, 0);
    EXPECT_EQ(black > 10, c.checked) << what;
    menu->close();
  }
}

TEST_F(TrayMenuLook, TheItemsStayAsTheyAreForHostsThatDrawTheMenuThemselves) {
  QMenu *menu = windows->main().trayMenu;
  openAndGrab(*menu);
  menu->close();
  QStringList items;
  for (QAction *a : menu->actions())
    items << (a->isSeparator() ? QStringLiteral("-") : a->text()) + (a->isChecked() ? "*" : "") +
                 (a->isEnabled() ? "" : " (off)");
  EXPECT_EQ(items, (QStringList{"Your power today", "Your power everyday", "-", "Blinking Icons*",
                                "-", "Setup", "What is Biorythm ?", "How works Calvoro ?",
                                "About Calvoro by KALDO", "-", "Save your configuration",
                                "Terminate Calvoro and Quit", "-", "OK, hide all windows",
                                "OK, close the menu..."}));
  // The commands still run from the items themselves.
  windows->main().blinkingAction->trigger();
  EXPECT_FALSE(windows->main().blinkingAction->isChecked());
}

} // namespace
