// What the window's buttons do, and the shared level and save helpers.
#include "chart/calvorw.h"
#include "chart/calvorw_widgets.h"
#include "core/biorhythm.h"
#include "core/config_file.h"
#include "core/date_text.h"
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
  const platform::Environment &e = platform::env();
  core::parseDate(utf8(MaskEdit1->text()), e.regional.date, e.today());
  SaveConfiguration(!blinkItem_ || blinkItem_->isChecked());
  ComputeTodayLevels();
  ShowTodayPower();
  showOnlyPanel(power);
}

void ComputeTodayLevels() {
  const platform::Environment &e = platform::env();
  core::computeLevelsFromBirthText(utf8(Form2->MaskEdit1->text()), e.regional.date, e.today());
}

void SaveConfiguration(bool blinking) {
  core::Configuration config;
  config.firstName = utf8(Form2->Edit1->text());
  config.birthDate = utf8(Form2->MaskEdit1->text());
  config.blinking = blinking;
  core::writeConfigFile(platform::env().configPath, config);
}
