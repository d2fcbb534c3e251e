// What the window's buttons do.
#include "chart/content_window.h"
#include "chart/content_window_fields.h"
#include "chart/content_window_parts.h"
#include "core/biorhythm.h"
#include "core/date_text.h"
#include "core/errors.h"
#include "core/text_rules.h"
#include "platform/environment.h"

#include <QAction>

using namespace content_parts;

void ContentWindow::showTodayPower() {
  showPower(core::currentEmotionalLevel, core::currentIntellectualLevel, core::currentPhysicalLevel,
            platform::env().today());
}

void ContentWindow::showPower(int emotional, int intellectual, int physical, core::Date day) {
  emotionalGauge->setProgress(emotional);
  intellectualGauge->setProgress(intellectual);
  physicalGauge->setProgress(physical);
  const QString today =
      QString::fromStdString(core::formatShortDate(day, platform::env().regional.date));
  greetingLabel->setText(QStringLiteral("Hello ") + firstNameField->text() +
                         QStringLiteral(", this is for today, ") + today + QStringLiteral("."));
}

void ContentWindow::saveSetup() {
  const QString name = QString::fromStdString(core::fixFirstName(utf8(firstNameField->text())));
  headlineFirstName = name;
  firstNameField->setText(name);
  birthDateField->setText(birthDateField->text().trimmed());
  // A birth date that does not convert is refused before anything is
  // written, so a typo never leaves a file that fails at the next start.
  birthDateOfField();
  saveConfiguration(!blinkItem_ || blinkItem_->isChecked());
  computeTodayLevels();
  showTodayPower();
  showOnlyPanel(powerPanel);
}

void ContentWindow::openCalendarForProjection() {
  calendarForProjection = true;
  if (onOpenCalendar)
    onOpenCalendar();
}

void ContentWindow::openCalendarForBirthDate() {
  calendarForProjection = false;
  if (onOpenCalendar)
    onOpenCalendar();
}
