#include "chart/calvorw.h"
#include "chart/calvorw_widgets.h"

#include "platform/colors.h"
#include "platform/fonts.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QResizeEvent>

using namespace calvorw;

OnDemand<TForm2> Form2;
QString FirstNameCopy;
bool CalendarForProjection = false;

TForm2::TForm2(QWidget *parent) : TBorderlessForm(parent) {
  setObjectName(QStringLiteral("Form2"));
  CalendarForProjection = false;
  setWindowTitle(QStringLiteral("Calvoro by Kaldo"));
  setColor(color(platform::clSilver));
  setFont(platform::font(QStringLiteral("MS Sans Serif"), -11));
  setPosition(TPosition::poScreenCenter);
  resize(kPanelWidth, kPanelHeight);

  SmoothShow1 = new TSmoothShow(this);
  SmoothShow1->setObjectName(QStringLiteral("SmoothShow1"));
  SmoothShow1->setColor(color(platform::clLime));

  Timer2 = new QTimer(this);
  Timer2->setObjectName(QStringLiteral("Timer2"));
  Timer2->setInterval(500);
  connect(Timer2, &QTimer::timeout, this, &TForm2::Timer2Timer);

  createFrame();
  createPowerPanel();
  createWhatPanel();
  createHelpPanel();
  createSetupPanel();
  createDetailsPanel();
  createChartLabels();
  createButtonRow();
  // The corner panels lie over the frame strips and the content panels.
  for (TPanel *corner : {Panel2, Panel4, Panel32, Panel1})
    corner->raise();
  describeForKeyboardAndReaders();

  FormCreate();
  takeLoadedFields();
}

void TForm2::createFrame() {
  Image7 = makeImage(this, "Image7", {}, "frame");
  Image7->setToolTip(QStringLiteral("Click here and drag to move the mixer..."));
  Image8 = makeImage(this, "Image8", {}, "frame");
  Image9 = makeImage(this, "Image9", {}, "framev");
  Image10 = makeImage(this, "Image10", {}, "framev");

  auto corner = [this](const char *name) {
    auto *panel = newCloseCorner(this, name, color(platform::clSilver));
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
  panel->setBevelOuter(TBevelCut::bvNone);
  panel->setBevelInner(TBevelCut::bvNone);
  panel->setColor(color(platform::clSilver));
  panel->hide();
  return panel;
}

void TForm2::setTrayMenu(QMenu *menu, QAction *blinkItem) {
  trayMenu_ = menu;
  blinkItem_ = blinkItem;
  auto useMenu = [this](QWidget *w) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(w, &QWidget::customContextMenuRequested, this, [this] {
      if (trayMenu_)
        trayMenu_->popup(QCursor::pos());
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
  keepFocusOn(panel);
}

void TForm2::keepFocusOn(TPanel *panel) {
  // Hiding a panel leaves the keyboard focus where it was, and a hidden field
  // would go on taking the keys the user types.
  QWidget *focused = focusWidget();
  if (focused && focused->isVisibleTo(this) && (!panel || panel->isAncestorOf(focused)))
    return;
  if (panel) {
    for (QWidget *w = panel->nextInFocusChain(); w != panel; w = w->nextInFocusChain()) {
      if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && panel->isAncestorOf(w) &&
          w->isVisibleTo(this)) {
        w->setFocus(Qt::OtherFocusReason);
        return;
      }
    }
  }
  if (focused)
    focused->clearFocus();
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
