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
  // A fresh set of windows starts without a name for the chart headline.
  FirstNameCopy.clear();
}
