#include "dialogs/about_window.h"

#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/guarded.h"

#include <QCursor>
#include <QMenu>

namespace {

// Where the About window's parts sit: a picture in a 10-pixel frame, an "X"
// panel in each corner.
namespace about_layout {
constexpr QSize kWindow{416, 362};
constexpr QRect kBackground{10, 10, 396, 342};
constexpr QRect kTopFrame{0, 0, 416, 10}, kBottomFrame{0, 352, 416, 10};
constexpr QRect kLeftFrame{0, 10, 10, 342}, kRightFrame{406, 10, 10, 342};
constexpr QRect kCredit{26, 42, 363, 16}, kContact{115, 57, 186, 16};
// Where the creature starts, and the place past which it has left the picture.
constexpr QRect kCreature{232, 134, 83, 69};
constexpr QPoint kCreatureGone{397, 342};
constexpr QPoint kTopLeftCorner{0, 0}, kTopRightCorner{396, 0};
constexpr QPoint kBottomLeftCorner{0, 342}, kBottomRightCorner{396, 342};
} // namespace about_layout

TextLabel *makeLine(QWidget *parent, const char *name, const QRect &geometry, const QString &text) {
  auto *label = new TextLabel(parent, text);
  label->setObjectName(name);
  label->setAutoSize(false);
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setFont(platform::font(QStringLiteral("Arial"), -13));
  label->setFontColor(Qt::black);
  label->setTransparent(true);
  return label;
}

} // namespace

AboutWindow::AboutWindow(const platform::Environment &env, QWidget *parent)
    : BorderlessWindow(parent), env_(env) {
  setObjectName(QStringLiteral("aboutWindow"));
  setWindowTitle(QStringLiteral("About Calvoro by KALDO"));
  setColor(platform::toQColor(platform::clBlack));
  setFont(platform::font(QStringLiteral("MS Sans Serif"), -11));
  setReleasedWhenHidden(true);
  resize(about_layout::kWindow);

  backgroundPicture =
      newPictureView(this, "backgroundPicture", about_layout::kBackground, "aboutbg");
  topFrameBar = newPictureView(this, "topFrameBar", about_layout::kTopFrame, "aboutframe");
  topFrameBar->setToolTip(QStringLiteral("Click here and drag to move the mixer..."));
  bottomFrameBar = newPictureView(this, "bottomFrameBar", about_layout::kBottomFrame, "aboutframe");
  leftFrameBar = newPictureView(this, "leftFrameBar", about_layout::kLeftFrame, "aboutframev");
  rightFrameBar = newPictureView(this, "rightFrameBar", about_layout::kRightFrame, "aboutframev");

  creditLabel = makeLine(this, "creditLabel", about_layout::kCredit,
                         QStringLiteral("Calvoro, your biorhythm companion, by KALDO Prototyping"));
  contactLabel =
      makeLine(this, "contactLabel", about_layout::kContact, QStringLiteral("kaldo@kaldo.example"));

  creatureWingsUp =
      newPictureView(this, "creatureWingsUp", about_layout::kCreature, "creature1", false);
  creatureWingsUp->hide();
  creatureWingsDown =
      newPictureView(this, "creatureWingsDown", about_layout::kCreature, "creature2", false);
  creatureWingsDown->hide();

  auto corner = [this](const char *name, const QPoint &at) {
    auto *panel = newCloseCorner(this, name, platform::clBtnFace);
    panel->move(at);
    connect(panel, &BevelPanel::clicked, this,
            platform::guarded(this, &AboutWindow::closeCornerClicked));
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(panel, &QWidget::customContextMenuRequested, this, platform::guarded([this] {
              if (trayMenu_)
                trayMenu_->popup(QCursor::pos());
            }));
    return panel;
  };
  topLeftCloseCorner = corner("topLeftCloseCorner", about_layout::kTopLeftCorner);
  topRightCloseCorner = corner("topRightCloseCorner", about_layout::kTopRightCorner);
  bottomLeftCloseCorner = corner("bottomLeftCloseCorner", about_layout::kBottomLeftCorner);
  bottomRightCloseCorner = corner("bottomRightCloseCorner", about_layout::kBottomRightCorner);

  creatureTimer = new QTimer(this);
  creatureTimer->setObjectName(QStringLiteral("creatureTimer"));
  creatureTimer->setInterval(300);
  connect(creatureTimer, &QTimer::timeout, this,
          platform::guarded(this, &AboutWindow::moveCreature));

  showAnimation = new SmoothShow(this);
  showAnimation->setObjectName(QStringLiteral("showAnimation"));
  showAnimation->setColor(platform::toQColor(platform::clLime));
  // By the end of the run the window manager has placed the window.
  connect(showAnimation, &SmoothShow::finished, this, &AboutWindow::takePlaceFromWindowSystem);
}

void AboutWindow::setTrayMenu(QMenu *menu) {
  trayMenu_ = menu;
}

void AboutWindow::openCentred() {
  // Centred at every opening, wherever it was dragged to.
  setPosition(WindowPlacement::poScreenCenter);
  show();
  creatureTimer->start();
}

void AboutWindow::closeCornerClicked() {
  creatureTimer->stop();
  hide();
}

void AboutWindow::moveCreature() {
  if (creatureWingsUp->isVisibleTo(this)) {
    creatureWingsUp->hide();
    if (creatureWingsDown->y() > about_layout::kCreatureGone.y() ||
        creatureWingsDown->x() > about_layout::kCreatureGone.x()) {
      // Past the lower or right edge: back at a random place.
      creatureWingsDown->move(creatureWingsDown->x(), random(height()));
      creatureWingsUp->move(creatureWingsUp->x(), creatureWingsDown->y());
      creatureWingsDown->move(random(width()), creatureWingsDown->y());
      creatureWingsUp->move(creatureWingsDown->x(), creatureWingsUp->y());
    }
    creatureWingsDown->move(creatureWingsDown->x(), creatureWingsUp->y() + random(10));
    creatureWingsUp->move(creatureWingsUp->x(), creatureWingsDown->y());
    creatureWingsDown->move(creatureWingsDown->x() + random(10), creatureWingsDown->y());
    creatureWingsUp->move(creatureWingsDown->x(), creatureWingsUp->y());
    creatureWingsDown->show();
  } else {
    creatureWingsDown->hide();
    creatureWingsDown->move(creatureWingsDown->x(), creatureWingsDown->y() + random(10));
    creatureWingsUp->move(creatureWingsUp->x(), creatureWingsDown->y());
    creatureWingsDown->move(creatureWingsDown->x() + random(5), creatureWingsDown->y());
    creatureWingsUp->move(creatureWingsDown->x(), creatureWingsUp->y());
    creatureWingsUp->show();
  }
}

void AboutWindow::onShowing() {
  // Hidden and shown again by the About command, or reopened soon after an
  // "X": the hide still under way would swallow the opening's animation.
  showAnimation->stop();
  showAnimation->setReverse(false);
  showAnimation->execute();
}

void AboutWindow::onHidden() {
  // A hidden window does not keep the creature flying: the next opening
  // starts the timer again, and the creature goes on from where it was.
  creatureTimer->stop();
  showAnimation->setReverse(true);
  showAnimation->execute();
}
