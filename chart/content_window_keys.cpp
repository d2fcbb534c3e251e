// The content window from the keyboard: which buttons Tab reaches and in what
// order, Return in the projection field, and the chart's keys.
#include "chart/content_window.h"
#include "platform/guarded.h"

#include <QApplication>
#include <QKeyEvent>

void ContentWindow::letKeyboardReachButtons() {
  // Tab only: a click leaves the focus where it was, so the mouse never
  // leaves a focus frame behind (and the setup's field keeps its check).
  // The setup's OK stays out: Return in either setup field presses it.
  for (GlyphButton *button :
       {birthDateCalendarButton, firstMonthButton, projectionCalendarButton, showMeButton,
        priorMonthButton, printButton, refreshButton, closeChartButton, nextMonthButton})
    button->setFocusPolicy(Qt::TabFocus);

  setTabOrder(birthDateField, birthDateCalendarButton);
  // Top to bottom, as the projection panel shows them.
  setTabOrder(firstMonthButton, projectionCalendarButton);
  setTabOrder(projectionCalendarButton, projectionDateField);
  setTabOrder(projectionDateField, showMeButton);
  // Left to right along the chart's row.
  setTabOrder(priorMonthButton, printButton);
  setTabOrder(printButton, refreshButton);
  setTabOrder(refreshButton, closeChartButton);
  setTabOrder(closeChartButton, nextMonthButton);

  connect(projectionDateField, &QLineEdit::returnPressed, showMeButton, &QPushButton::click);
}

void ContentWindow::giveChartTheKeys(bool hadKeys) {
  if (hadKeys) {
    // The window manager keeps the keys on a window that hides and shows again at once, and so
    // tells the toolkit nothing: it is taken for the active window here, so that its focus
    // moves are sent to readers.
    activateWindow();
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(this);
    QT_WARNING_POP
  }
  // The button that has the keys is framed, after a click as after Return: the arrows and
  // Escape act at once.
  setAttribute(Qt::WA_KeyboardFocusChange);
  if (QWidget *focused = focusWidget())
    focused->update();
  else
    focusNextPrevChild(true);
}

bool ContentWindow::focusNextPrevChild(bool next) {
  // Shown again after hiding itself for the chart, the window gets the keys
  // without being taken for the active one: a focus moved then sends no focus
  // events, so the two buttons concerned are painted here, and the window
  // marked as moved by the keyboard as the toolkit does for an active one.
  QWidget *before = focusWidget();
  const bool moved = BorderlessWindow::focusNextPrevChild(next);
  if (!isActiveWindow())
    setAttribute(Qt::WA_KeyboardFocusChange);
  for (QWidget *w : {before, focusWidget()})
    if (w)
      w->update();
  return moved;
}

void ContentWindow::keyPressEvent(QKeyEvent *event) {
  // No panel shown: chart mode, where the keys step the months and Escape
  // does what the row's Close does.
  if (visiblePanel() || event->modifiers() != Qt::NoModifier) {
    BorderlessWindow::keyPressEvent(event);
    return;
  }
  GlyphButton *button = nullptr;
  switch (event->key()) {
  case Qt::Key_Left:
  case Qt::Key_PageUp:
    button = priorMonthButton;
    break;
  case Qt::Key_Right:
  case Qt::Key_PageDown:
    button = nextMonthButton;
    break;
  case Qt::Key_Escape:
    button = closeChartButton;
    break;
  default:
    BorderlessWindow::keyPressEvent(event);
    return;
  }
  event->accept();
  // The first month of life has no months to step to: its row has no such buttons.
  if (button->isVisibleTo(this) && button->isEnabled())
    button->click();
}
