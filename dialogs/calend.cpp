#include "dialogs/calend.h"

#include "platform/colors.h"
#include "platform/fonts.h"

Tcalend1 *calend1 = nullptr;

Tcalend1::Tcalend1(QWidget *parent) : TBorderlessForm(parent) {
  setObjectName(QStringLiteral("calend1"));
  setColor(platform::toQColor(platform::clNavy));
  setFont(platform::font(QStringLiteral("MS Sans Serif"), -11));
  resize(220, 188);
}
