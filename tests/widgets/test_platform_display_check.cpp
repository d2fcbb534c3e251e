// Whether the application object will find a display: which platforms Qt tries, and a Wayland
// compositor's socket found where its client library looks for it.

#include "platform/display_check.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using platform::platformsToTry;
using Platforms = std::vector<std::string>;

TEST(DisplayCheck, TheArgumentWinsOverTheVariableWhichWinsOverTheSessionType) {
  EXPECT_EQ(platformsToTry("", "", ""), Platforms{"xcb"});
  EXPECT_EQ(platformsToTry("", "", "wayland"), Platforms{"wayland"});
  EXPECT_EQ(platformsToTry("", "xcb;wayland", "wayland"), (Platforms{"xcb", "wayland"}));
  EXPECT_EQ(platformsToTry("offscreen", "xcb", "x11"), Platforms{"offscreen"});
  EXPECT_EQ(platformsToTry("", "wayland-egl:option;;xcb", ""), (Platforms{"wayland-egl", "xcb"}));
}

// Sets variables for one test and gives the previous values back afterwards.
class Variables {
public:
  void set(const char *name, const QByteArray &value) {
    saved_.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
    qputenv(name, value);
  }
  ~Variables() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->wasSet)
        qputenv(it->name, it->value);
      else
        qunsetenv(it->name);
    }
  }

private:
  struct Saved {
    const char *name;
    QByteArray value;
    bool wasSet;
  };
  std::vector<Saved> saved_;
};

TEST(DisplayCheck, AWaylandSessionIsThereWhenItsSocketAnswers) {
  QTemporaryDir runtime;
  ASSERT_TRUE(runtime.isValid());
  Variables variables;
  variables.set("QT_QPA_PLATFORM", "wayland");
  variables.set("XDG_RUNTIME_DIR", runtime.path().toUtf8());
  variables.set("WAYLAND_DISPLAY", "compositor-7");
  variables.set("DISPLAY", ":5");
  EXPECT_EQ(platform::displayFailure("", ""),
            "cannot open the display (DISPLAY=:5, WAYLAND_DISPLAY=compositor-7)");
  // Another platform given by the argument is taken as it is.
  EXPECT_EQ(platform::displayFailure("offscreen", ""), "");

  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address = {};
  address.sun_family = AF_UNIX;
  const QByteArray path = runtime.filePath(QStringLiteral("compositor-7")).toUtf8();
  std::memcpy(address.sun_path, path.constData(), path.size() + 1);
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(fd, 1), 0);
  EXPECT_EQ(platform::displayFailure("", ""), "");
  // An absolute WAYLAND_DISPLAY is the socket's path itself.
  variables.set("XDG_RUNTIME_DIR", "");
  variables.set("WAYLAND_DISPLAY", path);
  EXPECT_EQ(platform::displayFailure("", ""), "");
  ::close(fd);
}

} // namespace
