#include "dialogs/about.h"

#include "platform/colors.h"
#include "platform/fonts.h"

TForm3 *Form3 = nullptr;

TForm3::TForm3(QWidget *parent) : TBorderlessForm(parent) {
  setObjectName(QStringLiteral("Form3"));
  setColor(platform::toQColor(platform::clBlack));
  setFont(platform::font(QStringLiteral("MS Sans Serif"), -11));
  resize(416, 362);
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(300);
}
