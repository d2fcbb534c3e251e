// The application's error report and message boxes, and a print that cannot be made.

#include "core/errors.h"
#include "platform/app_title.h"
#include "platform/error_report.h"
#include "platform/message_boxes.h"
#include "platform/printer.h"
#include "test_environment.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(ErrorReport, TextGetsAFullStopUnlessItHasOne) {
  EXPECT_EQ(platform::errorBoxText("File not found"), "File not found.");
  EXPECT_EQ(platform::errorBoxText("'x' is not a valid date"), "'x' is not a valid date.");
  EXPECT_EQ(platform::errorBoxText("Done."), "Done.");
  EXPECT_EQ(platform::errorBoxText("Really..."), "Really...");
}

TEST(ErrorReport, ExceptionsLeavingHandlersAreShownAndTheProgramGoesOn) {
  testing_support::TestEnvironment env;
  env.expectErrors = true;
  int after = 0;
  QTimer::singleShot(0, [] { throw core::EConvertError("'31/02/2024' is not a valid date"); });
  QTimer::singleShot(0, [] { throw 42; });
  QTimer::singleShot(0, [&] { ++after; });
  QTimer timer;
  int ticks = 0;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (++ticks == 2)
      throw core::EInOutError("File access denied", 13);
  });
  timer.start(0);
  for (int i = 0; i < 5; ++i)
    QCoreApplication::processEvents();
  timer.stop();
  EXPECT_EQ(after, 1);
  EXPECT_GE(ticks, 3); // the timer keeps running after its handler failed
  EXPECT_EQ(env.errorReport.shown,
            (QStringList{"'31/02/2024' is not a valid date.", platform::unknownErrorText() + ".",
                         "File access denied."}));
}

struct SeenBox {
  QString caption;
  QString text;
  QMessageBox::Icon icon;
  int buttons;
  bool onTop; // above the program's stay-on-top windows, modal
};

// Answers every message box that opens, remembering what it showed. `whileOpen` runs once,
// while the first box is up.
class BoxCloser {
public:
  explicit BoxCloser(std::function<void()> whileOpen = {}) : whileOpen_(std::move(whileOpen)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    timer_.start(5);
  }
  QList<SeenBox> seen;

private:
  void tick() {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box)
      return;
    if (whileOpen_) {
      auto run = std::move(whileOpen_);
      whileOpen_ = nullptr;
      run();
    }
    seen.append({box->windowTitle(), box->text(), box->icon(),
                 static_cast<int>(box->buttons().size()),
                 box->windowFlags().testFlag(Qt::WindowStaysOnTopHint) &&
                     box->windowModality() == Qt::ApplicationModal});
    box->accept();
  }
  std::function<void()> whileOpen_;
  QTimer timer_;
};

TEST(ErrorReport, BoxHasTheApplicationTitleAnErrorIconAndOneButtonAndNeverStacks) {
  platform::BoxErrorReport report;
  bool openDuring = false;
  BoxCloser closer([&] {
    openDuring = report.isOpen();
    report.show("second"); // a timer failing again while the box is up
  });
  report.show("File not found");
  EXPECT_TRUE(openDuring);
  EXPECT_FALSE(report.isOpen());
  ASSERT_EQ(closer.seen.size(), 1);
  EXPECT_EQ(closer.seen[0].caption, QString::fromUtf8(platform::kApplicationTitle));
  EXPECT_EQ(closer.seen[0].text, "File not found.");
  EXPECT_EQ(closer.seen[0].icon, QMessageBox::Critical);
  EXPECT_EQ(closer.seen[0].buttons, 1);
  EXPECT_TRUE(closer.seen[0].onTop);

  report.show("again"); // once closed, the next error shows
  ASSERT_EQ(closer.seen.size(), 2);
  EXPECT_EQ(closer.seen[1].text, "again.");
}

TEST(MessageBoxes, WarningAndInformationHaveTheirCaptionAndOneButton) {
  platform::QtMessageBoxes boxes;
  BoxCloser closer;
  boxes.warning("Calvoro is already loaded...");
  boxes.information("Your configuration has been saved..");
  ASSERT_EQ(closer.seen.size(), 2);
  EXPECT_EQ(closer.seen[0].caption, "Warning");
  EXPECT_EQ(closer.seen[0].text, "Calvoro is already loaded...");
  EXPECT_EQ(closer.seen[0].icon, QMessageBox::Warning);
  EXPECT_EQ(closer.seen[0].buttons, 1);
  EXPECT_EQ(closer.seen[1].caption, "Information");
  EXPECT_EQ(closer.seen[1].text, "Your configuration has been saved..");
  EXPECT_EQ(closer.seen[1].icon, QMessageBox::Information);
  EXPECT_TRUE(closer.seen[0].onTop);
  EXPECT_TRUE(closer.seen[1].onTop);
}

} // namespace

TEST(DesktopPrinter, WithoutItsPrintModuleAPrintFailsWithAClearErrorAndDrawsNothing) {
  // The tests' folder holds no print module.
  const std::unique_ptr<platform::Printer> printer = platform::makeDesktopPrinter();
  bool drawn = false;
  try {
    printer->printPage(QStringLiteral("Calvoro"), [&](QPainter &, int, int) { drawn = true; });
    FAIL() << "printed without a print module";
  } catch (const platform::EPrinter &error) {
    EXPECT_TRUE(QString::fromUtf8(error.what()).startsWith("Printing is not available"))
        << error.what();
  }
  EXPECT_FALSE(drawn);
}
