#include "dialogs/date_chooser.h"

#include "core/date.h"
#include "core/date_text.h"
#include "platform/colors.h"
#include "platform/environment.h"
#include "platform/fonts.h"
#include "resources/pictures.h"

#include <QKeyEvent>

OnDemand<DateChooser> dateChooser;
QString ShownMonthName;

const std::array<const char *, 12> MonthNameTable = {
    "Januari", "Februri",  "Mart",      "April",   "Mei",      "Juni",
    "July",    "Augustus", "September", "October", "November", "December"};

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

DateChooser::DateChooser(QWidget *parent) : BorderlessWindow(parent) {
  setObjectName(QStringLiteral("dateChooser"));
  setWindowTitle(QStringLiteral("Calendar"));
  setColor(platform::toQColor(platform::clNavy));
  setFont(platform::font(QStringLiteral("MS Sans Serif"), -11));
  // Centred the first time; afterwards where the user left it.
  setPosition(WindowPlacement::poScreenCenter);
  resize(220, 188);

  Image1 = new PictureView(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(rect());
  Image1->setStretch(true);
  Image1->setPicture(pictures::pixmap(u"calendbg"));

  Bevel1 = new EtchedFrame(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setGeometry(rect());

  Label2 = new TextLabel(this, QStringLiteral("Month"));
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setTransparent(true);
  Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label2->setFontColor(Qt::black);
  Label2->move(113, 111);

  Calendar1 = new MonthGrid(this);
  Calendar1->setObjectName(QStringLiteral("Calendar1"));
  Calendar1->setGeometry(11, 7, 199, 97);
  Calendar1->setStartOfWeek(1);
  // The grid starts on the day the program starts.
  Calendar1->setCalendarDate(platform::env().today());

  label1 = makeButton(this, "label1", {12, 135, 199, 21}, QStringLiteral("OK for "),
                      "Click here to put that date");
  UpDown2 = makeSpin(this, "UpDown2", {53, 107, 49, 22}, 1900, 10000);
  updown1 = makeSpin(this, "updown1", {11, 107, 37, 22}, 0, 13);
  Button1 = makeButton(this, "Button1", {45, 161, 133, 21}, QStringLiteral("Cancel"),
                       "Click here to come back");
  setTabOrder(Calendar1, label1);
  setTabOrder(label1, UpDown2);
  setTabOrder(UpDown2, updown1);
  setTabOrder(updown1, Button1);

  SmoothShow1 = new SmoothShow(this);
  SmoothShow1->setObjectName(QStringLiteral("SmoothShow1"));
  SmoothShow1->setColor(platform::toQColor(platform::clLime));

  Calendar1->OnChange = [this](QObject *) { Calendar1Change(); };
  updown1->OnChange = [this](QObject *) { updown1Change(); };
  UpDown2->OnChange = [this](QObject *) { UpDown2Change(); };
  connect(label1, &QPushButton::clicked, this, &DateChooser::label1Click);
  connect(Button1, &QPushButton::clicked, this, &DateChooser::Button1Click);

  FormCreate();
}

QString DateChooser::dateCaption() const {
  return QString::number(Calendar1->Day()) + u' ' + ShownMonthName + u' ' +
         QString::number(Calendar1->Year());
}

void DateChooser::showMonthName() {
  ShownMonthName = QString::fromLatin1(MonthNameTable[Calendar1->Month() - 1]);
  Label2->setText(dateCaption());
}

QString DateChooser::dateText(bool leadingZeros) const {
  const core::RegionalDateFormat &regional = platform::env().regional.date;
  const core::Date shown{Calendar1->Year(), Calendar1->Month(), Calendar1->Day()};
  return QString::fromStdString(
      core::formatDate(shown, core::numericDatePattern(regional.order, leadingZeros), regional));
}

void DateChooser::showOkCaption() {
  // The same form at opening and after a click, in the order the fields read.
  label1->setText(QStringLiteral("OK for ") + dateText(false));
}

void DateChooser::FormCreate() {
  showOkCaption();
  updown1->setValue(Calendar1->Month());
  UpDown2->setValue(Calendar1->Year());
  showMonthName();
}

void DateChooser::Calendar1Change() {
  showOkCaption();
  showMonthName();
}

void DateChooser::updown1Change() {
  // Each step reads the field afresh: setting a field runs its handler at
  // once, this one included.
  if (updown1->Value() == 13) {
    UpDown2->setValue(UpDown2->Value() + 1);
    Calendar1->setYear(UpDown2->Value());
    updown1->setValue(1);
  }
  if (updown1->Value() == 0) {
    UpDown2->setValue(UpDown2->Value() - 1);
    Calendar1->setYear(UpDown2->Value());
    updown1->setValue(12);
  }
  Calendar1->setMonth(updown1->Value());
  showMonthName();
}

void DateChooser::UpDown2Change() {
  if (UpDown2->Value() == 0)
    UpDown2->setValue(1900);
  Calendar1->setYear(UpDown2->Value());
  Label2->setText(dateCaption());
}

void DateChooser::label1Click() {
  // The date fields read dates in the regional order and separator: a
  // day-first text would swap day and month where the month comes first.
  const QString text = dateText(true);
  if (OnPutDate)
    OnPutDate(text);
  hide();
  if (OnClosed)
    OnClosed();
}

void DateChooser::Button1Click() {
  hide();
  if (OnClosed)
    OnClosed();
}

void DateChooser::keyPressEvent(QKeyEvent *event) {
  // Escape is Cancel: the windows sent to the back must come back on top.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    Button1Click();
    return;
  }
  BorderlessWindow::keyPressEvent(event);
}

void DateChooser::FormShow() {
  // Centred at the first opening only.
  setPosition(WindowPlacement::poDesigned);
  SmoothShow1->setReverse(false);
  SmoothShow1->Execute();
}

void DateChooser::FormHide() {
  SmoothShow1->setReverse(true);
  SmoothShow1->Execute();
}
