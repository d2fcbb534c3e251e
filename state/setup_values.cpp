// Texts go to core as UTF-8 (QString::toStdString).
#include "state/setup_values.h"

#include "core/biorhythm.h"
#include "core/config_file.h"
#include "core/date_text.h"
#include "core/errors.h"

core::Date birthDateOfField(Session &session, const platform::Environment &env) {
  const QString text = session.birthDate();
  try {
    const core::Date birth = core::parseDate(text.toStdString(), env.regional.date, env.today());
    session.refusedBirthDate.reset();
    return birth;
  } catch (const core::EConvertError &) {
    session.refusedBirthDate = text;
    throw;
  }
}

bool computeTodayLevelsUnlessRefused(Session &session, const platform::Environment &env) {
  if (session.refusedBirthDate == session.birthDate())
    return false;
  computeTodayLevels(session, env);
  return true;
}

void computeTodayLevels(Session &session, const platform::Environment &env) {
  const core::Date birth = birthDateOfField(session, env);
  const int32_t dayCount = core::computeDayCount(birth, env.today());
  session.setLevels(dayCount, core::levelsFor(dayCount));
}

void saveConfiguration(const Session &session, const platform::Environment &env, bool blinking) {
  core::Configuration config;
  config.firstName = session.firstName().toStdString();
  config.birthDate = session.birthDate().toStdString();
  // Line 1 keeps the day this text names here, for a start under another
  // regional format.
  config.birthDay = core::tryParseDate(config.birthDate, env.regional.date, env.today());
  config.blinking = blinking;
  core::writeConfigFile(*env.configStorage, env.configPath, config);
}
