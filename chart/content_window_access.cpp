// The content window for the keyboard and for screen readers: the fields and gauges say what
// they are, the "X" corners say what they do, each caption is read once although it is drawn
// twice for its relief, the chart and its lists of days say what they show, and Enter in a
// setup field presses OK.
#include "chart/content_window.h"
#include "controls/accessibility.h"

#include <QLineEdit>

#include <utility>

void ContentWindow::describeForKeyboardAndReaders() {
  firstNameField->setAccessibleName(QStringLiteral("First name"));
  birthDateField->setAccessibleName(QStringLiteral("Birth date"));
  projectionDateField->setAccessibleName(QStringLiteral("First day of the projection"));
  explanationText->setAccessibleName(QStringLiteral("What is Biorythm ?"));
  controls::nameButtonsByCaption(this);
  emotionalGauge->setAccessibleName(QStringLiteral("Emotional power today"));
  intellectualGauge->setAccessibleName(QStringLiteral("Intellectual power today"));
  physicalGauge->setAccessibleName(QStringLiteral("Physical power today"));
  for (BevelPanel *corner :
       {topLeftCloseCorner, topRightCloseCorner, bottomLeftCloseCorner, bottomRightCloseCorner})
    corner->setAccessibleName(QStringLiteral("Hide the window"));
  // The copies drawn first, offset under the caption that is read.
  for (TextLabel *shadow :
       {emotionalTitleShadowLabel, intellectualTitleShadowLabel, physicalTitleShadowLabel,
        firstNameCaptionShadowLabel, birthDateCaptionShadowLabel, projectionCaptionShadowLabel,
        emotionalHeadingReliefLabel, intellectualHeadingReliefLabel, physicalHeadingReliefLabel})
    controls::setAccessibleShadow(shadow);

  // The role first: naming it makes its description for readers at once.
  controls::setAccessibleRole(chartArea, QAccessible::Chart);
  chartArea->setAccessibleName(QStringLiteral("Biorhythm chart"));
  // Each list of days is told the heading it stands under.
  const std::pair<TextLabel *, TextLabel *> lists[] = {
      {bestEmotionalDaysLabel, emotionalHeadingLabel},
      {worstEmotionalDaysLabel, emotionalHeadingLabel},
      {bestIntellectualDaysLabel, intellectualHeadingLabel},
      {worstIntellectualDaysLabel, intellectualHeadingLabel},
      {bestPhysicalDaysLabel, physicalHeadingLabel},
      {worstPhysicalDaysLabel, physicalHeadingLabel}};
  for (const auto &[list, heading] : lists)
    list->setAccessibleDescription(heading->text());

  for (QLineEdit *field : {firstNameField, static_cast<QLineEdit *>(birthDateField)})
    connect(field, &QLineEdit::returnPressed, setupOkButton, &QPushButton::click);
}
