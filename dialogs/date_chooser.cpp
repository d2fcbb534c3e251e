#include "dialogs/date_chooser.h"

#include "core/date.h"
#include "core/date_text.h"
#include "platform/colors.h"
#include "platform/error_hold.h"
#include "platform/fonts.h"
#include "platform/guarded.h"

#include <QKeyEvent>

const std::array<const char *, 12> monthNames = {"Januari",   "Februri", "Mart",     "April",
                                                 "Mei",       "Juni",    "July",     "Augustus",
                                                 "September", "October", "November", "December"};

namespace {

// Where the chooser's controls sit; the picture and the frame cover the window.
namespace chooser_layout {
constexpr QSize kWindow{220, 188};
constexpr QRect kMonthGrid{11, 7, 199, 97};
constexpr QRect kMonthField{11, 107, 37, 22};
constexpr QRect kYearField{53, 107, 49, 22};
// The caption's top left: the label sizes itself to its text.
constexpr QPoint kDateCaption{113, 111};
constexpr QRect kOkButton{12, 135, 199, 21};
constexpr QRect kCancelButton{45, 161, 133, 21};
} // namespace chooser_layout

QPushButton *makeButton(QWidget *parent, const char *name, const QRect &geometry,
                        const QString &caption, const char *hint) {
  auto *button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  // Return presses the focused button, as Space does.
  button->setAutoDefault(true);
  button->setToolTip(QString::fromLatin1(hint));
  return button;
}

SpinField *makeSpin(QWidget *parent, const char *name, const QRect &geometry, int min, int max) {
  auto *spin = new SpinField(parent);
  spin->setObjectName(name);
  spin->setGeometry(geometry);
  spin->setMinValue(min);
  spin->setMaxValue(max);
  // The design value, before any handler is attached.
  spin->setValue(min);
  return spin;
}

core::Date shownDate(const MonthGrid *grid) {
  return {grid->year(), grid->month(), grid->day()};
}

} // namespace

DateChooser::DateChooser(const platform::Environment &env, QWidget *parent)
    : BorderlessWindow(parent), env_(env) {
  setObjectName(QStringLiteral("dateChooser"));
  setWindowTitle(QStringLiteral("Calendar"));
  setColor(platform::toQColor(platform::clNavy));
  setFont(platform::font(QStringLiteral("MS Sans Serif"), -11));
  // Centred the first time; afterwards where the user left it.
  setPosition(WindowPlacement::poScreenCenter);
  setReleasedWhenHidden(true);
  resize(chooser_layout::kWindow);

  backgroundPicture = newPictureView(this, "backgroundPicture", rect(), "calendbg");

  etchedFrame = new EtchedFrame(this);
  etchedFrame->setObjectName(QStringLiteral("etchedFrame"));
  etchedFrame->setGeometry(rect());

  dateCaptionLabel = new TextLabel(this, QStringLiteral("Month"));
  dateCaptionLabel->setObjectName(QStringLiteral("dateCaptionLabel"));
  dateCaptionLabel->setTransparent(true);
  dateCaptionLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  dateCaptionLabel->setFontColor(Qt::black);
  dateCaptionLabel->move(chooser_layout::kDateCaption);

  monthGrid = new MonthGrid(this);
  monthGrid->setObjectName(QStringLiteral("monthGrid"));
  monthGrid->setGeometry(chooser_layout::kMonthGrid);
  monthGrid->setStartOfWeek(1);
  // The grid starts on the day the program starts.
  monthGrid->setCalendarDate(env_.today());

  okButton = makeButton(this, "okButton", chooser_layout::kOkButton, QStringLiteral("OK for "),
                        "Click here to put that date");
  yearField = makeSpin(this, "yearField", chooser_layout::kYearField, 1900, 10000);
  monthField = makeSpin(this, "monthField", chooser_layout::kMonthField, 0, 13);
  cancelButton = makeButton(this, "cancelButton", chooser_layout::kCancelButton,
                            QStringLiteral("Cancel"), "Click here to come back");
  setTabOrder(monthGrid, okButton);
  setTabOrder(okButton, yearField);
  setTabOrder(yearField, monthField);
  setTabOrder(monthField, cancelButton);
  monthGrid->setAccessibleName(QStringLiteral("Day of the month"));
  monthField->setAccessibleName(QStringLiteral("Month"));
  yearField->setAccessibleName(QStringLiteral("Year"));

  showAnimation = new SmoothShow(this);
  showAnimation->setObjectName(QStringLiteral("showAnimation"));
  showAnimation->setColor(platform::toQColor(platform::clLime));

  connect(monthGrid, &MonthGrid::changed, this, platform::guarded(this, &DateChooser::gridChanged));
  connect(monthField, &SpinField::changed, this,
          platform::guarded(this, &DateChooser::monthFieldChanged));
  connect(yearField, &SpinField::changed, this,
          platform::guarded(this, &DateChooser::yearFieldChanged));
  connect(okButton, &QPushButton::clicked, this, platform::guarded(this, &DateChooser::acceptDate));
  connect(cancelButton, &QPushButton::clicked, this, platform::guarded(this, &DateChooser::cancel));

  showStartDate();
}

QString DateChooser::dateCaption() const {
  return QString::number(monthGrid->day()) + QLatin1Char(' ') + shownMonthName_ + QLatin1Char(' ') +
         QString::number(monthGrid->year());
}

void DateChooser::showMonthName() {
  shownMonthName_ = QString::fromLatin1(monthNames[monthGrid->month() - 1]);
  dateCaptionLabel->setText(dateCaption());
}

QString DateChooser::dateText(bool leadingZeros) const {
  const core::RegionalDateFormat &regional = env_.regional.date;
  std::string pattern = core::numericDatePattern(regional.order, leadingZeros);
  if (!leadingZeros) {
    // The year as a number too: written in quotes, as it is.
    const size_t year = pattern.find("yyyy");
    pattern.replace(year, 4, '"' + std::to_string(monthGrid->year()) + '"');
  }
  return QString::fromStdString(core::formatDate(shownDate(monthGrid), pattern, regional));
}

void DateChooser::showOkCaption() {
  // The date picked, in the order the date fields read.
  okButton->setText(QStringLiteral("OK for ") + dateText(false));
}

void DateChooser::showStartDate() {
  okButton->setText(QStringLiteral("OK for ") + QString::fromStdString(core::formatShortDate(
                                                    env_.today(), env_.regional.date)));
  monthField->setValue(monthGrid->month());
  yearField->setValue(monthGrid->year());
  showMonthName();
}

void DateChooser::gridChanged() {
  showOkCaption();
  showMonthName();
}

void DateChooser::monthFieldChanged() {
  // Each step reads the field afresh: setting a field runs its handler at
  // once, this one included.
  if (monthField->value() == 13) {
    yearField->setValue(yearField->value() + 1);
    monthGrid->setYear(yearField->value());
    monthField->setValue(1);
  }
  if (monthField->value() == 0) {
    yearField->setValue(yearField->value() - 1);
    monthGrid->setYear(yearField->value());
    monthField->setValue(12);
  }
  monthGrid->setMonth(monthField->value());
  showMonthName();
}

void DateChooser::yearFieldChanged() {
  if (yearField->value() == 0)
    yearField->setValue(1900);
  monthGrid->setYear(yearField->value());
  dateCaptionLabel->setText(dateCaption());
}

void DateChooser::acceptDate() {
  // The date fields read dates in the regional order and separator: a
  // day-first text would swap day and month where the month comes first.
  const QString text = dateText(true);
  // Where the date fails (a projection past the calendar's end), OK stops with
  // its error and the chooser stays open.
  platform::throwHandlerErrors([&] { emit datePicked(text); });
  hide();
}

void DateChooser::cancel() {
  hide();
}

void DateChooser::keyPressEvent(QKeyEvent *event) {
  // Escape is Cancel: the windows sent to the back must come back on top.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    platform::runGuarded([this] { cancel(); });
    return;
  }
  BorderlessWindow::keyPressEvent(event);
}

void DateChooser::onShowing() {
  // Centred at the first opening only.
  setPosition(WindowPlacement::poDesigned);
  showAnimation->setReverse(false);
  showAnimation->execute();
}

void DateChooser::onHidden() {
  showAnimation->setReverse(true);
  showAnimation->execute();
}
