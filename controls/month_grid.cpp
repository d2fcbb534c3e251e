#include "controls/month_grid.h"

#include "core/date.h"
#include "core/errors.h"
#include "platform/colors.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kEdge = 2; // the sunken border
constexpr int kLine = 1; // grid line between cells

} // namespace

MonthGrid::MonthGrid(QWidget *parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  resize(320, 120);
}

void MonthGrid::setYear(int value) {
  if (value < 1 || value == year_)
    return;
  changeTo(core::encodeDate(value, month_, day_));
}

void MonthGrid::setMonth(int value) {
  if (value < 1 || value > 12 || value == month_)
    return;
  changeTo(core::encodeDate(year_, value, day_));
}

void MonthGrid::setDay(int value) {
  if (value < 1 || value > core::daysInMonth(year_, month_) || value == day_)
    return;
  changeTo(core::encodeDate(year_, month_, value));
}

core::Date MonthGrid::calendarDate() const {
  return {year_, month_, day_};
}

void MonthGrid::setCalendarDate(const core::Date &date) {
  if (date == calendarDate())
    return;
  changeTo(core::encodeDate(date.year, date.month, date.day));
}

void MonthGrid::changeTo(const core::Date &date) {
  year_ = date.year;
  month_ = date.month;
  day_ = date.day;
  update();
  emit changed();
}

void MonthGrid::setStartOfWeek(int value) {
  startOfWeek_ = ((value % 7) + 7) % 7;
  update();
}

int MonthGrid::firstColumn() const {
  const int first = core::weekDay(core::Date{year_, month_, 1});
  return (first - startOfWeek_ + 7) % 7;
}

int MonthGrid::dayAt(int column, int row) const {
  if (row < 1 || row > 6 || column < 0 || column > 6)
    return 0;
  const int day = (row - 1) * 7 + column - firstColumn() + 1;
  return day >= 1 && day <= core::daysInMonth(year_, month_) ? day : 0;
}

QString MonthGrid::cellText(int column, int row) const {
  if (row == 0) {
    // Qt counts Monday as 1 and Sunday as 7.
    const int weekday = (startOfWeek_ + column) % 7;
    return QLocale::system().dayName(weekday == 0 ? 7 : weekday, QLocale::ShortFormat);
  }
  const int day = dayAt(column, row);
  return day ? QString::number(day) : QString();
}

QPoint MonthGrid::selectedCell() const {
  const int index = firstColumn() + day_ - 1;
  return {index % 7, index / 7 + 1};
}

QRect MonthGrid::cellRect(int column, int row) const {
  const int cellWidth = (width() - 2 * kEdge - 6 * kLine) / 7;
  const int cellHeight = (height() - 2 * kEdge - 6 * kLine) / 7;
  return {kEdge + column * (cellWidth + kLine), kEdge + row * (cellHeight + kLine), cellWidth,
          cellHeight};
}

void MonthGrid::paintEvent(QPaintEvent *) {
  QPainter p(this);
  // Cells and texts from the grid's own palette, as its edges: a palette that a
  // style or a window gives the grid reaches ground and text alike.
  const QPalette &pal = palette();
  const QColor face = platform::toQColor(platform::clBtnFace, pal);
  const QColor shadow = platform::toQColor(platform::clBtnShadow, pal);
  const QColor light = platform::toQColor(platform::clBtnHighlight, pal);
  p.fillRect(rect(), platform::toQColor(platform::clWindow, pal));

  // Grid lines: the colour of the header shows between the cells.
  const QRect last = cellRect(6, 6);
  p.fillRect(QRect(kEdge, kEdge, last.right() + 1 - kEdge, last.bottom() + 1 - kEdge), face);

  const QPoint selected = selectedCell();
  for (int row = 0; row < 7; ++row)
    for (int column = 0; column < 7; ++column) {
      const QRect cell = cellRect(column, row);
      QColor text = platform::toQColor(platform::clWindowText, pal);
      if (row == 0) {
        p.fillRect(cell, face);
        p.setPen(light);
        p.drawLine(cell.topLeft(), cell.topRight());
        p.drawLine(cell.topLeft(), cell.bottomLeft());
        p.setPen(shadow);
        p.drawLine(cell.bottomLeft(), cell.bottomRight());
        p.drawLine(cell.topRight(), cell.bottomRight());
        text = platform::toQColor(platform::clBtnText, pal);
      } else if (QPoint(column, row) == selected) {
        p.fillRect(cell, platform::toQColor(platform::clHighlight, pal));
        text = platform::toQColor(platform::clHighlightText, pal);
        if (hasFocus()) {
          p.setPen(QPen(text, 1, Qt::DotLine));
          p.drawRect(cell.adjusted(0, 0, -1, -1));
        }
      } else {
        p.fillRect(cell, platform::toQColor(platform::clWindow, pal));
      }
      p.setPen(text);
      p.drawText(cell, Qt::AlignCenter, cellText(column, row));
    }

  // The sunken border.
  const int r = width() - 1, b = height() - 1;
  p.setPen(shadow);
  p.drawLine(0, 0, r, 0);
  p.drawLine(0, 0, 0, b);
  p.setPen(pal.color(QPalette::Shadow));
  p.drawLine(1, 1, r - 1, 1);
  p.drawLine(1, 1, 1, b - 1);
  p.setPen(light);
  p.drawLine(0, b, r, b);
  p.drawLine(r, 0, r, b);
  p.setPen(pal.color(QPalette::Midlight));
  p.drawLine(1, b - 1, r - 1, b - 1);
  p.drawLine(r - 1, 1, r - 1, b - 1);
}

void MonthGrid::mousePressEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  event->accept();
  setFocus(Qt::MouseFocusReason);
  const QPoint pos = event->position().toPoint();
  for (int row = 1; row < 7; ++row)
    for (int column = 0; column < 7; ++column)
      if (cellRect(column, row).contains(pos)) {
        if (const int day = dayAt(column, row))
          setDay(day);
        return;
      }
}

void MonthGrid::keyPressEvent(QKeyEvent *event) {
  int step = 0;
  switch (event->key()) {
  case Qt::Key_Left:
    step = -1;
    break;
  case Qt::Key_Right:
    step = 1;
    break;
  case Qt::Key_Up:
    step = -7;
    break;
  case Qt::Key_Down:
    step = 7;
    break;
  default:
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  // The selection stays inside the month: a step onto a blank cell is none.
  setDay(day_ + step);
}
