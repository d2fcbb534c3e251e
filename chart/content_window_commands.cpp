// What the window's buttons do.
#include "chart/content_window.h"
#include "chart/content_window_parts.h"
#include "core/biorhythm.h"
#include "core/date_text.h"
#include "core/errors.h"
#include "core/text_rules.h"
#include "state/setup_values.h"

#include <QAction>

using namespace content_parts;

void ContentWindow::showTodayPower() {
  if (const std::optional<core::Date> day = session_.powerDay()) {
    const core::Levels levels = session_.levels();
    showPower(levels.emotional, levels.intellectual, levels.physical, *day);
  }
}

void ContentWindow::showPower(int emotional, int intellectual, int physical, core::Date day) {
  emotionalGauge->setProgress(emotional);
  intellectualGauge->setProgress(intellectual);
  physicalGauge->setProgress(physical);
  const QString today = QString::fromStdString(core::formatShortDate(day, env_.regional.date));
  greetingLabel->setText(QStringLiteral("Hello ") + firstNameField->text() +
                         QStringLiteral(", this is for today, ") + today + QStringLiteral("."));
}

void ContentWindow::saveSetup() {
  const QString name = QString::fromStdString(core::fixFirstName(utf8(firstNameField->text())));
  session_.headlineFirstName = name;
  firstNameField->setText(name);
  birthDateField->setText(birthDateField->text().trimmed());
  // A birth date that does not convert is refused before anything is
  // written, so a typo never leaves a file that fails at the next start.
  birthDateOfField(session_, env_);
  saveConfiguration(session_, env_, !blinkItem_ || blinkItem_->isChecked());
  computeTodayLevels(session_, env_);
  session_.showTodayPower(env_.today());
  showOnlyPanel(powerPanel);
}

void ContentWindow::openCalendarForProjection() {
  emit calendarRequested(DateTarget::ProjectionDate);
}

void ContentWindow::openCalendarForBirthDate() {
  emit calendarRequested(DateTarget::BirthDate);
}

void ContentWindow::putChosenDate(DateTarget target, const QString &dateText) {
  if (target == DateTarget::ProjectionDate) {
    projectionDateField->setText(dateText);
    showMeButton->click();
  } else {
    birthDateField->setText(dateText);
  }
}
