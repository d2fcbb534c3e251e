// The content window for the keyboard and for screen readers: the fields and gauges say what
// they are, the "X" corners say what they do, each caption is read once although it is drawn
// twice for its relief, and Enter in a setup field presses OK.
#include "chart/content_window.h"
#include "controls/accessibility.h"

#include <QLineEdit>

void ContentWindow::describeForKeyboardAndReaders() {
  Edit1->setAccessibleName(QStringLiteral("First name"));
  MaskEdit1->setAccessibleName(QStringLiteral("Birth date"));
  MaskEdit2->setAccessibleName(QStringLiteral("First day of the projection"));
  NeatoMeter1->setAccessibleName(QStringLiteral("Emotional power today"));
  NeatoMeter2->setAccessibleName(QStringLiteral("Intellectual power today"));
  NeatoMeter3->setAccessibleName(QStringLiteral("Physical power today"));
  for (BevelPanel *corner : {Panel2, Panel4, Panel32, Panel1})
    corner->setAccessibleName(QStringLiteral("Hide the window"));
  // The copies drawn first, offset under the caption that is read.
  for (TextLabel *shadow : {Label7, Label8, Label54, Label53, Label52, Label50})
    controls::setAccessibleShadow(shadow);

  for (QLineEdit *field : {Edit1, static_cast<QLineEdit *>(MaskEdit1)})
    connect(field, &QLineEdit::returnPressed, bitbtn1, &QPushButton::click);
}
