#pragma once
// The date chooser: a month grid, a month field and a year field. Its OK
// hands the date on display to whoever opened it; it is only ever shown and
// hidden, so the date on display persists from one opening to the next.
#include "components/smooth_show.h"
#include "controls/borderless_window.h"
#include "controls/etched_frame.h"
#include "controls/month_grid.h"
#include "controls/picture_view.h"
#include "controls/spin_field.h"
#include "controls/text_label.h"
#include "platform/environment.h"

#include <QPushButton>
#include <QString>

#include <array>

class DateChooser : public BorderlessWindow {
  Q_OBJECT
public:
  explicit DateChooser(const platform::Environment &env, QWidget *parent = nullptr);

  // for the tests and the wiring
  void gridChanged();
  // The month field; 0 and 13 step into the previous or next year.
  void monthFieldChanged();
  // The year field; a typed year takes effect at every keystroke.
  void yearFieldChanged();
  // OK: hands on the date as "dd/mm/yyyy" in the regional order and
  // separator, then closes.
  void acceptDate();
  TextLabel *dateCaptionLabel;
  MonthGrid *monthGrid;
  QPushButton *okButton; // its caption the date on display
  SpinField *yearField;  // 1900 .. 10000
  SpinField *monthField; // 0 .. 13
  const QString &shownMonthName() const { return shownMonthName_; }
  QPushButton *cancelButton;

signals:
  // OK's date text, for the content window's birth-date or projection field;
  // before the chooser hides.
  void datePicked(const QString &dateText);

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void onShowing() override;
  void onHidden() override;

private:
  void showStartDate();
  // Cancel (also Escape): closes; nothing is handed on.
  void cancel();
  // "d Monthname yyyy" of the date on display, the month name as it was last
  // looked up.
  QString dateCaption() const;
  // The date on display as the date fields read it.
  QString dateText(bool leadingZeros) const;
  void showOkCaption();
  void showMonthName();

  PictureView *backgroundPicture;
  EtchedFrame *etchedFrame;
  SmoothShow *showAnimation;
  const platform::Environment &env_;
  // The name of the month last put on display, at most 9 characters.
  QString shownMonthName_;
};

// The month names by month number (index 0 is January), as the chooser
// shows them.
extern const std::array<const char *, 12> monthNames;
