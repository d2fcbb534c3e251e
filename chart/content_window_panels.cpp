// The five content panels of the window: power, what, help, setup, details.
#include "chart/content_window.h"
#include "chart/content_window_layout.h"
#include "chart/content_window_parts.h"
#include "chart/explanation_text.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/guarded.h"

#include <QLineEdit>
#include <QPainter>

using namespace content_layout;
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
  powerBackground = newPictureView(powerPanel, "powerBackground", powerPanel->rect(), "powerbg");
  powerBackground->setToolTip(QString::fromLatin1(kMenuHint));

  greetingLabel = new GreetingStrip(powerPanel);
  greetingLabel->setObjectName(QStringLiteral("greetingLabel"));
  greetingLabel->setAutoSize(false);
  greetingLabel->setGeometry(kGreeting);
  greetingLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  greetingLabel->setFont(platform::font(QStringLiteral("Arial"), -16, platform::fsItalic));
  greetingLabel->setFontColor(Qt::white);
  greetingLabel->setColor(Qt::black);
  greetingLabel->setTransparent(true);

  const QFont antiqua21 = platform::font(QStringLiteral("Book Antiqua"), -21);
  const QFont antiqua19 = platform::font(QStringLiteral("Book Antiqua"), -19);
  emotionalTitleShadowLabel =
      makeLabel(powerPanel, "emotionalTitleShadowLabel", kEmotionalTitleShadow,
                QStringLiteral("Emotional"), antiqua21, platform::clBlack);
  emotionalTitleLabel = makeLabel(powerPanel, "emotionalTitleLabel", kEmotionalTitle,
                                  QStringLiteral("Emotional"), antiqua21, platform::clRed);
  intellectualTitleShadowLabel =
      makeLabel(powerPanel, "intellectualTitleShadowLabel", kIntellectualTitleShadow,
                QStringLiteral("Intellectual"), antiqua19, platform::clBlack);
  intellectualTitleLabel = makeLabel(powerPanel, "intellectualTitleLabel", kIntellectualTitle,
                                     QStringLiteral("Intellectual"), antiqua19, platform::clYellow);
  physicalTitleShadowLabel = makeLabel(powerPanel, "physicalTitleShadowLabel", kPhysicalTitleShadow,
                                       QStringLiteral("Physical "), antiqua19, platform::clBlack);
  physicalTitleLabel = makeLabel(powerPanel, "physicalTitleLabel", kPhysicalTitle,
                                 QStringLiteral("Physical "), antiqua19, platform::clLime);

  auto gauge = [this](const char *name, const QRect &place, platform::ColorCode fill,
                      const char *hint) {
    auto *meter = new BarGauge(powerPanel);
    meter->setObjectName(name);
    meter->setGeometry(place);
    meter->setMinValue(0);
    meter->setMaxValue(100);
    meter->setProgress(0);
    meter->setForeColor(qColor(fill));
    meter->setBackColor(qColor(platform::clPaleYellow));
    meter->setFont(platform::font(QStringLiteral("Arial"), -16));
    meter->setFontColor(Qt::black);
    meter->setToolTip(QString::fromLatin1(hint));
    return meter;
  };
  emotionalGauge = gauge("emotionalGauge", kEmotionalGauge, platform::clRed,
                         "You see here your Emotional power of today");
  intellectualGauge = gauge("intellectualGauge", kIntellectualGauge, platform::clYellow,
                            "You see here your Intellectual power of today");
  physicalGauge = gauge("physicalGauge", kPhysicalGauge, platform::clLime,
                        "You see here your Physical power of today");
}

void ContentWindow::createWhatPanel() {
  explanationPanel = createContentPanel("explanationPanel");
  explanationText = new TextView(explanationPanel);
  explanationText->setObjectName(QStringLiteral("explanationText"));
  explanationText->setGeometry(kExplanationText);
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
      makeLabel(guidePanel, "guideTitleLabel", kGuideTitle,
                QStringLiteral("The Calvoro icons means : "), arial16, platform::clBlack);
  guideEmotionalIcon =
      newPictureView(guidePanel, "guideEmotionalIcon", kGuideEmotionalIcon, "guide_emotio");
  guideIntellectualIcon =
      newPictureView(guidePanel, "guideIntellectualIcon", kGuideIntellectualIcon, "guide_intel");
  guidePhysicalIcon =
      newPictureView(guidePanel, "guidePhysicalIcon", kGuidePhysicalIcon, "guide_physiq");
  guideEmotionLabel = makeLabel(guidePanel, "guideEmotionLabel", kGuideEmotion,
                                QStringLiteral("Emotion"), times16, platform::clRed);
  guideIntellectLabel = makeLabel(guidePanel, "guideIntellectLabel", kGuideIntellect,
                                  QStringLiteral("Intellect"), times16, platform::clYellow);
  guidePhysicalLabel = makeLabel(guidePanel, "guidePhysicalLabel", kGuidePhysical,
                                 QStringLiteral("Physical"), times16, platform::clLime);
  guideFillLabel =
      makeLabel(guidePanel, "guideFillLabel", kGuideFill,
                QStringLiteral("How more tray icon is filled, how bigger is your power."), arial13,
                platform::clBlack);
  guideClickLabel =
      makeLabel(guidePanel, "guideClickLabel", kGuideClick,
                QStringLiteral("Clicking on one of the tray icons show the today power."), arial13,
                platform::clBlack);
  guideHintLabel =
      makeLabel(guidePanel, "guideHintLabel", kGuideHint,
                QStringLiteral("If you let your cursor on the tray icon, a hint will come."),
                arial13, platform::clBlack);
  guideSetupLabel = makeLabel(guidePanel, "guideSetupLabel", kGuideSetup,
                              QStringLiteral("Put your name and birthdate with Setup."), arial13,
                              platform::clBlack);
  guideHideLabel = makeLabel(guidePanel, "guideHideLabel", kGuideHide,
                             QStringLiteral("Click on the border-X panel to hide the window."),
                             arial13i, platform::clBlack);
  guideMoveLabel = makeLabel(guidePanel, "guideMoveLabel", kGuideMove,
                             QStringLiteral("Use the green borders to move the window."), arial13i,
                             platform::clBlack);
  guideRightClickLabel =
      makeLabel(guidePanel, "guideRightClickLabel", kGuideRightClick,
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
  setupBackground = newPictureView(setupPanel, "setupBackground", setupPanel->rect(), "setupbg");
  setupBackground->setToolTip(QString::fromLatin1(kMenuHint));

  const QFont arial16 = platform::font(QStringLiteral("Arial"), -16);
  firstNameCaptionShadowLabel =
      makeLabel(setupPanel, "firstNameCaptionShadowLabel", kFirstNameCaptionShadow,
                QStringLiteral("Note here your first name "), arial16, platform::clWhite);
  firstNameCaptionLabel =
      makeLabel(setupPanel, "firstNameCaptionLabel", kFirstNameCaption,
                QStringLiteral("Note here your first name "), arial16, platform::clBlack);
  birthDateCaptionShadowLabel =
      makeLabel(setupPanel, "birthDateCaptionShadowLabel", kBirthDateCaptionShadow,
                QStringLiteral("Note here your birthdate... "), arial16, platform::clWhite);
  birthDateCaptionLabel =
      makeLabel(setupPanel, "birthDateCaptionLabel", kBirthDateCaption,
                QStringLiteral("Note here your birthdate... "), arial16, platform::clBlack);

  firstNameField = new QLineEdit(setupPanel);
  firstNameField->setObjectName(QStringLiteral("firstNameField"));
  firstNameField->setGeometry(kFirstNameField);
  firstNameField->setFont(platform::font(QStringLiteral("Arial"), -19));
  firstNameField->setText(QStringLiteral("First Name"));
  firstNameField->setToolTip(QStringLiteral("Note here your first name..."));

  birthDateField = makeDateField(setupPanel, "birthDateField", kBirthDateField, -27,
                                 "Note here your birthday..", env_.regional.date);
  setTabOrder(firstNameField, birthDateField);

  birthDateCalendarButton = makeButton(setupPanel, "birthDateCalendarButton",
                                       kBirthDateCalendarButton, QStringLiteral("Calendar"), -16,
                                       "btn_calendar", nullptr, "Click to use the calenar");
  birthDateCalendarButton->setGlyphLayout(GlyphLayout::blGlyphRight);
  birthDateCalendarButton->setFlat(true);
  setupOkButton = makeButton(setupPanel, "setupOkButton", kSetupOkButton, QStringLiteral("  OK"),
                             -16, "btn_ok", "btn_ok_down", "Click to save your setup");
  setupOkButton->setFlat(true);
  connect(setupOkButton, &QPushButton::clicked, this,
          platform::guarded(this, &ContentWindow::saveSetup));
  connect(birthDateCalendarButton, &QPushButton::clicked, this,
          platform::guarded(this, &ContentWindow::openCalendarForBirthDate));
}

void ContentWindow::createDetailsPanel() {
  projectionPanel = createContentPanel("projectionPanel");
  projectionBackground = newPictureView(projectionPanel, "projectionBackground",
                                        projectionPanel->rect(), "projectionbg");
  projectionBackground->setToolTip(QString::fromLatin1(kMenuHint));

  const QFont arial19 = platform::font(QStringLiteral("Arial"), -19);
  projectionCaptionShadowLabel = makeLabel(
      projectionPanel, "projectionCaptionShadowLabel", kProjectionCaptionShadow,
      QStringLiteral("Note the first day of your projection."), arial19, platform::clBlack);
  projectionCaptionLabel = makeLabel(projectionPanel, "projectionCaptionLabel", kProjectionCaption,
                                     QStringLiteral("Note the first day of your projection."),
                                     arial19, platform::clWhite);

  projectionCalendarButton = makeButton(projectionPanel, "projectionCalendarButton",
                                        kProjectionCalendarButton, QStringLiteral("Calendar"), -16,
                                        "btn_calendar", nullptr, "Click to use the calenar");
  connect(projectionCalendarButton, &QPushButton::clicked, this,
          platform::guarded(this, &ContentWindow::openCalendarForProjection));
  projectionDateField =
      makeDateField(projectionPanel, "projectionDateField", kProjectionDateField, -21,
                    "Note here the begining of your curve...", env_.regional.date);
  showMeButton =
      makeButton(projectionPanel, "showMeButton", kShowMeButton, QStringLiteral("Show me"), -16,
                 "btn_showme", "btn_showme_down", "Click and Show me the Biorhyth");
  firstMonthButton = makeButton(
      projectionPanel, "firstMonthButton", kFirstMonthButton,
      QStringLiteral("Show me the Biorhythm of the first month of my life"), -12, "btn_firstmonth",
      "btn_firstmonth_down", "Click to Show me the Biorhythm of the first month of my life");
  connect(showMeButton, &QPushButton::clicked, this,
          platform::guarded(this, &ContentWindow::showMe));
  connect(firstMonthButton, &QPushButton::clicked, this,
          platform::guarded(this, &ContentWindow::showFirstMonth));
}
