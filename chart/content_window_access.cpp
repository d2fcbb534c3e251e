// The content window for the keyboard and for screen readers: the fields and gauges say what
// they are, the "X" corners say what they do, each caption is read once although it is drawn
// twice for its relief, and Enter in a setup field presses OK.
#include "chart/content_window.h"
#include "controls/accessibility.h"

#include <QLineEdit>

void ContentWindow::describeForKeyboardAndReaders() {
  firstNameField->setAccessibleName(QStringLiteral("First name"));
  birthDateField->setAccessibleName(QStringLiteral("Birth date"));
  projectionDateField->setAccessibleName(QStringLiteral("First day of the projection"));
  emotionalGauge->setAccessibleName(QStringLiteral("Emotional power today"));
  intellectualGauge->setAccessibleName(QStringLiteral("Intellectual power today"));
  physicalGauge->setAccessibleName(QStringLiteral("Physical power today"));
  for (BevelPanel *corner :
       {topLeftCloseCorner, topRightCloseCorner, bottomLeftCloseCorner, bottomRightCloseCorner})
    corner->setAccessibleName(QStringLiteral("Hide the window"));
  // The copies drawn first, offset under the caption that is read.
  for (TextLabel *shadow :
       {emotionalTitleShadowLabel, intellectualTitleShadowLabel, physicalTitleShadowLabel,
        firstNameCaptionShadowLabel, birthDateCaptionShadowLabel, projectionCaptionShadowLabel})
    controls::setAccessibleShadow(shadow);

  for (QLineEdit *field : {firstNameField, static_cast<QLineEdit *>(birthDateField)})
    connect(field, &QLineEdit::returnPressed, setupOkButton, &QPushButton::click);
}
