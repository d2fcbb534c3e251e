#pragma once
// What the command line asks for. Read before the application object exists, so that --help
// and --version answer without a display. Qt's own options (-platform, -display, -session, ...)
// are let through for the application object to take.
#include <QString>
#include <QStringList>

struct CommandLine {
  enum class Action { run, help, version, error };
  Action action = Action::run;
  // Started by the session's autostart rather than by the user.
  bool autostart = false;
  // A "-platform" or "-display" argument, empty when none.
  QString platform;
  QString display;
  // For help and version, what goes to the standard output; for an error, the lines for the
  // standard error.
  QString text;
};

// `arguments` as main received them, the program's path first.
CommandLine parseCommandLine(const QStringList &arguments);
