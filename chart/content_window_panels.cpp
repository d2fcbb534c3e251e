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
  power = createContentPanel("power");
  Image1 = makeImage(power, "Image1", power->rect(), "powerbg");
  Image1->setToolTip(QString::fromLatin1(kMenuHint));

  Label9 = new GreetingStrip(power);
  Label9->setObjectName(QStringLiteral("Label9"));
  Label9->setAutoSize(false);
  Label9->setGeometry(1, 6, 365, 19);
  Label9->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label9->setFont(platform::font(QStringLiteral("Arial"), -16, platform::fsItalic));
  Label9->setFontColor(Qt::white);
  Label9->setColor(Qt::black);
  Label9->setTransparent(true);

  const QFont antiqua21 = platform::font(QStringLiteral("Book Antiqua"), -21);
  const QFont antiqua19 = platform::font(QStringLiteral("Book Antiqua"), -19);
  Label7 =
      makeLabel(power, "Label7", 30, 29, QStringLiteral("Emotional"), antiqua21, platform::clBlack);
  Label1 =
      makeLabel(power, "Label1", 29, 30, QStringLiteral("Emotional"), antiqua21, platform::clRed);
  Label8 = makeLabel(power, "Label8", 141, 29, QStringLiteral("Intellectual"), antiqua19,
                     platform::clBlack);
  Label2 = makeLabel(power, "Label2", 140, 30, QStringLiteral("Intellectual"), antiqua19,
                     platform::clYellow);
  Label54 = makeLabel(power, "Label54", 261, 29, QStringLiteral("Physical "), antiqua19,
                      platform::clBlack);
  Label3 =
      makeLabel(power, "Label3", 260, 30, QStringLiteral("Physical "), antiqua19, platform::clLime);

  auto gauge = [this](const char *name, int x, platform::ColorCode fill, const char *hint) {
    auto *meter = new BarGauge(power);
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
  NeatoMeter1 =
      gauge("NeatoMeter1", 34, platform::clRed, "You see here your Emotional power of today");
  NeatoMeter2 = gauge("NeatoMeter2", 143, platform::clYellow,
                      "You see here your Intellectual power of today");
  NeatoMeter3 =
      gauge("NeatoMeter3", 252, platform::clLime, "You see here your Physical power of today");
}

void ContentWindow::createWhatPanel() {
  what = createContentPanel("what");
  Memo2 = new TextView(what);
  Memo2->setObjectName(QStringLiteral("Memo2"));
  Memo2->setGeometry(7, 8, 351, 213);
  Memo2->setFont(platform::font(QStringLiteral("Arial"), -16));
  Memo2->setColor(Qt::black);
  Memo2->setFontColor(qColor(platform::clLime));
  Memo2->setTextAlignment(Qt::AlignHCenter);
  Memo2->setLines(explanationLines());
  Memo2->setToolTip(QString::fromLatin1(kMenuHint));
}

void ContentWindow::createHelpPanel() {
  help = createContentPanel("help");
  const QFont arial16 = platform::font(QStringLiteral("Arial"), -16);
  const QFont times16 = platform::font(QStringLiteral("Times New Roman"), -16);
  const QFont arial13 = platform::font(QStringLiteral("Arial"), -13);
  const QFont arial13i = platform::font(QStringLiteral("Arial"), -13, platform::fsItalic);

  Label10 = makeLabel(help, "Label10", 88, 4, QStringLiteral("The Calvoro icons means : "), arial16,
                      platform::clBlack);
  Image3 = makeImage(help, "Image3", {63, 25, 41, 41}, "guide_emotio");
  Image4 = makeImage(help, "Image4", {165, 25, 41, 41}, "guide_intel");
  Image5 = makeImage(help, "Image5", {261, 25, 41, 41}, "guide_physiq");
  Label11 = makeLabel(help, "Label11", 59, 60, QStringLiteral("Emotion"), times16, platform::clRed);
  Label12 =
      makeLabel(help, "Label12", 161, 60, QStringLiteral("Intellect"), times16, platform::clYellow);
  Label13 =
      makeLabel(help, "Label13", 257, 60, QStringLiteral("Physical"), times16, platform::clLime);
  Label14 = makeLabel(help, "Label14", 19, 79,
                      QStringLiteral("How more tray icon is filled, how bigger is your power."),
                      arial13, platform::clBlack);
  Label15 = makeLabel(help, "Label15", 27, 102,
                      QStringLiteral("Clicking on one of the tray icons show the today power."),
                      arial13, platform::clBlack);
  Label16 = makeLabel(help, "Label16", 19, 118,
                      QStringLiteral("If you let your cursor on the tray icon, a hint will come."),
                      arial13, platform::clBlack);
  Label17 =
      makeLabel(help, "Label17", 62, 136, QStringLiteral("Put your name and birthdate with Setup."),
                arial13, platform::clBlack);
  Label18 = makeLabel(help, "Label18", 46, 161,
                      QStringLiteral("Click on the border-X panel to hide the window."), arial13i,
                      platform::clBlack);
  Label59 = makeLabel(help, "Label59", 58, 175,
                      QStringLiteral("Use the green borders to move the window."), arial13i,
                      platform::clBlack);
  Label19 = makeLabel(help, "Label19", 20, 197,
                      QStringLiteral("Right-Click on one of the icons show the Options menu."),
                      arial13i, platform::clRed);
  for (QWidget *w : std::initializer_list<QWidget *>{Label10, Image3, Image4, Image5, Label11,
                                                     Label12, Label13, Label14, Label15, Label16,
                                                     Label17, Label18, Label59, Label19})
    w->setToolTip(QString::fromLatin1(kMenuHint));
}

void ContentWindow::createSetupPanel() {
  setup = createContentPanel("setup");
  Image2 = makeImage(setup, "Image2", setup->rect(), "setupbg");
  Image2->setToolTip(QString::fromLatin1(kMenuHint));

  const QFont arial16 = platform::font(QStringLiteral("Arial"), -16);
  Label53 = makeLabel(setup, "Label53", 166, 22, QStringLiteral("Note here your first name "),
                      arial16, platform::clWhite);
  Label4 = makeLabel(setup, "Label4", 164, 20, QStringLiteral("Note here your first name "),
                     arial16, platform::clBlack);
  Label52 = makeLabel(setup, "Label52", 176, 114, QStringLiteral("Note here your birthdate... "),
                      arial16, platform::clWhite);
  Label5 = makeLabel(setup, "Label5", 174, 112, QStringLiteral("Note here your birthdate... "),
                     arial16, platform::clBlack);

  Edit1 = new QLineEdit(setup);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setGeometry(159, 42, 190, 30);
  Edit1->setFont(platform::font(QStringLiteral("Arial"), -19));
  Edit1->setText(QStringLiteral("First Name"));
  Edit1->setToolTip(QStringLiteral("Note here your first name..."));

  MaskEdit1 =
      makeDateField(setup, "MaskEdit1", {187, 137, 149, 40}, -27, "Note here your birthday..");
  setTabOrder(Edit1, MaskEdit1);

  BitBtn10 = makeButton(setup, "BitBtn10", {26, 66, 120, 27}, QStringLiteral("Calendar"), -16,
                        "btn_calendar", nullptr, "Click to use the calenar");
  BitBtn10->setGlyphLayout(GlyphLayout::blGlyphRight);
  BitBtn10->setFlat(true);
  bitbtn1 = makeButton(setup, "bitbtn1", {60, 156, 113, 59}, QStringLiteral("  OK"), -16, "btn_ok",
                       "btn_ok_down", "Click to save your setup");
  bitbtn1->setFlat(true);
  connect(bitbtn1, &QPushButton::clicked, this, &ContentWindow::BitBtn1Click);
  connect(BitBtn10, &QPushButton::clicked, this, &ContentWindow::BitBtn10Click);
}

void ContentWindow::createDetailsPanel() {
  details = createContentPanel("details");
  Image6 = makeImage(details, "Image6", details->rect(), "projectionbg");
  Image6->setToolTip(QString::fromLatin1(kMenuHint));

  const QFont arial19 = platform::font(QStringLiteral("Arial"), -19);
  Label50 = makeLabel(details, "Label50", 34, 39,
                      QStringLiteral("Note the first day of your projection."), arial19,
                      platform::clBlack);
  Label51 = makeLabel(details, "Label51", 37, 41,
                      QStringLiteral("Note the first day of your projection."), arial19,
                      platform::clWhite);

  BitBtn9 = makeButton(details, "BitBtn9", {128, 118, 110, 24}, QStringLiteral("Calendar"), -16,
                       "btn_calendar", nullptr, "Click to use the calenar");
  connect(BitBtn9, &QPushButton::clicked, this, &ContentWindow::BitBtn9Click);
  MaskEdit2 = makeDateField(details, "MaskEdit2", {124, 143, 117, 32}, -21,
                            "Note here the begining of your curve...");
  BitBtn8 = makeButton(details, "BitBtn8", {122, 187, 120, 24}, QStringLiteral("Show me"), -16,
                       "btn_showme", "btn_showme_down", "Click and Show me the Biorhyth");
  // The first-month button would share the bottom row with "Show me"; it sits
  // in the free band under the title instead, so both can be reached.
  BitBtn7 = makeButton(details, "BitBtn7", {19, 78, 328, 25},
                       QStringLiteral("Show me the Biorhythm of the first month of my life"), -12,
                       "btn_firstmonth", "btn_firstmonth_down",
                       "Click to Show me the Biorhythm of the first month of my life");
  connect(BitBtn8, &QPushButton::clicked, this, &ContentWindow::BitBtn8Click);
  connect(BitBtn7, &QPushButton::clicked, this, &ContentWindow::BitBtn7Click);
}
