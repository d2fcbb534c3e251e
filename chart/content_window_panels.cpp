// The five content panels of the window: power, what, help, setup, details.
#include "chart/content_window.h"
#include "chart/content_window_parts.h"
#include "chart/explanation_text.h"
#include "platform/colors.h"
#include "platform/fonts.h"

#include <QLineEdit>
#include <QPainter>

using namespace content_parts;

namespace {

// The greeting on its black strip. The strip is painted with the text rather
// than as an opaque background: an opaque child of the panel kept the pixels
// of the panel shown before when the panels were switched with the window
// hidden.
class GreetingStrip final : public TextLabel {
public:
  using TextLabel::TextLabel;

protected:
  void paintEvent(QPaintEvent *event) override {
    QPainter(this).fillRect(rect(), palette().window());
    TextLabel::paintEvent(event);
  }
};

} // namespace

void ContentWindow::createPowerPanel() {
  powerPanel = createContentPanel("powerPanel");
  powerBackground = makeImage(powerPanel, "powerBackground", powerPanel->rect(), "powerbg");
  powerBackground->setToolTip(QString::fromLatin1(kMenuHint));

  greetingLabel = new GreetingStrip(powerPanel);
  greetingLabel->setObjectName(QStringLiteral("greetingLabel"));
  greetingLabel->setAutoSize(false);
  greetingLabel->setGeometry(1, 6, 365, 19);
  greetingLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  greetingLabel->setFont(platform::font(QStringLiteral("Arial"), -16, platform::fsItalic));
  greetingLabel->setFontColor(Qt::white);
  greetingLabel->setColor(Qt::black);
  greetingLabel->setTransparent(true);

  const QFont antiqua21 = platform::font(QStringLiteral("Book Antiqua"), -21);
  const QFont antiqua19 = platform::font(QStringLiteral("Book Antiqua"), -19);
  emotionalTitleShadowLabel = makeLabel(powerPanel, "emotionalTitleShadowLabel", 30, 29,
                                        QStringLiteral("Emotional"), antiqua21, platform::clBlack);
  emotionalTitleLabel = makeLabel(powerPanel, "emotionalTitleLabel", 29, 30,
                                  QStringLiteral("Emotional"), antiqua21, platform::clRed);
  intellectualTitleShadowLabel =
      makeLabel(powerPanel, "intellectualTitleShadowLabel", 141, 29, QStringLiteral("Intellectual"),
                antiqua19, platform::clBlack);
  intellectualTitleLabel = makeLabel(powerPanel, "intellectualTitleLabel", 140, 30,
                                     QStringLiteral("Intellectual"), antiqua19, platform::clYellow);
  physicalTitleShadowLabel = makeLabel(powerPanel, "physicalTitleShadowLabel", 261, 29,
                                       QStringLiteral("Physical "), antiqua19, platform::clBlack);
  physicalTitleLabel = makeLabel(powerPanel, "physicalTitleLabel", 260, 30,
                                 QStringLiteral("Physical "), antiqua19, platform::clLime);

  auto gauge = [this](const char *name, int x, platform::ColorCode fill, const char *hint) {
    auto *meter = new BarGauge(powerPanel);
    meter->setObjectName(name);
    meter->setGeometry(x, 54, 80, 155);
    meter->setMinValue(0);
    meter->setMaxValue(100);
    meter->setProgress(0);
    meter->setForeColor(qColor(fill));
    meter->setBackColor(qColor(14548991));
    meter->setFont(platform::font(QStringLiteral("Arial"), -16));
    meter->setFontColor(Qt::black);
    meter->setToolTip(QString::fromLatin1(hint));
    return meter;
  };
  emotionalGauge =
      gauge("emotionalGauge", 34, platform::clRed, "You see here your Emotional power of today");
  intellectualGauge = gauge("intellectualGauge", 143, platform::clYellow,
                            "You see here your Intellectual power of today");
  physicalGauge =
      gauge("physicalGauge", 252, platform::clLime, "You see here your Physical power of today");
}

void ContentWindow::createWhatPanel() {
  explanationPanel = createContentPanel("explanationPanel");
  explanationText = new TextView(explanationPanel);
  explanationText->setObjectName(QStringLiteral("explanationText"));
  explanationText->setGeometry(7, 8, 351, 213);
  explanationText->setFont(platform::font(QStringLiteral("Arial"), -16));
  explanationText->setColor(Qt::black);
  explanationText->setFontColor(qColor(platform::clLime));
  explanationText->setTextAlignment(Qt::AlignHCenter);
  explanationText->setLines(explanationLines());
  explanationText->setToolTip(QString::fromLatin1(kMenuHint));
}

void ContentWindow::createHelpPanel() {
  guidePanel = createContentPanel("guidePanel");
  const QFont arial16 = platform::font(QStringLiteral("Arial"), -16);
  const QFont times16 = platform::font(QStringLiteral("Times New Roman"), -16);
  const QFont arial13 = platform::font(QStringLiteral("Arial"), -13);
  const QFont arial13i = platform::font(QStringLiteral("Arial"), -13, platform::fsItalic);

  guideTitleLabel =
      makeLabel(guidePanel, "guideTitleLabel", 88, 4, QStringLiteral("The Calvoro icons means : "),
                arial16, platform::clBlack);
  guideEmotionalIcon =
      makeImage(guidePanel, "guideEmotionalIcon", {63, 25, 41, 41}, "guide_emotio");
  guideIntellectualIcon =
      makeImage(guidePanel, "guideIntellectualIcon", {165, 25, 41, 41}, "guide_intel");
  guidePhysicalIcon = makeImage(guidePanel, "guidePhysicalIcon", {261, 25, 41, 41}, "guide_physiq");
  guideEmotionLabel = makeLabel(guidePanel, "guideEmotionLabel", 59, 60, QStringLiteral("Emotion"),
                                times16, platform::clRed);
  guideIntellectLabel = makeLabel(guidePanel, "guideIntellectLabel", 161, 60,
                                  QStringLiteral("Intellect"), times16, platform::clYellow);
  guidePhysicalLabel = makeLabel(guidePanel, "guidePhysicalLabel", 257, 60,
                                 QStringLiteral("Physical"), times16, platform::clLime);
  guideFillLabel =
      makeLabel(guidePanel, "guideFillLabel", 19, 79,
                QStringLiteral("How more tray icon is filled, how bigger is your power."), arial13,
                platform::clBlack);
  guideClickLabel =
      makeLabel(guidePanel, "guideClickLabel", 27, 102,
                QStringLiteral("Clicking on one of the tray icons show the today power."), arial13,
                platform::clBlack);
  guideHintLabel =
      makeLabel(guidePanel, "guideHintLabel", 19, 118,
                QStringLiteral("If you let your cursor on the tray icon, a hint will come."),
                arial13, platform::clBlack);
  guideSetupLabel = makeLabel(guidePanel, "guideSetupLabel", 62, 136,
                              QStringLiteral("Put your name and birthdate with Setup."), arial13,
                              platform::clBlack);
  guideHideLabel = makeLabel(guidePanel, "guideHideLabel", 46, 161,
                             QStringLiteral("Click on the border-X panel to hide the window."),
                             arial13i, platform::clBlack);
  guideMoveLabel = makeLabel(guidePanel, "guideMoveLabel", 58, 175,
                             QStringLiteral("Use the green borders to move the window."), arial13i,
                             platform::clBlack);
  guideRightClickLabel =
      makeLabel(guidePanel, "guideRightClickLabel", 20, 197,
                QStringLiteral("Right-Click on one of the icons show the Options menu."), arial13i,
                platform::clRed);
  for (QWidget *w : std::initializer_list<QWidget *>{
           guideTitleLabel, guideEmotionalIcon, guideIntellectualIcon, guidePhysicalIcon,
           guideEmotionLabel, guideIntellectLabel, guidePhysicalLabel, guideFillLabel,
           guideClickLabel, guideHintLabel, guideSetupLabel, guideHideLabel, guideMoveLabel,
           guideRightClickLabel})
    w->setToolTip(QString::fromLatin1(kMenuHint));
}

void ContentWindow::createSetupPanel() {
  setupPanel = createContentPanel("setupPanel");
  setupBackground = makeImage(setupPanel, "setupBackground", setupPanel->rect(), "setupbg");
  setupBackground->setToolTip(QString::fromLatin1(kMenuHint));

  const QFont arial16 = platform::font(QStringLiteral("Arial"), -16);
  firstNameCaptionShadowLabel =
      makeLabel(setupPanel, "firstNameCaptionShadowLabel", 166, 22,
                QStringLiteral("Note here your first name "), arial16, platform::clWhite);
  firstNameCaptionLabel =
      makeLabel(setupPanel, "firstNameCaptionLabel", 164, 20,
                QStringLiteral("Note here your first name "), arial16, platform::clBlack);
  birthDateCaptionShadowLabel =
      makeLabel(setupPanel, "birthDateCaptionShadowLabel", 176, 114,
                QStringLiteral("Note here your birthdate... "), arial16, platform::clWhite);
  birthDateCaptionLabel =
      makeLabel(setupPanel, "birthDateCaptionLabel", 174, 112,
                QStringLiteral("Note here your birthdate... "), arial16, platform::clBlack);

  firstNameField = new QLineEdit(setupPanel);
  firstNameField->setObjectName(QStringLiteral("firstNameField"));
  firstNameField->setGeometry(159, 42, 190, 30);
  firstNameField->setFont(platform::font(QStringLiteral("Arial"), -19));
  firstNameField->setText(QStringLiteral("First Name"));
  firstNameField->setToolTip(QStringLiteral("Note here your first name..."));

  birthDateField = makeDateField(setupPanel, "birthDateField", {187, 137, 149, 40}, -27,
                                 "Note here your birthday..", env_.regional.date);
  setTabOrder(firstNameField, birthDateField);

  birthDateCalendarButton = makeButton(setupPanel, "birthDateCalendarButton", {26, 66, 120, 27},
                                       QStringLiteral("Calendar"), -16, "btn_calendar", nullptr,
                                       "Click to use the calenar");
  birthDateCalendarButton->setGlyphLayout(GlyphLayout::blGlyphRight);
  birthDateCalendarButton->setFlat(true);
  setupOkButton =
      makeButton(setupPanel, "setupOkButton", {60, 156, 113, 59}, QStringLiteral("  OK"), -16,
                 "btn_ok", "btn_ok_down", "Click to save your setup");
  setupOkButton->setFlat(true);
  connect(setupOkButton, &QPushButton::clicked, this, &ContentWindow::saveSetup);
  connect(birthDateCalendarButton, &QPushButton::clicked, this,
          &ContentWindow::openCalendarForBirthDate);
}

void ContentWindow::createDetailsPanel() {
  projectionPanel = createContentPanel("projectionPanel");
  projectionBackground =
      makeImage(projectionPanel, "projectionBackground", projectionPanel->rect(), "projectionbg");
  projectionBackground->setToolTip(QString::fromLatin1(kMenuHint));

  const QFont arial19 = platform::font(QStringLiteral("Arial"), -19);
  projectionCaptionShadowLabel = makeLabel(projectionPanel, "projectionCaptionShadowLabel", 34, 39,
                                           QStringLiteral("Note the first day of your projection."),
                                           arial19, platform::clBlack);
  projectionCaptionLabel = makeLabel(projectionPanel, "projectionCaptionLabel", 37, 41,
                                     QStringLiteral("Note the first day of your projection."),
                                     arial19, platform::clWhite);

  projectionCalendarButton = makeButton(projectionPanel, "projectionCalendarButton",
                                        {128, 118, 110, 24}, QStringLiteral("Calendar"), -16,
                                        "btn_calendar", nullptr, "Click to use the calenar");
  connect(projectionCalendarButton, &QPushButton::clicked, this,
          &ContentWindow::openCalendarForProjection);
  projectionDateField =
      makeDateField(projectionPanel, "projectionDateField", {124, 143, 117, 32}, -21,
                    "Note here the begining of your curve...", env_.regional.date);
  showMeButton =
      makeButton(projectionPanel, "showMeButton", {122, 187, 120, 24}, QStringLiteral("Show me"),
                 -16, "btn_showme", "btn_showme_down", "Click and Show me the Biorhyth");
  // The first-month button would share the bottom row with "Show me"; it sits
  // in the free band under the title instead, so both can be reached.
  firstMonthButton = makeButton(
      projectionPanel, "firstMonthButton", {19, 78, 328, 25},
      QStringLiteral("Show me the Biorhythm of the first month of my life"), -12, "btn_firstmonth",
      "btn_firstmonth_down", "Click to Show me the Biorhythm of the first month of my life");
  connect(showMeButton, &QPushButton::clicked, this, &ContentWindow::showMe);
  connect(firstMonthButton, &QPushButton::clicked, this, &ContentWindow::showFirstMonth);
}
