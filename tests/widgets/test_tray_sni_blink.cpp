// The tray icons as StatusNotifierItems while they blink: hosts fetch an item's picture at each
// change, so a blink sends one change for each icon whose picture changed, carrying one
// picture, and nothing for the steady icon; a refresh that puts the same pictures back sends none.
#include "app/main_window.h"
#include "app_fixture.h"
#include "platform/sni_item.h"
#include "platform/sni_notify_area.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <array>
#include <memory>

using namespace testing_support;
using platform::sni::Item;

namespace {

class SniBlinkTest : public AppFixture {
protected:
  void SetUp() override {
    AppFixture::SetUp();
    area = std::make_unique<platform::SniNotifyArea>();
    env->environment().notifyArea = area.get();
    recreateWindows();
    // Day count 28: 50, 9, 99, so emotional is steady, intellectual low and physical high.
    writeConfig("\r\nAnna\r\n" + birthDateDaysBefore(28, env->today).toLatin1() + "\r\n0\r\n");
    windows->main().loadAtStart();
    QCoreApplication::processEvents();
  }
  void TearDown() override {
    windows.reset();
    area.reset();
    AppFixture::TearDown();
  }
  Item *item(TrayIcon *icon) const { return area->item(icon); }
  std::array<Item *, 3> items() const {
    MainWindow &m = windows->main();
    return {item(m.emotionalTrayIcon), item(m.intellectualTrayIcon), item(m.physicalTrayIcon)};
  }
  // NewIcon signals of each item while `step` runs.
  template <class F> std::array<qsizetype, 3> changesDuring(F step) {
    std::array<std::unique_ptr<QSignalSpy>, 3> spies;
    for (int i = 0; i < 3; ++i)
      spies[i] = std::make_unique<QSignalSpy>(items()[i], &Item::NewIcon);
    step();
    QCoreApplication::processEvents();
    return {spies[0]->count(), spies[1]->count(), spies[2]->count()};
  }

  std::unique_ptr<platform::SniNotifyArea> area;
};

TEST_F(SniBlinkTest, ABlinkSendsOneChangeForEachChangedIconWithOnePicture) {
  for (Item *i : items())
    ASSERT_NE(i, nullptr);
  const int size = platform::sni::itemPictureSize();
  for (int blink = 0; blink < 2; ++blink) {
    EXPECT_EQ(changesDuring([this] { windows->main().blinkStep(); }),
              (std::array<qsizetype, 3>{0, 1, 1}))
        << "blink " << blink;
    for (Item *i : items()) {
      const platform::sni::Pixmaps sent = i->iconPixmap();
      ASSERT_EQ(sent.size(), 1);
      EXPECT_EQ(sent[0].width, size);
      EXPECT_EQ(sent[0].height, size);
      EXPECT_EQ(sent[0].argb.size(), qsizetype(size) * size * 4);
    }
  }
  // The two pictures of a blinking icon differ on the bus too.
  const QByteArray level = items()[2]->iconPixmap()[0].argb;
  windows->main().blinkStep();
  EXPECT_NE(items()[2]->iconPixmap()[0].argb, level);
}

TEST_F(SniBlinkTest, ARefreshSendsNothingForIconsThatKeepTheirPicture) {
  // Steady: each icon shows its level picture already.
  EXPECT_EQ(changesDuring([this] { windows->main().hourlyRefresh(); }),
            (std::array<qsizetype, 3>{0, 0, 0}));
  windows->main().blinkStep();
  // The blinking ones go back to their level pictures, once each.
  EXPECT_EQ(changesDuring([this] { windows->main().hourlyRefresh(); }),
            (std::array<qsizetype, 3>{0, 1, 1}));
}

} // namespace
