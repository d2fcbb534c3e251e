// Creating and releasing the four windows, and the one place where they are
// connected to each other: the content window, the date chooser and the About
// window never include each other's headers; what crosses between them is
// wired here.
#include "app/calvor.h"
#include "chart/calvorw.h"
#include "dialogs/about.h"
#include "dialogs/calend.h"
#include "platform/app_shell.h"

namespace {

void connectForms() {
  Form2->setTrayMenu(Form1->PopupMenu, Form1->blink);
  Form3->setTrayMenu(Form1->PopupMenu);

  // The date chooser opens in front of the content and About windows, which
  // stay behind it as normal windows until its OK or Cancel.
  Form2->OnOpenCalendar = [] {
    Form2->sendToBack();
    Form3->sendToBack();
    calend1->show();
    calend1->bringToFront();
    calend1->activateWindow();
  };
  calend1->OnPutDate = [](const QString &dateText) {
    if (CalendarForProjection) {
      Form2->MaskEdit2->setText(dateText);
      Form2->BitBtn8->click();
    } else {
      Form2->MaskEdit1->setText(dateText);
    }
  };
  calend1->OnClosed = [] {
    Form2->setStayOnTop(true);
    Form3->setStayOnTop(true);
  };
}

} // namespace

void CreateForms() {
  Form1 = new TForm1;
  Form2 = new TForm2;
  Form3 = new TForm3;
  calend1 = new Tcalend1;
  // The first window created is the application's main window.
  platform::AppShell::instance().setMainForm(Form1);
  connectForms();
}

void DestroyForms() {
  delete calend1;
  calend1 = nullptr;
  delete Form3;
  Form3 = nullptr;
  delete Form2;
  Form2 = nullptr;
  delete Form1;
  Form1 = nullptr;
  // A fresh set of windows starts without a name for the chart headline and
  // without a chart.
  FirstNameCopy.clear();
  ChartDay.clear();
  ChartStart.clear();
}
