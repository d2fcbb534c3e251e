#include "state/session.h"

void Session::setLevels(int32_t dayCount, core::Levels levels) {
  dayCount_ = dayCount;
  levels_ = levels;
}

void Session::setFirstName(const QString &text) {
  firstName_ = text;
  hasFields_ = true;
}

void Session::setBirthDate(const QString &text) {
  birthDate_ = text;
  hasFields_ = true;
}

void Session::setProjectionDate(const QString &text) {
  projectionDate_ = text;
  hasFields_ = true;
}

void Session::loadFields(const QString &firstName, const QString &birthDate,
                         const QString &projectionDate) {
  firstName_ = firstName;
  birthDate_ = birthDate;
  projectionDate_ = projectionDate;
  hasFields_ = true;
  emit fieldsLoaded();
}

void Session::showTodayPower(core::Date day) {
  powerDay_ = day;
  emit todayPowerShown();
}
