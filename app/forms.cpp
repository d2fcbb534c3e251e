// Creating and releasing the four windows, and the one place where they are
// connected to each other: the content window, the date chooser and the About
// window never include each other's headers; what crosses between them is
// wired here. Only the main window is made at start: the others are made at
// their first opening, since most sessions never open them.
#include "app/calvor.h"
#include "chart/calvorw.h"
#include "dialogs/about.h"
#include "dialogs/calend.h"
#include "platform/app_shell.h"

#include <QEvent>

namespace {

TForm2 *makeContentWindow() {
  auto *content = new TForm2;
  content->setTrayMenu(Form1->PopupMenu, Form1->blink);
  // The date chooser opens in front of the content and About windows, which
  // stay behind it as normal windows until its OK or Cancel.
  content->OnOpenCalendar = [] {
    Form2->sendToBack();
    if (TForm3 *about = Form3.made())
      about->sendToBack();
    calend1->show();
    calend1->bringToFront();
    calend1->activateWindow();
  };
  return content;
}

TForm3 *makeAboutWindow() {
  auto *about = new TForm3;
  about->setTrayMenu(Form1->PopupMenu);
  return about;
}

void putWindowsBackOnTop() {
  if (TForm2 *content = Form2.made())
    content->setStayOnTop(true);
  if (TForm3 *about = Form3.made())
    about->setStayOnTop(true);
}

// However the chooser goes ("OK, hide all windows" too), the windows it sent
// to the back are put back on top, as its OK and Cancel do.
class ChooserHiding final : public QObject {
public:
  using QObject::QObject;
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::Hide && !event->spontaneous())
      putWindowsBackOnTop();
    return QObject::eventFilter(watched, event);
  }
};

Tcalend1 *makeDateChooser() {
  auto *chooser = new Tcalend1;
  chooser->OnPutDate = [](const QString &dateText) {
    if (CalendarForProjection) {
      Form2->MaskEdit2->setText(dateText);
      Form2->BitBtn8->click();
    } else {
      Form2->MaskEdit1->setText(dateText);
    }
  };
  chooser->OnClosed = putWindowsBackOnTop;
  chooser->installEventFilter(new ChooserHiding(chooser));
  return chooser;
}

} // namespace

void CreateForms() {
  Form1 = new TForm1;
  // The first window created is the application's main window.
  platform::AppShell::instance().setMainForm(Form1);
  Form2.setMaker(makeContentWindow);
  Form3.setMaker(makeAboutWindow);
  calend1.setMaker(makeDateChooser);
}

void DestroyForms() {
  calend1.reset();
  Form3.reset();
  Form2.reset();
  ResetFields();
  delete Form1;
  Form1 = nullptr;
  // A fresh set of windows starts without a name for the chart headline and
  // without a chart.
  FirstNameCopy.clear();
  ChartDay.clear();
  ChartStart.clear();
}
