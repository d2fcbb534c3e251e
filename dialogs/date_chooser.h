#pragma once
// The date chooser: a month grid, a month field and a year field. Its OK
// hands the date on display to whoever opened it; it is only ever shown and
// hidden, so the date on display persists from one opening to the next.
#include "components/smooth_show.h"
#include "controls/borderless_window.h"
#include "controls/etched_frame.h"
#include "controls/month_grid.h"
#include "controls/on_demand.h"
#include "controls/picture_view.h"
#include "controls/spin_field.h"
#include "controls/text_label.h"

#include <QPushButton>
#include <QString>

#include <array>
#include <functional>

class DateChooser : public BorderlessWindow {
  Q_OBJECT
public:
  explicit DateChooser(QWidget *parent = nullptr);

  void FormCreate();
  void Calendar1Change();
  // The month field; 0 and 13 step into the previous or next year.
  void updown1Change();
  // The year field; a typed year takes effect at every keystroke.
  void UpDown2Change();
  // OK: hands on the date as "dd/mm/yyyy" in the regional order and
  // separator, then closes.
  void label1Click();
  // Cancel (also Escape): closes; nothing is handed on.
  void Button1Click();

  // "d Monthname yyyy" of the date on display, the month name as it was last
  // looked up.
  QString dateCaption() const;

  // Where OK puts the date text (the content window's birth-date or
  // projection field); runs before the chooser hides.
  std::function<void(const QString &dateText)> OnPutDate;
  // After OK or Cancel has hidden the chooser: the windows sent to the back
  // for it stay on top again.
  std::function<void()> OnClosed;

  PictureView *Image1;
  EtchedFrame *Bevel1;
  TextLabel *Label2;
  MonthGrid *Calendar1;
  QPushButton *label1; // OK, its caption the date on display
  SpinField *UpDown2;  // year, 1900 .. 10000
  SpinField *updown1;  // month, 0 .. 13
  QPushButton *Button1;
  SmoothShow *SmoothShow1;

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void FormShow() override;
  void FormHide() override;

private:
  // The date on display as the date fields read it.
  QString dateText(bool leadingZeros) const;
  void showOkCaption();
  void showMonthName();
};

// The month names by month number (index 0 is January), as the chooser
// shows them.
extern const std::array<const char *, 12> MonthNameTable;
// The name of the month last put on display, at most 9 characters.
extern QString ShownMonthName;

// The process-wide reference to the date chooser.
// Made at the first opening (app/forms.cpp gives the maker).
extern OnDemand<DateChooser> dateChooser;
