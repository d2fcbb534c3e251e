#include "chart/calvorw.h"

#include "chart/explanation_text.h"
#include "core/biorhythm.h"
#include "core/config_file.h"
#include "core/date_text.h"
#include "core/text_rules.h"
#include "platform/colors.h"
#include "platform/environment.h"
#include "platform/fonts.h"
#include "resources/pictures.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QResizeEvent>

TForm2 *Form2 = nullptr;
QString FirstNameCopy;
bool CalendarForProjection = false;

namespace {

constexpr int kFrame = 10;
constexpr int kCorner = 20;
const char kMenuHint[] = "Right Click show the Option-Pop-Up menu...";

QColor color(platform::TColor c) {
  return platform::toQColor(c);
}

TLabel *makeLabel(QWidget *parent, const char *name, int x, int y, const QString &text,
                  const QFont &font, platform::TColor fontColor) {
  auto *label = new TLabel(parent, text);
  label->setObjectName(name);
  label->setFont(font);
  label->setFontColor(color(fontColor));
  label->setTransparent(true);
  label->move(x, y);
  label->show();
  return label;
}

TImage *makeImage(QWidget *parent, const char *name, const QRect &geometry, const char *picture) {
  auto *image = new TImage(parent);
  image->setObjectName(name);
  image->setGeometry(geometry);
  image->setStretch(true);
  image->setPicture(pictures::pixmap(QString::fromLatin1(picture)));
  return image;
}

// A picture strip for a button: normal, disabled (the same), pressed.
QPixmap buttonStrip(const char *normal, const char *pressed) {
  const QPixmap up = pictures::pixmap(QString::fromLatin1(normal));
  const QPixmap down = pressed ? pictures::pixmap(QString::fromLatin1(pressed)) : up;
  if (up.isNull())
    return up;
  QPixmap strip(up.width() * 3, up.height());
  strip.fill(Qt::transparent);
  QPainter painter(&strip);
  painter.drawPixmap(0, 0, up);
  painter.drawPixmap(up.width(), 0, up);
  painter.drawPixmap(up.width() * 2, 0, down);
  return strip;
}

TBitBtn *makeButton(QWidget *parent, const char *name, const QRect &geometry,
                    const QString &caption, int fontHeight, const char *picture,
                    const char *pressedPicture, const char *hint) {
  auto *button = new TBitBtn(parent, caption);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->setFont(platform::font(QStringLiteral("Arial"), fontHeight));
  button->setFontColor(Qt::black);
  button->setGlyph(buttonStrip(picture, pressedPicture), 3);
  button->setToolTip(QString::fromLatin1(hint));
  return button;
}

TMaskDateEdit *makeDateField(QWidget *parent, const char *name, const QRect &geometry,
                             int fontHeight, const char *hint) {
  auto *field = new TMaskDateEdit(parent);
  field->setObjectName(name);
  field->setGeometry(geometry);
  field->setFont(platform::font(QStringLiteral("Arial"), fontHeight));
  field->setDateSeparator(QChar::fromLatin1(platform::env().regional.date.separator));
  field->setText(QStringLiteral("01/01/0001"));
  field->setToolTip(QString::fromLatin1(hint));
  return field;
}

std::string utf8(const QString &text) {
  return text.toUtf8().toStdString();
}

} // namespace

TForm2::TForm2(QWidget *parent) : TBorderlessForm(parent) {
  setObjectName(QStringLiteral("Form2"));
  CalendarForProjection = false;
  setWindowTitle(QStringLiteral("Calvoro by Kaldo"));
  setColor(color(platform::clSilver));
  setFont(platform::font(QStringLiteral("MS Sans Serif"), -11));
  setPosition(poScreenCenter);
  resize(kPanelWidth, kPanelHeight);

  SmoothShow1 = new TSmoothShow(this);
  SmoothShow1->setObjectName(QStringLiteral("SmoothShow1"));
  SmoothShow1->setColor(color(platform::clLime));

  Timer2 = new QTimer(this);
  Timer2->setObjectName(QStringLiteral("Timer2"));
  Timer2->setInterval(500);

  createFrame();
  createPowerPanel();
  createWhatPanel();
  createHelpPanel();
  createSetupPanel();
  createDetailsPanel();
  // The corner panels lie over the frame strips and the content panels.
  for (TPanel *corner : {Panel2, Panel4, Panel32, Panel1})
    corner->raise();

  FormCreate();
}

void TForm2::createFrame() {
  Image7 = makeImage(this, "Image7", {}, "frame");
  Image7->setToolTip(QStringLiteral("Click here and drag to move the mixer..."));
  Image8 = makeImage(this, "Image8", {}, "frame");
  Image9 = makeImage(this, "Image9", {}, "framev");
  Image10 = makeImage(this, "Image10", {}, "framev");

  auto corner = [this](const char *name) {
    auto *panel = new TPanel(this);
    panel->setObjectName(name);
    panel->resize(kCorner, kCorner);
    panel->setCaption(QStringLiteral("X"));
    panel->setFont(platform::font(QStringLiteral("MS Sans Serif"), -11, platform::fsBold));
    panel->setColor(color(platform::clSilver));
    panel->setBevelInner(bvRaised);
    panel->setBevelOuter(bvNone);
    panel->setBevelWidth(2);
    panel->setBorderStyle(bsSingle);
    panel->setFlat(true);
    panel->setToolTip(QStringLiteral("Click to hide the panel..."));
    connect(panel, &TPanel::clicked, this, &TForm2::Panel2Click);
    return panel;
  };
  Panel2 = corner("Panel2");
  Panel4 = corner("Panel4");
  Panel32 = corner("Panel32");
  Panel1 = corner("Panel1");
}

TPanel *TForm2::createContentPanel(const char *name) {
  auto *panel = new TPanel(this);
  panel->setObjectName(name);
  panel->setGeometry(kFrame, kFrame, 365, 228);
  panel->setBevelOuter(bvNone);
  panel->setBevelInner(bvNone);
  panel->setColor(color(platform::clSilver));
  panel->hide();
  return panel;
}

void TForm2::createPowerPanel() {
  power = createContentPanel("power");
  Image1 = makeImage(power, "Image1", power->rect(), "powerbg");
  Image1->setToolTip(QString::fromLatin1(kMenuHint));

  Label9 = new TLabel(power);
  Label9->setObjectName(QStringLiteral("Label9"));
  Label9->setAutoSize(false);
  Label9->setGeometry(1, 6, 365, 19);
  Label9->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label9->setFont(platform::font(QStringLiteral("Arial"), -16, platform::fsItalic));
  Label9->setFontColor(Qt::white);
  Label9->setColor(Qt::black);
  Label9->setTransparent(false);

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

  auto gauge = [this](const char *name, int x, platform::TColor fill, const char *hint) {
    auto *meter = new TGauge(power);
    meter->setObjectName(name);
    meter->setGeometry(x, 54, 80, 155);
    meter->setMinValue(0);
    meter->setMaxValue(100);
    meter->setProgress(0);
    meter->setForeColor(color(fill));
    meter->setBackColor(color(14548991));
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

void TForm2::createWhatPanel() {
  what = createContentPanel("what");
  Memo2 = new TMemo(what);
  Memo2->setObjectName(QStringLiteral("Memo2"));
  Memo2->setGeometry(7, 8, 351, 213);
  Memo2->setFont(platform::font(QStringLiteral("Arial"), -16));
  Memo2->setColor(Qt::black);
  Memo2->setFontColor(color(platform::clLime));
  Memo2->setTextAlignment(Qt::AlignHCenter);
  Memo2->setLines(explanationLines());
  Memo2->setToolTip(QString::fromLatin1(kMenuHint));
}

void TForm2::createHelpPanel() {
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

void TForm2::createSetupPanel() {
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
  BitBtn10->setGlyphLayout(blGlyphRight);
  BitBtn10->setFlat(true);
  bitbtn1 = makeButton(setup, "bitbtn1", {60, 156, 113, 59}, QStringLiteral("  OK"), -16, "btn_ok",
                       "btn_ok_down", "Click to save your setup");
  bitbtn1->setFlat(true);
  connect(bitbtn1, &QPushButton::clicked, this, &TForm2::BitBtn1Click);
  connect(BitBtn10, &QPushButton::clicked, this, &TForm2::BitBtn10Click);
}

void TForm2::createDetailsPanel() {
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
  connect(BitBtn9, &QPushButton::clicked, this, &TForm2::BitBtn9Click);
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
}

void TForm2::setTrayMenu(QMenu *menu, QAction *blinkItem) {
  trayMenu_ = menu;
  blinkItem_ = blinkItem;
  auto useMenu = [this](QWidget *w) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(w, &QWidget::customContextMenuRequested, this, [this, w](const QPoint &pos) {
      if (trayMenu_)
        trayMenu_->popup(w->mapToGlobal(pos));
    });
  };
  useMenu(this);
  for (QWidget *w : findChildren<QWidget *>())
    if (qobject_cast<QLineEdit *>(w) || qobject_cast<TPanel *>(w) || qobject_cast<TMemo *>(w))
      useMenu(w);
}

void TForm2::setOuterSize(int width, int height) {
  resize(width, height);
  // A hidden window gets its resize event only when shown: lay out now.
  layoutFrame();
  placeCornerPanels();
}

void TForm2::placeCornerPanels() {
  Panel2->move(0, 0);
  Panel4->move(width() - kCorner, 0);
  Panel1->move(width() - kCorner, height() - kCorner);
  Panel32->move(0, height() - kCorner);
}

void TForm2::layoutFrame() {
  const int w = width(), h = height();
  Image7->setGeometry(0, 0, w, kFrame);
  Image8->setGeometry(0, h - kFrame, w, kFrame);
  Image9->setGeometry(w - kFrame, kFrame, kFrame, h - 2 * kFrame);
  Image10->setGeometry(0, kFrame, kFrame, h - 2 * kFrame);
}

void TForm2::resizeEvent(QResizeEvent *event) {
  TBorderlessForm::resizeEvent(event);
  layoutFrame();
}

void TForm2::showOnlyPanel(TPanel *panel) {
  for (TPanel *p : {help, what, setup, details, power})
    p->setVisible(p == panel);
}

TPanel *TForm2::visiblePanel() const {
  for (TPanel *p : {help, what, setup, details, power})
    if (p->isVisibleTo(this))
      return p;
  return nullptr;
}

void TForm2::FormCreate() {
  setOuterSize(kPanelWidth, kPanelHeight);
  for (TPanel *p : {help, what, setup, details, power})
    p->move(kFrame, kFrame);
}

void TForm2::FormShow() {
  SmoothShow1->setReverse(false);
  SmoothShow1->Execute();
}

void TForm2::FormHide() {
  SmoothShow1->setReverse(true);
  SmoothShow1->Execute();
}

void TForm2::Panel2Click() {
  hide();
}

void TForm2::ShowTodayPower() {
  NeatoMeter1->setProgress(core::EmotionalLevel);
  NeatoMeter2->setProgress(core::IntellectualLevel);
  NeatoMeter3->setProgress(core::PhysicalLevel);
  const platform::Environment &e = platform::env();
  const QString today = QString::fromStdString(core::formatShortDate(e.today(), e.regional.date));
  Label9->setText(QStringLiteral("Hello ") + Edit1->text() +
                  QStringLiteral(", this is for today, ") + today + QStringLiteral("."));
}

void TForm2::BitBtn9Click() {
  CalendarForProjection = true;
  if (OnOpenCalendar)
    OnOpenCalendar();
}

void TForm2::BitBtn10Click() {
  CalendarForProjection = false;
  if (OnOpenCalendar)
    OnOpenCalendar();
}

void TForm2::BitBtn1Click() {
  const QString name = QString::fromStdString(core::fixFirstName(utf8(Edit1->text())));
  FirstNameCopy = name;
  Edit1->setText(name);
  MaskEdit1->setText(MaskEdit1->text().trimmed());
  // A birth date that does not convert is refused before anything is
  // written, so a typo never leaves a file that fails at the next start.
  const platform::Environment &e = platform::env();
  core::parseDate(utf8(MaskEdit1->text()), e.regional.date, e.today());
  SaveConfiguration(!blinkItem_ || blinkItem_->isChecked());
  ComputeTodayLevels();
  ShowTodayPower();
  showOnlyPanel(power);
}

void ComputeTodayLevels() {
  const platform::Environment &e = platform::env();
  core::computeLevelsFromBirthText(utf8(Form2->MaskEdit1->text()), e.regional.date, e.today());
}

void SaveConfiguration(bool blinking) {
  core::Configuration config;
  config.firstName = utf8(Form2->Edit1->text());
  config.birthDate = utf8(Form2->MaskEdit1->text());
  config.blinking = blinking;
  core::writeConfigFile(platform::env().configPath, config);
}
