// The application's error report and message boxes, and a print that cannot be made.

#include "core/config_file.h"
#include "core/date_text.h"
#include "core/errors.h"
#include "core/io_error.h"
#include "platform/app_title.h"
#include "platform/config_storage.h"
#include "platform/error_report.h"
#include "platform/error_text.h"
#include "platform/instance_lock.h"
#include "platform/message_boxes.h"
#include "platform/printer.h"
#include "platform/socket_holder.h"
#include "platform/user_folders.h"
#include "scratch_folder.h"
#include "test_environment.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

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

// The report names what failed: the file or folder with what is there or what the system said,
// a quoted text as the user sees it, shortened, with what is not text written out.
TEST(ErrorReport, MessagesSayWhatFailed) {
  ScratchFolder folder;
  folder.write("plain", "x");
  std::filesystem::create_directory(folder.path("Calvoro.ini"));
  const std::string inFolder = folder.path("Calvoro.ini");
  auto &storage = platform::systemConfigStorage();
  const auto notADate = [](const std::string &text) {
    return [text] {
      core::parseDate(text, {core::DateOrder::DMY, '/', "dd/mm/yyyy"}, {2024, 6, 15});
    };
  };
  std::string junk(100000, '\0');
  std::mt19937 random(7);
  for (char &c : junk)
    c = static_cast<char>(random());
  const QString folderFound = QString::fromStdString(inFolder) + ": it is a folder, not a file)";
  const struct {
    const char *what;
    std::function<void()> fail;
    QStringList said;
  } cases[] = {
      {"NUL",
       notADate(std::string("12/0\0"
                            "5/1970",
                            11)),
       {"'12/0\\x005/1970' is not a"}},
      {"UTF-16", notADate(std::string("1\0002\0", 4)), {"'1\\x002\\x00' is not a valid date"}},
      {"random", notADate(junk), {"\u2026' is not a valid date"}},
      {"folder read", [&] { core::readConfigFile(storage, inFolder); }, {folderFound}},
      {"folder saved", [&] { core::writeConfigFile(storage, inFolder, {}); }, {folderFound}},
      {"folder not made",
       [&] { core::writeConfigFile(storage, platform::configFilePath(), {}); },
       {"Invalid filename (" + QString::fromStdString(folder.path("plain")) + ": ",
        QString::fromLocal8Bit(std::strerror(ENOTDIR))}},
      {"number",
       [] { throw core::inOutError(EFBIG, "/x/Calvoro.ini"); },
       {"I/O error 27 (/x/Calvoro.ini: ", QString::fromLocal8Bit(std::strerror(EFBIG))}},
      {"memory", [] { throw std::bad_alloc(); }, {"Out of memory"}},
  };
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(folder.path("plain")));
  for (const auto &c : cases) {
    QString text = "no error";
    try {
      c.fail();
    } catch (...) {
      text = platform::errorText(std::current_exception());
    }
    for (const QString &part : c.said)
      EXPECT_TRUE(text.contains(part)) << c.what << ": " << text.toStdString();
    EXPECT_LT(text.size(), 200) << c.what;
  }
  qunsetenv("XDG_CONFIG_HOME");
}

// A program of this user other than Calvoro listening on the lock's name is named, not taken
// for a copy; a copy of Calvoro (this process, here) is not.
TEST(ErrorReport, AnotherProgramOnTheLocksNameIsNamed) {
  const std::string name = "CalvoroStranger-" + std::to_string(::getpid());
  platform::InstanceLock lock(name);
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t stranger = ::fork();
  if (stranger == 0) {
    ::prctl(PR_SET_NAME, "stranger");
    platform::InstanceLock own(name);
    (void)own.tryAcquire(); // binds and listens
    (void)!::write(ready[1], "x", 1);
    ::pause();
  }
  char c = 0;
  ASSERT_EQ(::read(ready[0], &c, 1), 1);
  EXPECT_EQ(lock.tryAcquire(), platform::InstanceLock::Result::anotherCopy);
  const std::string said = platform::otherProgramHolding(lock.address());
  ::kill(stranger, SIGKILL);
  ::waitpid(stranger, nullptr, 0);
  EXPECT_NE(said.find("held by process " + std::to_string(stranger) + " (stranger)"),
            std::string::npos)
      << said;
  EXPECT_NE(said.find("which is not Calvoro"), std::string::npos) << said;
  ASSERT_EQ(lock.tryAcquire(), platform::InstanceLock::Result::held);
  EXPECT_EQ(platform::otherProgramHolding(lock.address()), "");
  ::close(ready[0]);
  ::close(ready[1]);
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
