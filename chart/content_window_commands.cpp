// What the window's buttons do, and the shared level and save helpers.
#include "chart/content_window.h"
#include "chart/content_window_parts.h"
#include "core/biorhythm.h"
#include "core/config_file.h"
#include "core/date_text.h"
#include "core/errors.h"
#include "core/text_rules.h"
#include "platform/environment.h"

#include <QAction>

using namespace content_parts;

void ContentWindow::ShowTodayPower() {
  ShowPower(core::currentEmotionalLevel, core::currentIntellectualLevel, core::currentPhysicalLevel,
            platform::env().today());
}

void ContentWindow::ShowPower(int emotional, int intellectual, int physical, core::Date day) {
  NeatoMeter1->setProgress(emotional);
  NeatoMeter2->setProgress(intellectual);
  NeatoMeter3->setProgress(physical);
  const QString today =
      QString::fromStdString(core::formatShortDate(day, platform::env().regional.date));
  Label9->setText(QStringLiteral("Hello ") + Edit1->text() +
                  QStringLiteral(", this is for today, ") + today + QStringLiteral("."));
}

void ContentWindow::BitBtn1Click() {
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

void ContentWindow::BitBtn9Click() {
  CalendarForProjection = true;
  if (OnOpenCalendar)
    OnOpenCalendar();
}

void ContentWindow::BitBtn10Click() {
  CalendarForProjection = false;
  if (OnOpenCalendar)
    OnOpenCalendar();
}

void ComputeTodayLevels() {
  const core::Date birth = birthDateOfField();
  core::currentDayCount = core::computeDayCount(birth, platform::env().today());
  core::computeCurrentLevels();
}

void SaveConfiguration(bool blinking) {
  core::Configuration config;
  config.firstName = utf8(FieldFirstName());
  config.birthDate = utf8(FieldBirthDate());
  config.blinking = blinking;
  core::writeConfigFile(platform::env().configPath, config);
}
