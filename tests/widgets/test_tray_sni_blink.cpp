// The tray icons as StatusNotifierItems while they blink: hosts fetch an item's picture at each
// change, so a blink sends one change for each icon whose picture changed, carrying one
// picture, and nothing for the steady icon; a refresh that puts the same pictures back sends none,
// nor a change of tip. With the pictures in a theme folder, a changed icon is also sent by the
// name of its new picture there, the folder told to hosts unless their themes look there anyway.
#include "app/main_window.h"
#include "app_fixture.h"
#include "platform/sni_item.h"
#include "platform/sni_notify_area.h"

#include "resources/pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>

#include <array>
#include <memory>

using namespace testing_support;
using platform::sni::Item;

namespace {

class SniBlinkTest : public AppFixture {
protected:
  // The theme folder the items name their pictures from; none by default.
  virtual QString themePath() { return {}; }
  void SetUp() override {
    AppFixture::SetUp();
    area = std::make_unique<platform::SniNotifyArea>(nullptr, themePath());
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

TEST_F(SniBlinkTest, ATipSetToTheSameTextSendsNoChange) {
  std::array<std::unique_ptr<QSignalSpy>, 3> spies;
  for (int i = 0; i < 3; ++i)
    spies[i] = std::make_unique<QSignalSpy>(items()[i], &Item::NewToolTip);
  // The hourly refresh sets every tip again, to the same text on the same day.
  windows->main().hourlyRefresh();
  QCoreApplication::processEvents();
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(spies[i]->count(), 0) << i;
  items()[0]->setTip(QStringLiteral("Another tip"));
  EXPECT_EQ(spies[0]->count(), 1);
  EXPECT_EQ(items()[0]->toolTip().title, QStringLiteral("Another tip"));
}

// The same, with the tray pictures as theme icons at 22 pixels, as the build puts them, in a
// folder that hosts must be told of.
class SniThemeTest : public SniBlinkTest {
protected:
  QString themePath() override {
    const QString apps = folder() + QStringLiteral("/hicolor/22x22/apps");
    QDir().mkpath(apps);
    for (const QString &name : pictures::names()) {
      const QByteArray picture = pictures::data(QString(name + QStringLiteral("_22")));
      QFile file(apps + QStringLiteral("/calvoro-") + name + QStringLiteral(".png"));
      if (!picture.isEmpty() && file.open(QIODevice::WriteOnly))
        file.write(picture);
    }
    return folder();
  }
  QString folder() const { return theme.filePath(QStringLiteral("share/icons")); }
  // The picture a name stands for, as a host reads it from the folder.
  QImage named(const QString &iconName) const {
    return QImage(folder() + QStringLiteral("/hicolor/22x22/apps/") + iconName +
                  QStringLiteral(".png"))
        .convertToFormat(QImage::Format_ARGB32);
  }
  static QImage pixels(const platform::sni::Pixmaps &sent) {
    if (sent.size() != 1)
      return {};
    QImage image(sent[0].width, sent[0].height, QImage::Format_ARGB32);
    const auto *in = reinterpret_cast<const quint32 *>(sent[0].argb.constData());
    for (int y = 0; y < image.height(); ++y) {
      auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x)
        line[x] = qFromBigEndian(*in++);
    }
    return image;
  }

  QTemporaryDir theme;
};

TEST_F(SniThemeTest, AChangedIconIsNamedAfterItsNewPictureWhichItsPixelsShowToo) {
  for (int blink = 0; blink < 3; ++blink) {
    std::array<QString, 3> before;
    for (int i = 0; i < 3; ++i)
      before[i] = items()[i]->iconName();
    EXPECT_EQ(changesDuring([this] { windows->main().blinkStep(); }),
              (std::array<qsizetype, 3>{0, 1, 1}))
        << "blink " << blink;
    EXPECT_EQ(items()[0]->iconName(), before[0]);
    for (int i = 1; i < 3; ++i)
      EXPECT_NE(items()[i]->iconName(), before[i]) << "blink " << blink << ", icon " << i;
    for (Item *item : items()) {
      ASSERT_FALSE(item->iconName().isEmpty());
      const QImage fromTheFolder = named(item->iconName());
      ASSERT_FALSE(fromTheFolder.isNull()) << item->iconName().toStdString();
      EXPECT_EQ(pixels(item->iconPixmap()), fromTheFolder) << item->iconName().toStdString();
    }
  }
}

TEST_F(SniThemeTest, HostsAreToldTheFolderAndAPictureMissingThereHasNoName) {
  Item *item = items()[2];
  EXPECT_EQ(item->iconThemePath(), folder());
  item->setIcon(pictures::icon(u"calvoro"));
  EXPECT_TRUE(item->iconName().isEmpty());
  EXPECT_EQ(item->iconPixmap().size(), 1);
}

// Installed: the folder is the icons folder of a data folder, where hosts' themes look anyway.
class SniSystemThemeTest : public SniThemeTest {
protected:
  void SetUp() override {
    dataDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS",
            QFile::encodeName(theme.filePath(QStringLiteral("share"))) + ":/usr/share");
    SniThemeTest::SetUp();
  }
  void TearDown() override {
    SniThemeTest::TearDown();
    qputenv("XDG_DATA_DIRS", dataDirs);
  }
  QByteArray dataDirs;
};

TEST_F(SniSystemThemeTest, HostsAreToldNoFolderButGetTheName) {
  windows->main().blinkStep();
  Item *item = items()[1];
  EXPECT_EQ(item->iconName(), QStringLiteral("calvoro-attenti"));
  EXPECT_EQ(item->iconThemePath(), QString());
}

} // namespace
