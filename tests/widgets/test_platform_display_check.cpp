// Whether the application object will find a display: which platforms Qt tries, and a Wayland
// compositor's socket found where its client library looks for it.

#include "platform/display_check.h"

#include <QScopeGuard>
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

TEST(DisplayCheck, AWaylandSessionIsThereWhenItsSocketAnswers) {
  const char *names[] = {"QT_QPA_PLATFORM", "XDG_RUNTIME_DIR", "WAYLAND_DISPLAY", "DISPLAY"};
  QList<QByteArray> saved;
  for (const char *name : names)
    saved << qgetenv(name);
  const auto restore = qScopeGuard([&] {
    for (int i = 0; i < 4; ++i)
      qputenv(names[i], saved[i]);
  });
  QTemporaryDir runtime;
  ASSERT_TRUE(runtime.isValid());
  qputenv("QT_QPA_PLATFORM", "wayland");
  qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
  qputenv("WAYLAND_DISPLAY", "compositor-7");
  qputenv("DISPLAY", ":5");
  EXPECT_EQ(platform::displayFailure("", ""),
            "cannot open the display (DISPLAY=:5, WAYLAND_DISPLAY=compositor-7)");
  // Another platform given by the argument is taken as it is.
  EXPECT_EQ(platform::displayFailure("offscreen", ""), "");

  const QByteArray socket = runtime.filePath(QStringLiteral("compositor-7")).toUtf8();
  sockaddr_un address = {};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, socket.constData(), socket.size() + 1);
  const int compositor = ::socket(AF_UNIX, SOCK_STREAM, 0);
  const auto closer = qScopeGuard([compositor] { ::close(compositor); });
  ASSERT_EQ(::bind(compositor, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(compositor, 1), 0);
  EXPECT_EQ(platform::displayFailure("", ""), "");
  // An absolute WAYLAND_DISPLAY is the socket's path itself.
  qputenv("XDG_RUNTIME_DIR", "");
  qputenv("WAYLAND_DISPLAY", socket);
  EXPECT_EQ(platform::displayFailure("", ""), "");
}

} // namespace
