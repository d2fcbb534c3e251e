#include "dialogs/date_chooser.h"

#include "core/date.h"
#include "core/date_text.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "resources/pictures.h"

#include <QKeyEvent>

const std::array<const char *, 12> monthNames = {"Januari",   "Februri", "Mart",     "April",
                                                 "Mei",       "Juni",    "July",     "Augustus",
                                                 "September", "October", "November", "December"};

namespace {

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

} // namespace

DateChooser::DateChooser(const platform::Environment &env, QWidget *parent)
    : BorderlessWindow(parent), env_(env) {
  setObjectName(QStringLiteral("dateChooser"));
  setWindowTitle(QStringLiteral("Calendar"));
  setColor(platform::toQColor(platform::clNavy));
  setFont(platform::font(QStringLiteral("MS Sans Serif"), -11));
  // Centred the first time; afterwards where the user left it.
  setPosition(WindowPlacement::poScreenCenter);
  resize(220, 188);

  backgroundPicture = new PictureView(this);
  backgroundPicture->setObjectName(QStringLiteral("backgroundPicture"));
  backgroundPicture->setGeometry(rect());
  backgroundPicture->setStretch(true);
  backgroundPicture->setPicture(pictures::pixmap(u"calendbg"));

  etchedFrame = new EtchedFrame(this);
  etchedFrame->setObjectName(QStringLiteral("etchedFrame"));
  etchedFrame->setGeometry(rect());

  dateCaptionLabel = new TextLabel(this, QStringLiteral("Month"));
  dateCaptionLabel->setObjectName(QStringLiteral("dateCaptionLabel"));
  dateCaptionLabel->setTransparent(true);
  dateCaptionLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  dateCaptionLabel->setFontColor(Qt::black);
  dateCaptionLabel->move(113, 111);

  monthGrid = new MonthGrid(this);
  monthGrid->setObjectName(QStringLiteral("monthGrid"));
  monthGrid->setGeometry(11, 7, 199, 97);
  monthGrid->setStartOfWeek(1);
  // The grid starts on the day the program starts.
  monthGrid->setCalendarDate(env_.today());

  okButton = makeButton(this, "okButton", {12, 135, 199, 21}, QStringLiteral("OK for "),
                        "Click here to put that date");
  yearField = makeSpin(this, "yearField", {53, 107, 49, 22}, 1900, 10000);
  monthField = makeSpin(this, "monthField", {11, 107, 37, 22}, 0, 13);
  cancelButton = makeButton(this, "cancelButton", {45, 161, 133, 21}, QStringLiteral("Cancel"),
                            "Click here to come back");
  setTabOrder(monthGrid, okButton);
  setTabOrder(okButton, yearField);
  setTabOrder(yearField, monthField);
  setTabOrder(monthField, cancelButton);

  showAnimation = new SmoothShow(this);
  showAnimation->setObjectName(QStringLiteral("showAnimation"));
  showAnimation->setColor(platform::toQColor(platform::clLime));

  monthGrid->onChange = [this](QObject *) { gridChanged(); };
  monthField->onChange = [this](QObject *) { monthFieldChanged(); };
  yearField->onChange = [this](QObject *) { yearFieldChanged(); };
  connect(okButton, &QPushButton::clicked, this, &DateChooser::acceptDate);
  connect(cancelButton, &QPushButton::clicked, this, &DateChooser::cancel);

  showStartDate();
}

QString DateChooser::dateCaption() const {
  return QString::number(monthGrid->day()) + u' ' + shownMonthName_ + u' ' +
         QString::number(monthGrid->year());
}

void DateChooser::showMonthName() {
  shownMonthName_ = QString::fromLatin1(monthNames[monthGrid->month() - 1]);
  dateCaptionLabel->setText(dateCaption());
}

QString DateChooser::dateText(bool leadingZeros) const {
  const core::RegionalDateFormat &regional = env_.regional.date;
  const core::Date shown{monthGrid->year(), monthGrid->month(), monthGrid->day()};
  return QString::fromStdString(
      core::formatDate(shown, core::numericDatePattern(regional.order, leadingZeros), regional));
}

void DateChooser::showOkCaption() {
  // The same form at opening and after a click, in the order the fields read.
  okButton->setText(QStringLiteral("OK for ") + dateText(false));
}

void DateChooser::showStartDate() {
  showOkCaption();
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
  emit datePicked(text);
  hide();
  emit closed();
}

void DateChooser::cancel() {
  hide();
  emit closed();
}

void DateChooser::keyPressEvent(QKeyEvent *event) {
  // Escape is Cancel: the windows sent to the back must come back on top.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    cancel();
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
