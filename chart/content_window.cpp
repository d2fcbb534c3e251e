#include "chart/content_window.h"
#include "chart/content_window_parts.h"

#include "platform/colors.h"
#include "platform/fonts.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QResizeEvent>

using namespace content_parts;

OnDemand<ContentWindow> contentWindow;
QString FirstNameCopy;
bool CalendarForProjection = false;

ContentWindow::ContentWindow(QWidget *parent) : BorderlessWindow(parent) {
  setObjectName(QStringLiteral("contentWindow"));
  CalendarForProjection = false;
  setWindowTitle(QStringLiteral("Calvoro by Kaldo"));
  setColor(qColor(platform::clSilver));
  setFont(platform::font(QStringLiteral("MS Sans Serif"), -11));
  setPosition(WindowPlacement::poScreenCenter);
  resize(kPanelWidth, kPanelHeight);

  SmoothShow1 = new SmoothShow(this);
  SmoothShow1->setObjectName(QStringLiteral("SmoothShow1"));
  SmoothShow1->setColor(qColor(platform::clLime));

  Timer2 = new QTimer(this);
  Timer2->setObjectName(QStringLiteral("Timer2"));
  Timer2->setInterval(500);
  connect(Timer2, &QTimer::timeout, this, &ContentWindow::Timer2Timer);

  createFrame();
  createPowerPanel();
  createWhatPanel();
  createHelpPanel();
  createSetupPanel();
  createDetailsPanel();
  createChartLabels();
  createButtonRow();
  // The corner panels lie over the frame strips and the content panels.
  for (BevelPanel *corner : {Panel2, Panel4, Panel32, Panel1})
    corner->raise();
  describeForKeyboardAndReaders();

  FormCreate();
  takeLoadedFields();
}

void ContentWindow::createFrame() {
  Image7 = makeImage(this, "Image7", {}, "frame");
  Image7->setToolTip(QStringLiteral("Click here and drag to move the mixer..."));
  Image8 = makeImage(this, "Image8", {}, "frame");
  Image9 = makeImage(this, "Image9", {}, "framev");
  Image10 = makeImage(this, "Image10", {}, "framev");

  auto corner = [this](const char *name) {
    auto *panel = newCloseCorner(this, name, qColor(platform::clSilver));
    connect(panel, &BevelPanel::clicked, this, &ContentWindow::Panel2Click);
    return panel;
  };
  Panel2 = corner("Panel2");
  Panel4 = corner("Panel4");
  Panel32 = corner("Panel32");
  Panel1 = corner("Panel1");
}

BevelPanel *ContentWindow::createContentPanel(const char *name) {
  auto *panel = new BevelPanel(this);
  panel->setObjectName(name);
  panel->setGeometry(kFrame, kFrame, 365, 228);
  panel->setBevelOuter(BevelCut::bvNone);
  panel->setBevelInner(BevelCut::bvNone);
  panel->setColor(qColor(platform::clSilver));
  panel->hide();
  return panel;
}

void ContentWindow::setTrayMenu(QMenu *menu, QAction *blinkItem) {
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
    if (qobject_cast<QLineEdit *>(w) || qobject_cast<BevelPanel *>(w) ||
        qobject_cast<TextView *>(w))
      useMenu(w);
}

void ContentWindow::setOuterSize(int width, int height) {
  resize(width, height);
  // A hidden window gets its resize event only when shown: lay out now.
  layoutFrame();
  placeCornerPanels();
}

void ContentWindow::placeCornerPanels() {
  Panel2->move(0, 0);
  Panel4->move(width() - kCorner, 0);
  Panel1->move(width() - kCorner, height() - kCorner);
  Panel32->move(0, height() - kCorner);
}

void ContentWindow::layoutFrame() {
  const int w = width(), h = height();
  Image7->setGeometry(0, 0, w, kFrame);
  Image8->setGeometry(0, h - kFrame, w, kFrame);
  Image9->setGeometry(w - kFrame, kFrame, kFrame, h - 2 * kFrame);
  Image10->setGeometry(0, kFrame, kFrame, h - 2 * kFrame);
}

void ContentWindow::resizeEvent(QResizeEvent *event) {
  BorderlessWindow::resizeEvent(event);
  layoutFrame();
}

void ContentWindow::showOnlyPanel(BevelPanel *panel) {
  for (BevelPanel *p : {help, what, setup, details, power})
    p->setVisible(p == panel);
  keepFocusOn(panel);
}

void ContentWindow::keepFocusOn(BevelPanel *panel) {
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

BevelPanel *ContentWindow::visiblePanel() const {
  for (BevelPanel *p : {help, what, setup, details, power})
    if (p->isVisibleTo(this))
      return p;
  return nullptr;
}

void ContentWindow::FormCreate() {
  setOuterSize(kPanelWidth, kPanelHeight);
  for (BevelPanel *p : {help, what, setup, details, power})
    p->move(kFrame, kFrame);
}

void ContentWindow::onShowing() {
  SmoothShow1->setReverse(false);
  SmoothShow1->execute();
}

void ContentWindow::onHidden() {
  SmoothShow1->setReverse(true);
  SmoothShow1->execute();
}

void ContentWindow::Panel2Click() {
  hide();
}
