// The setup's fields as the rest of the program reads them, kept here until
// the content window is made.
#include "chart/content_window_fields.h"
#include "chart/content_window.h"
#include "chart/content_window_parts.h"
#include "core/biorhythm.h"
#include "core/config_file.h"
#include "core/date_text.h"
#include "core/errors.h"
#include "platform/environment.h"

#include <utility>

namespace {

// What a load gave the fields while the window was not made yet.
struct LoadedFields {
  QString firstName, birthDate, projectionDate;
  struct Power {
    int emotional, intellectual, physical;
    core::Date day;
  };
  std::optional<Power> power;
};
std::optional<LoadedFields> loaded;

// The birth date text a level computation last refused; none once one converts.
std::optional<QString> refusedBirthDate;

// What a date field would hold of a text.
QString heldInDateField(const QString &text) {
  const core::RegionalDateFormat &regional = platform::env().regional.date;
  return DateField::heldText(text, QChar::fromLatin1(regional.separator),
                             regional.order == core::DateOrder::YMD);
}

} // namespace

QString fieldFirstName() {
  if (!contentWindow.made() && loaded)
    return loaded->firstName;
  return contentWindow->firstNameField->text();
}

QString fieldBirthDate() {
  if (!contentWindow.made() && loaded)
    return loaded->birthDate;
  return contentWindow->birthDateField->text();
}

void loadFields(const QString &firstName, const QString &birthDate, const QString &projectionDate) {
  if (ContentWindow *form = contentWindow.made()) {
    form->projectionDateField->setText(projectionDate);
    form->firstNameField->setText(firstName);
    form->birthDateField->setText(birthDate);
    return;
  }
  // Kept as the fields would hold them.
  loaded = LoadedFields{firstName, heldInDateField(birthDate), heldInDateField(projectionDate),
                        std::nullopt};
}

void showTodayPowerOnPanel() {
  if (ContentWindow *form = contentWindow.made()) {
    form->showTodayPower();
    return;
  }
  if (loaded)
    loaded->power = {core::currentEmotionalLevel, core::currentIntellectualLevel,
                     core::currentPhysicalLevel, platform::env().today()};
}

void resetFields() {
  loaded.reset();
  refusedBirthDate.reset();
}

void ContentWindow::takeLoadedFields() {
  if (!loaded)
    return;
  const LoadedFields fields = *std::exchange(loaded, std::nullopt);
  projectionDateField->setText(fields.projectionDate);
  firstNameField->setText(fields.firstName);
  birthDateField->setText(fields.birthDate);
  if (fields.power)
    showPower(fields.power->emotional, fields.power->intellectual, fields.power->physical,
              fields.power->day);
}

core::Date birthDateOfField() {
  const platform::Environment &e = platform::env();
  const QString text = fieldBirthDate();
  try {
    const core::Date birth = core::parseDate(content_parts::utf8(text), e.regional.date, e.today());
    refusedBirthDate.reset();
    return birth;
  } catch (const core::EConvertError &) {
    refusedBirthDate = text;
    throw;
  }
}

bool computeTodayLevelsUnlessRefused() {
  if (refusedBirthDate == fieldBirthDate())
    return false;
  computeTodayLevels();
  return true;
}

void computeTodayLevels() {
  const core::Date birth = birthDateOfField();
  core::currentDayCount = core::computeDayCount(birth, platform::env().today());
  core::computeCurrentLevels();
}

void saveConfiguration(bool blinking) {
  core::Configuration config;
  config.firstName = content_parts::utf8(fieldFirstName());
  config.birthDate = content_parts::utf8(fieldBirthDate());
  config.blinking = blinking;
  core::writeConfigFile(platform::env().configPath, config);
}
