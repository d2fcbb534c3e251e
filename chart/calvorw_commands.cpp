// What the window's buttons do, and the shared level and save helpers.
#include "chart/calvorw.h"
#include "chart/calvorw_widgets.h"
#include "core/biorhythm.h"
#include "core/config_file.h"
#include "core/date_text.h"
#include "core/errors.h"
#include "core/text_rules.h"
#include "platform/environment.h"

#include <QAction>

using namespace calvorw;

void TForm2::ShowTodayPower() {
  NeatoMeter1->setProgress(core::EmotionalLevel);
  NeatoMeter2->setProgress(core::IntellectualLevel);
  NeatoMeter3->setProgress(core::PhysicalLevel);
  const platform::Environment &e = platform::env();
  const QString today = QString::fromStdString(core::formatShortDate(e.today(), e.regional.date));
  Label9->setText(QStringLiteral("Hello ") + Edit1->text() +
                  QStringLiteral(", this is for today, ") + today + QStringLiteral("."));
}

void TForm2::BitBtn1Click() {
  const QString name = QString::fromStdString(core::fixFirstName(utf8(Edit1->text())));
  FirstNameCopy = name;
  Edit1->setText(name);
  MaskEdit1->setText(MaskEdit1->text().trimmed());
  // A birth date that does not convert is refused before anything is
  // written, so a typo never leaves a file that fails at the next start.
  birthDateOfField();
  SaveConfiguration(!blinkItem_ || blinkItem_->isChecked());
  ComputeTodayLevels();
  ShowTodayPower();
  showOnlyPanel(power);
}

void TForm2::BitBtn9Click() {
  CalendarForProjection = true;
  if (OnOpenCalendar)
    OnOpenCalendar();
}

void TForm2::BitBtn10Click() {
  CalendarForProjection = false;
  if (OnOpenCalendar)
    OnOpenCalendar();
}

core::Date birthDateOfField() {
  const platform::Environment &e = platform::env();
  const QString text = Form2->MaskEdit1->text();
  try {
    const core::Date birth = core::parseDate(utf8(text), e.regional.date, e.today());
    Form2->refusedBirthDate_.reset();
    return birth;
  } catch (const core::EConvertError &) {
    Form2->refusedBirthDate_ = text;
    throw;
  }
}

void ComputeTodayLevels() {
  const core::Date birth = birthDateOfField();
  core::DayCount = core::computeDayCount(birth, platform::env().today());
  core::ComputeLevels();
}

bool ComputeTodayLevelsUnlessRefused() {
  if (Form2->refusedBirthDate_ == Form2->MaskEdit1->text())
    return false;
  ComputeTodayLevels();
  return true;
}

void SaveConfiguration(bool blinking) {
  core::Configuration config;
  config.firstName = utf8(Form2->Edit1->text());
  config.birthDate = utf8(Form2->MaskEdit1->text());
  config.blinking = blinking;
  core::writeConfigFile(platform::env().configPath, config);
}
