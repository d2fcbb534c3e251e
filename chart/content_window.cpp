#include "chart/content_window.h"
#include "chart/content_window_layout.h"
#include "chart/content_window_parts.h"

#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/guarded.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QResizeEvent>

using namespace content_layout;
using namespace content_parts;

ContentWindow::ContentWindow(Session &session, const platform::Environment &env, QWidget *parent)
    : BorderlessWindow(parent), session_(session), env_(env) {
  setObjectName(QStringLiteral("contentWindow"));
  setWindowTitle(QStringLiteral("Calvoro by Kaldo"));
  setColor(qColor(platform::clSilver));
  setFont(platform::font(QStringLiteral("MS Sans Serif"), -11));
  setPosition(WindowPlacement::poScreenCenter);
  setReleasedWhenHidden(true);
  resize(kPanelWidth, kPanelHeight);

  showAnimation = new SmoothShow(this);
  showAnimation->setObjectName(QStringLiteral("showAnimation"));
  showAnimation->setColor(qColor(platform::clLime));
  // By the end of the run the window manager has placed the window.
  connect(showAnimation, &SmoothShow::finished, this, &ContentWindow::takePlaceFromWindowSystem);

  chartDrawTimer = new QTimer(this);
  chartDrawTimer->setObjectName(QStringLiteral("chartDrawTimer"));
  chartDrawTimer->setInterval(500);
  connect(chartDrawTimer, &QTimer::timeout, this,
          platform::guarded(this, &ContentWindow::drawPreparedChart));

  createFrame();
  createPowerPanel();
  createWhatPanel();
  createHelpPanel();
  createSetupPanel();
  createDetailsPanel();
  createChartLabels();
  createButtonRow();
  // The corner panels lie over the frame strips and the content panels.
  for (BevelPanel *corner :
       {topLeftCloseCorner, topRightCloseCorner, bottomLeftCloseCorner, bottomRightCloseCorner})
    corner->raise();
  describeForKeyboardAndReaders();
  letKeyboardReachButtons();
  for (QWidget *w : chartModeControls_)
    w->hide();

  layOutPanels();
  keepFieldsInStep();
}

void ContentWindow::createFrame() {
  topFrameBar = newPictureView(this, "topFrameBar", {}, "frame");
  topFrameBar->setToolTip(QStringLiteral("Click here and drag to move the mixer..."));
  bottomFrameBar = newPictureView(this, "bottomFrameBar", {}, "frame");
  rightFrameBar = newPictureView(this, "rightFrameBar", {}, "framev");
  leftFrameBar = newPictureView(this, "leftFrameBar", {}, "framev");

  auto corner = [this](const char *name) {
    auto *panel = newCloseCorner(this, name, platform::clSilver);
    connect(panel, &BevelPanel::clicked, this,
            platform::guarded(this, &ContentWindow::closeCornerClicked));
    return panel;
  };
  topLeftCloseCorner = corner("topLeftCloseCorner");
  topRightCloseCorner = corner("topRightCloseCorner");
  bottomLeftCloseCorner = corner("bottomLeftCloseCorner");
  bottomRightCloseCorner = corner("bottomRightCloseCorner");
}

BevelPanel *ContentWindow::createContentPanel(const char *name) {
  auto *panel = new BevelPanel(this);
  panel->setObjectName(name);
  panel->setGeometry(kPanel);
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
    connect(w, &QWidget::customContextMenuRequested, this, platform::guarded([this] {
              if (trayMenu_)
                trayMenu_->popup(QCursor::pos());
            }));
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
  topLeftCloseCorner->move(0, 0);
  topRightCloseCorner->move(width() - kCorner, 0);
  bottomRightCloseCorner->move(width() - kCorner, height() - kCorner);
  bottomLeftCloseCorner->move(0, height() - kCorner);
}

void ContentWindow::layoutFrame() {
  const int w = width(), h = height();
  topFrameBar->setGeometry(0, 0, w, kFrame);
  bottomFrameBar->setGeometry(0, h - kFrame, w, kFrame);
  rightFrameBar->setGeometry(w - kFrame, kFrame, kFrame, h - 2 * kFrame);
  leftFrameBar->setGeometry(0, kFrame, kFrame, h - 2 * kFrame);
}

void ContentWindow::resizeEvent(QResizeEvent *event) {
  BorderlessWindow::resizeEvent(event);
  layoutFrame();
}

void ContentWindow::showOnlyPanel(BevelPanel *panel) {
  for (BevelPanel *p : {guidePanel, explanationPanel, setupPanel, projectionPanel, powerPanel})
    p->setVisible(p == panel);
  for (QWidget *w : chartModeControls_)
    w->setVisible(!panel);
  keepFocusOn(panel);
}

void ContentWindow::keepFocusOn(BevelPanel *panel) {
  // Hiding a panel leaves the keyboard focus where it was, and a hidden field
  // would go on taking the keys the user types.
  QWidget *focused = focusWidget();
  if (focused && focused->isVisibleTo(this) && (!panel || panel->isAncestorOf(focused)))
    return;
  if (panel) {
    // A field first, so that typing goes straight into it; else the first
    // button.
    QWidget *first = nullptr;
    for (QWidget *w = panel->nextInFocusChain(); w != panel; w = w->nextInFocusChain()) {
      if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && panel->isAncestorOf(w) &&
          w->isVisibleTo(this)) {
        if (qobject_cast<QLineEdit *>(w)) {
          first = w;
          break;
        }
        if (!first)
          first = w;
      }
    }
    if (first) {
      first->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
  if (focused)
    focused->clearFocus();
}

BevelPanel *ContentWindow::visiblePanel() const {
  for (BevelPanel *p : {guidePanel, explanationPanel, setupPanel, projectionPanel, powerPanel})
    if (p->isVisibleTo(this))
      return p;
  return nullptr;
}

void ContentWindow::layOutPanels() {
  setOuterSize(kPanelWidth, kPanelHeight);
  for (BevelPanel *p : {guidePanel, explanationPanel, setupPanel, projectionPanel, powerPanel})
    p->move(kPanel.topLeft());
}

void ContentWindow::onShowing() {
  showAnimation->setReverse(false);
  showAnimation->execute();
}

void ContentWindow::onHidden() {
  showAnimation->setReverse(true);
  showAnimation->execute();
}

void ContentWindow::onReleasing() {
  // Every showing of chart mode draws its chart anew; a draw still pending would only make
  // the surface again for a window nobody sees.
  chartDrawTimer->stop();
  surface_ = QImage();
}

void ContentWindow::closeCornerClicked() {
  hide();
}
