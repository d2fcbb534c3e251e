#include "platform/regional_settings.h"

#include <QLocale>
#include <QtGlobal>

namespace platform {

namespace {

bool isPatternLetter(QChar c) {
  return c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y');
}

} // namespace

QString timeLocaleName() {
  for (const char *var : {"LC_ALL", "LC_TIME", "LANG"}) {
    QString value = qEnvironmentVariable(var);
    if (!value.isEmpty())
      return value;
  }
  return QStringLiteral("C");
}

core::RegionalDateFormat dateFormatFromQtPattern(const QString &qtPattern) {
  core::RegionalDateFormat format;
  std::string pattern;
  bool separatorFound = false;
  bool seenField = false;
  bool quoted = false;
  int dayLetters = 0, monthLetters = 0, yearLetters = 0;
  for (QChar c : qtPattern) {
    if (c == QLatin1Char('\'')) {
      quoted = !quoted; // quoted words (era, "year") are not part of a numeric date
      continue;
    }
    if (quoted)
      continue;
    if (isPatternLetter(c)) {
      seenField = true;
      const char letter = c == QLatin1Char('M') ? 'm' : static_cast<char>(c.unicode());
      dayLetters += letter == 'd';
      monthLetters += letter == 'm';
      yearLetters += letter == 'y';
      pattern += letter;
      continue;
    }
    if (c.unicode() >= 0x80 || c.isLetter())
      continue; // direction marks and the like
    if (seenField && !c.isSpace() &&
        (!separatorFound || c.unicode() == static_cast<unsigned char>(format.separator))) {
      format.separator = static_cast<char>(c.unicode());
      separatorFound = true;
      pattern += '/';
      continue;
    }
    pattern += static_cast<char>(c.unicode());
  }
  // Whatever follows the last field ("yyyy. MM. dd.") is no part of the date.
  const auto last = pattern.find_last_of("dmy");
  if (last != std::string::npos)
    pattern.erase(last + 1);
  format.order = core::dateOrderOf(pattern);
  const bool numeric = dayLetters >= 1 && dayLetters <= 2 && monthLetters >= 1 &&
                       monthLetters <= 2 && yearLetters >= 1 && separatorFound;
  // A pattern that names months or weekdays gives way to the numbers in its order.
  format.shortDateFormat = numeric ? pattern : core::numericDatePattern(format.order);
  return format;
}

RegionalSettings regionalSettingsFor(const QString &localeName) {
  RegionalSettings settings; // the C locale's
  const QString name = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
  if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
    return settings;
  const QLocale locale(name);
  if (locale.language() == QLocale::C)
    return settings;
  settings.date = dateFormatFromQtPattern(locale.dateFormat(QLocale::ShortFormat));
  return settings;
}

RegionalSettings regionalSettings() {
  return regionalSettingsFor(timeLocaleName());
}

} // namespace platform
