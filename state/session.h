#pragma once
// What one window writes and another reads, in one place: today's levels (the
// tray shows them, the chart's drawing overwrites them: the last to compute
// wins), the setup's first name and dates (the content window's fields are the
// working copy and keep these in step, so nothing else needs the window), and
// the chooser's target. One Session lives as long as its set of windows.
#include "core/biorhythm.h"
#include "core/date.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>

// The date field the date chooser's OK writes to.
enum class DateTarget { BirthDate, ProjectionDate };

class Session : public QObject {
  Q_OBJECT
public:
  using QObject::QObject;

  // The day count and levels last computed, today's or a chart day's.
  int32_t dayCount() const { return dayCount_; }
  core::Levels levels() const { return levels_; }
  void setLevels(int32_t dayCount, core::Levels levels);

  // The setup's fields: as loaded until the content window is made, then as it
  // holds them. hasFields() is false until either has put them here.
  QString firstName() const { return firstName_; }
  QString birthDate() const { return birthDate_; }
  QString projectionDate() const { return projectionDate_; }
  bool hasFields() const { return hasFields_; }
  void setFirstName(const QString &text);
  void setBirthDate(const QString &text);
  void setProjectionDate(const QString &text);
  // A load: all three at once; fieldsLoaded() tells the window's fields.
  void loadFields(const QString &firstName, const QString &birthDate,
                  const QString &projectionDate);

  // The first name as the chart headline shows it, at most 15 characters.
  QString headlineFirstName;
  // The birth date text a level computation last refused; none once one converts.
  std::optional<QString> refusedBirthDate;

  // The day the power panel shows the levels for; none before the first.
  std::optional<core::Date> powerDay() const { return powerDay_; }
  void showTodayPower(core::Date day);

signals:
  void fieldsLoaded();
  void todayPowerShown();

private:
  int32_t dayCount_ = 0;
  core::Levels levels_;
  QString firstName_, birthDate_, projectionDate_;
  bool hasFields_ = false;
  std::optional<core::Date> powerDay_;
};
