#pragma once
// MonthGrid: a month calendar grid of 7 x 7 cells, a header row with the
// short day names and six week rows. The first day of the month sits in its
// weekday's column of the first week row; cells outside the month are
// blank; the day on display is the selected cell. A click on a day, or the
// arrow keys, set the day.
//
// Setting the year, month or day: a value below 1, a month above 12 or a day
// past the end of the month is ignored; the value it already has changes
// nothing. A year or month that would give a day that does not exist (31
// into a 30-day month, 29 February into a common year, a year past 9999)
// raises core::EDateError and keeps the date. Every change that happens
// redraws the grid and emits changed().
#include <QWidget>

namespace core {
struct Date;
}

class MonthGrid : public QWidget {
  Q_OBJECT

public:
  explicit MonthGrid(QWidget *parent = nullptr);

  int year() const { return year_; }
  void setYear(int value);
  int month() const { return month_; }
  void setMonth(int value);
  int day() const { return day_; }
  void setDay(int value);

  core::Date calendarDate() const;
  // Sets the whole date at once; EDateError when it does not exist.
  void setCalendarDate(const core::Date &date);

  // The first column's weekday: 0 = Sunday, 1 = Monday, ... 6 = Saturday.
  int startOfWeek() const { return startOfWeek_; }
  void setStartOfWeek(int value);

  // The cell text at (column, row); row 0 is the day-name header.
  QString cellText(int column, int row) const;
  // The day in a cell of the week rows, 0 for a blank cell.
  int dayAt(int column, int row) const;
  QRect cellRect(int column, int row) const;
  // The cell of the day on display.
  QPoint selectedCell() const;

signals:
  void changed();

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  // The column of the month's first day in the first week row.
  int firstColumn() const;
  void changeTo(const core::Date &date);

  int year_ = 2000, month_ = 1, day_ = 1;
  int startOfWeek_ = 0;
};
