// Which Qt platform the program asks for in which session.

#include "platform/session.h"

#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace {

using platform::platformForSession;

TEST(Session, AWaylandSessionWithAnXDisplayRunsOnItUnlessAPlatformWasChosen) {
  struct Case {
    const char *wayland, *x, *chosen;
    bool xcb;
  };
  const Case cases[] = {
      {"wayland-0", ":0", "", true},
      {"/run/user/1000/wayland-1", ":1.0", "", true},
      {"wayland-0", ":0", "wayland", false}, // the user's choice stands
      {"wayland-0", ":0", "offscreen", false},
      {"wayland-0", ":0", "xcb", false}, // nothing to add
      {"wayland-0", "", "", false},      // no X display: natively
      {"", ":0", "", false},             // an X session
      {"", "", "", false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.wayland) + " | " + c.x + " | " + c.chosen);
    const auto platform = platformForSession(c.wayland, c.x, c.chosen);
    if (c.xcb)
      EXPECT_EQ(platform, "xcb;wayland");
    else
      EXPECT_FALSE(platform);
  }
}

// Sets the three variables for one case and gives the previous values back afterwards.
class SessionVariables {
public:
  SessionVariables(const char *wayland, const char *x, const char *chosen) {
    for (int i = 0; i < 3; ++i) {
      saved_[i] = qgetenv(kNames[i]);
      wasSet_[i] = qEnvironmentVariableIsSet(kNames[i]);
    }
    set(0, wayland);
    set(1, x);
    set(2, chosen);
  }
  ~SessionVariables() {
    for (int i = 0; i < 3; ++i)
      set(i, wasSet_[i] ? saved_[i].constData() : nullptr);
  }

private:
  static void set(int i, const char *value) {
    if (value)
      qputenv(kNames[i], value);
    else
      qunsetenv(kNames[i]);
  }
  static constexpr const char *kNames[3] = {"WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM"};
  QByteArray saved_[3];
  bool wasSet_[3] = {};
};

TEST(Session, ChoosingSetsThePlatformOnlyWhereTheSessionCallsForIt) {
  struct Case {
    const char *wayland, *x, *chosen, *expected;
  };
  const Case cases[] = {
      {"wayland-0", ":0", nullptr, "xcb;wayland"},
      {"wayland-0", ":0", "", "xcb;wayland"}, // set but empty: Qt's own choice, as unset
      {"wayland-0", ":0", "wayland", "wayland"},
      {"wayland-0", nullptr, nullptr, nullptr},
      {nullptr, ":0", nullptr, nullptr},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.wayland ? c.wayland : "-") + " | " + (c.x ? c.x : "-") + " | " +
                 (c.chosen ? c.chosen : "-"));
    SessionVariables session(c.wayland, c.x, c.chosen);
    platform::choosePlatformForSession();
    if (c.expected)
      EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), c.expected);
    else
      EXPECT_FALSE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));
  }
}

TEST(Session, OnlyTheWaylandPlatformsLeaveWindowsUncut) {
  for (const char *name : {"wayland", "wayland-egl", "wayland-xcomposite-glx"})
    EXPECT_TRUE(platform::onWayland(name)) << name;
  for (const char *name : {"xcb", "offscreen", "minimal", "eglfs", ""})
    EXPECT_FALSE(platform::onWayland(name)) << name;
}

} // namespace
