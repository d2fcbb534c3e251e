#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// Options QGuiApplication and its X and Wayland platforms take out of the arguments.
const char *const kQtOptionsWithValue[] = {"platform",        "platformpluginpath",
                                           "platformtheme",   "plugin",
                                           "qwindowgeometry", "qwindowtitle",
                                           "qwindowicon",     "session",
                                           "display",         "name",
                                           "geometry",        "style",
                                           "stylesheet"};
const char *const kQtFlags[] = {"reverse", "nograb", "dograb", "sync", "widgetcount"};

QString helpText() {
  return QStringLiteral(
      "Usage: calvoro [options]\n"
      "Shows today's emotional, intellectual and physical biorhythm levels as three icons\n"
      "in the notification area.\n"
      "\n"
      "Options:\n"
      "  -h, --help     Shows this help and ends.\n"
      "  -v, --version  Shows the version and ends.\n"
      "  --autostart    For the session's autostart: ends at once, showing nothing,\n"
      "                 unless a setup has been saved.\n"
      "\n"
      "Qt's own options, such as -platform NAME and -display DISPLAY, are taken as well.\n");
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments) {
  QCommandLineParser parser;
  // "-platform xcb" as Qt writes its options, not "-p -l -a ...".
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  const QCommandLineOption autostart(QStringLiteral("autostart"));
  parser.addOptions({help, version, autostart});
  for (const char *name : kQtOptionsWithValue)
    parser.addOption(
        QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
  for (const char *name : kQtFlags)
    parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

  CommandLine result;
  if (!parser.parse(arguments)) {
    result.action = CommandLine::Action::error;
    result.text = QStringLiteral("calvoro: %1\nTry 'calvoro --help' for the options.\n")
                      .arg(parser.errorText());
    return result;
  }
  if (!parser.positionalArguments().isEmpty()) {
    result.action = CommandLine::Action::error;
    result.text = QStringLiteral("calvoro: unexpected argument '%1'\nTry 'calvoro --help' for "
                                 "the options.\n")
                      .arg(parser.positionalArguments().constFirst());
    return result;
  }
  if (parser.isSet(help)) {
    result.action = CommandLine::Action::help;
    result.text = helpText();
  } else if (parser.isSet(version)) {
    result.action = CommandLine::Action::version;
    result.text = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                QCoreApplication::applicationVersion());
  }
  result.autostart = parser.isSet(autostart);
  result.platform = parser.value(QStringLiteral("platform"));
  result.display = parser.value(QStringLiteral("display"));
  return result;
}
