// Errors are caught by the handler they arise in: what a user's command, a timer tick or a key
// raises is shown in the error report without passing through Qt's event code, where only the
// application object's last resort would catch it.
#include "app/main_window.h"
#include "app_fixture.h"
#include "chart/content_window.h"
#include "core/errors.h"
#include "platform/application.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace testing_support;

namespace {

class HandlerErrors : public AppFixture {
protected:
  void SetUp() override {
    AppFixture::SetUp();
    app = qobject_cast<platform::Application *>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    env->expectErrors = true;
    writeConfig("\r\nAnna\r\n25/05/2001\r\n1\r\n");
    windows->main().loadAtStart();
  }

  // Runs `step` from the event loop, as a click or a tick does, and waits until it has run.
  static void fromEventLoop(const std::function<void()> &step) {
    bool done = false;
    QTimer::singleShot(0, qApp, step);
    QTimer::singleShot(0, qApp, [&done] { done = true; });
    const QDeadlineTimer deadline(10000);
    while (!done && !deadline.hasExpired())
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_TRUE(done);
  }

  // The error report's texts since the last call.
  QStringList newReports() {
    QStringList shown = env->errorReport.shown.mid(seen_);
    seen_ = env->errorReport.shown.size();
    return shown;
  }

  platform::Application *app = nullptr;

private:
  qsizetype seen_ = 0;
};

TEST_F(HandlerErrors, AnErrorThatLeavesAHandlerReachesOnlyTheLastResort) {
  // The instrument of the test below: an unguarded handler is caught by notify() and counted.
  const int escaped = app->escapedErrors();
  fromEventLoop([] { throw core::EConvertError("'x' is not a valid date"); });
  EXPECT_EQ(app->escapedErrors(), escaped + 1);
  EXPECT_EQ(newReports(), QStringList{"'x' is not a valid date."});
}

TEST_F(HandlerErrors, CommandsTicksAndKeysReportTheirOwnErrorsAndStopThere) {
  const int escaped = app->escapedErrors();
  MainWindow &main = windows->main();
  ContentWindow &content = windows->content();

  // "Show me" with a date that does not convert: reported, and no chart is shown.
  main.openProjection();
  content.projectionDateField->setText(QStringLiteral("31/02/2001"));
  fromEventLoop([&] { content.showMeButton->click(); });
  EXPECT_EQ(newReports(), QStringList{"'31/02/2001' is not a valid date."});
  EXPECT_FALSE(content.chartDrawTimer->isActive());

  // A month step past the calendar's end, from the chart's button.
  content.projectionDateField->setText(QStringLiteral("01/12/9999"));
  content.showMe();
  content.drawPreparedChart();
  const QString headline = content.chartHeadlineLabel->text();
  fromEventLoop([&] { content.nextMonthButton->click(); });
  EXPECT_EQ(newReports().size(), 1);
  EXPECT_EQ(content.chartHeadlineLabel->text(), headline);

  // Printing with no printer: reported, and the window is back in its colours.
  env->printer.available = false;
  fromEventLoop([&] { content.printButton->click(); });
  EXPECT_EQ(newReports(), QStringList{"There is no default printer currently selected."});
  EXPECT_TRUE(content.chartButtonRow->isVisibleTo(&content));

  // The setup's OK by Return in the birth-date field with a date that does not convert:
  // reported, nothing written.
  const QByteArray stored = readConfig();
  main.openSetup();
  content.birthDateField->setText(QStringLiteral("31/04/2024"));
  content.birthDateField->setFocus();
  QTest::keyClick(content.birthDateField, Qt::Key_Return);
  EXPECT_EQ(newReports(), QStringList{"'31/04/2024' is not a valid date."});
  EXPECT_EQ(readConfig(), stored);
  content.hide();

  // The hourly refresh's tick on the same refused date says nothing again; another one is
  // reported by the tick, and the icons show why they have no levels.
  content.birthDateField->setText(QStringLiteral("32/04/2024"));
  const qsizetype before = env->errorReport.shown.size();
  main.hourlyRefreshTimer->start(0);
  const QDeadlineTimer deadline(10000);
  while (env->errorReport.shown.size() == before && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  main.hourlyRefreshTimer->stop();
  EXPECT_EQ(newReports(), QStringList{"'32/04/2024' is not a valid date."});
  EXPECT_EQ(main.emotionalTrayIcon->toolTip(), unreadableBirthDateTip());

  // Saving from the tray where the file cannot be written: no confirmation.
  env->environment().configPath = dir.filePath("missing/Calvoro.ini").toStdString();
  fromEventLoop([&] { main.findChild<QAction *>("saveAction")->trigger(); });
  const QStringList saveReports = newReports();
  ASSERT_EQ(saveReports.size(), 1);
  EXPECT_TRUE(saveReports[0].startsWith("Invalid filename (" + dir.filePath("missing/Calvoro.ini")))
      << saveReports[0].toStdString();
  EXPECT_TRUE(env->messageBoxes.shown.isEmpty());

  EXPECT_EQ(app->escapedErrors(), escaped);
}

} // namespace
