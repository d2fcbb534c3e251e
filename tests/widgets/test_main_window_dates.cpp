// Stored birth dates as the program loads, reports and saves them: a text
// that is not a date in the regional format is named as stored and never
// reshaped, and the fields follow the regional date separator.
#include "app/main_window.h"
#include "app_fixture.h"
#include "chart/content_window.h"
#include "core/biorhythm.h"
#include "core/errors.h"
#include "dialogs/date_chooser.h"

#include <QCoreApplication>

using namespace testing_support;

namespace {

class StoredDates : public AppFixture {
protected:
  void load(const QByteArray &birth) {
    writeConfig("\r\nAnna\r\n" + birth + "\r\n0\r\n");
    windows->main().loadAtStart();
    QCoreApplication::processEvents();
  }
  // The user closes the setup the load opened, then saves from the tray.
  void closeAndSave() {
    windows->content().closeCornerClicked();
    windows->refreshWhenContentHidden();
    windows->main().saveFromTray();
  }
  QByteArray storedBirthLine() const { return readConfig().split('\n').value(2).chopped(1); }
};

TEST_F(StoredDates, AreNamedAsStoredAndWrittenBackUnchanged) {
  const struct {
    QByteArray stored;
    QString error; // empty: converts
  } cases[] = {
      {"5.5.1970", "'5.5.1970' is not a valid date."},
      {"12-05-1970x", "'12-05-1970x' is not a valid date."},
      {"12/05/1970x", "'12/05/1970x' is not a valid date."},
      {"31/02/1990", "'31/02/1990' is not a valid date."},
      {"garbage", "'garbage' is not a valid date."},
      {"5/5/1970", ""},
      {"12/05/70", ""},
  };
  env->expectErrors = true;
  for (const auto &c : cases) {
    SCOPED_TRACE(c.stored.toStdString());
    recreateWindows();
    env->errorReport.shown.clear();
    load(c.stored);
    EXPECT_EQ(windows->content().birthDateField->text(), QString::fromLatin1(c.stored));
    if (c.error.isEmpty()) {
      EXPECT_TRUE(env->errorReport.shown.isEmpty());
      EXPECT_FALSE(windows->content().isVisible());
      windows->main().saveFromTray();
    } else {
      EXPECT_EQ(env->errorReport.shown, QStringList{c.error});
      EXPECT_EQ(windows->content().visiblePanel(), windows->content().setupPanel);
      closeAndSave();
      EXPECT_EQ(env->errorReport.shown.size(), 1) << "closing the setup reports it again";
    }
    EXPECT_EQ(storedBirthLine(), c.stored);
  }
}

TEST_F(StoredDates, AnUnreadableDateIsReportedAtTheLoadAndWhenTheUserActsOnly) {
  env->expectErrors = true;
  load("5.5.1970");
  ASSERT_EQ(env->errorReport.shown.size(), 1);
  windows->content().closeCornerClicked();
  windows->refreshWhenContentHidden();
  windows->main().hourlyRefresh();
  windows->main().hourlyRefresh();
  EXPECT_EQ(env->errorReport.shown.size(), 1);
  EXPECT_EQ(env->notifyArea.shown(windows->main().emotionalTrayIcon) != nullptr, true);
  EXPECT_EQ(pictureNameOf(env->notifyArea.shown(windows->main().emotionalTrayIcon)->icon),
            "tray21");

  // The setup's OK is the user asking: the same date is refused again, and
  // nothing is written.
  const QByteArray before = readConfig();
  windows->main().openSetup();
  EXPECT_THROW(windows->content().saveSetup(), core::EConvertError);
  EXPECT_EQ(readConfig(), before);
  windows->content().closeCornerClicked();
  windows->refreshWhenContentHidden();
  EXPECT_EQ(env->errorReport.shown.size(), 1);
}

class DotSeparator : public StoredDates {
protected:
  void SetUp() override {
    StoredDates::SetUp();
    env->environment().regional = platform::regionalSettingsFor(QStringLiteral("de_DE.UTF-8"));
    ASSERT_EQ(env->environment().regional.date.separator, '.');
    recreateWindows();
  }
};

TEST_F(DotSeparator, TheFirstRunShowsTheLevelsOfTheDesignDate) {
  windows->main().loadAtStart();
  EXPECT_EQ(windows->content().birthDateField->text(), "01.01.0001");
  EXPECT_FALSE(windows->content().birthDateField->isVerbatim());
  windows->content().closeCornerClicked();
  windows->refreshWhenContentHidden(); // the environment fails the test on any error
  const core::Levels levels = core::levelsFor(core::daysBetween(core::Date{1, 1, 1}, env->today));
  EXPECT_EQ(windows->session().levels().emotional, levels.emotional);
  EXPECT_EQ(pictureNameOf(env->notifyArea.shown(windows->main().emotionalTrayIcon)->icon),
            "emotio" + QString::number(core::levelIconIndex(levels.emotional)));
}

TEST_F(DotSeparator, DatesWithTheRegionalSeparatorLoadAndSaveAndOthersAreNamed) {
  load("11.05.2024");
  EXPECT_EQ(windows->session().dayCount(), 1);
  EXPECT_EQ(windows->content().projectionDateField->text(), "12.05.2024");
  windows->main().openSetup();
  windows->content().birthDateField->setText("05.05.2024");
  windows->content().saveSetup();
  EXPECT_EQ(storedBirthLine(), "05.05.2024");

  // A date picked in the chooser (it opens on today) arrives with the regional
  // separator too, and converts.
  windows->content().openCalendarForBirthDate();
  windows->chooser().acceptDate();
  EXPECT_EQ(windows->content().birthDateField->text(), "12.05.2024");
  windows->content().saveSetup();

  recreateWindows();
  env->expectErrors = true;
  load("11/05/2024");
  EXPECT_EQ(env->errorReport.shown, QStringList{"'11/05/2024' is not a valid date."});
}

} // namespace
