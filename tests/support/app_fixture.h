#pragma once
// A fresh set of the program's windows on an environment of fakes (the three
// made on demand are made by a test's first use of them), with
// the configuration file in a scratch folder. The start-up timers are held so
// that each test drives the handlers itself.
#include "test_environment.h"

#include "app/windows.h"

#include <QIcon>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace testing_support {

class AppFixture : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  std::string configPath() const;
  void writeConfig(const QByteArray &bytes);
  QByteArray readConfig() const;
  bool configExists() const;
  // A fresh set of windows and a fresh session, as at a new start.
  void recreateWindows();

  QTemporaryDir dir;
  std::unique_ptr<TestEnvironment> env;
  std::unique_ptr<Windows> windows;
};

// The picture a tray icon shows, by name ("emotio6", "happy", ...); empty when
// the icon is none of the program's 32-pixel pictures.
QString pictureNameOf(const QIcon &icon);

// The birth date `days` days before `today`, as "dd/mm/yyyy".
QString birthDateDaysBefore(int days, core::Date today);

} // namespace testing_support
