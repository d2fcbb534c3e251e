#include "dialogs/about_window.h"

#include "platform/colors.h"
#include "platform/fonts.h"
#include "resources/pictures.h"

#include <QCursor>
#include <QMenu>

namespace {

PictureView *makePicture(QWidget *parent, const char *name, const QRect &geometry,
                         const char *picture, bool stretch) {
  auto *image = new PictureView(parent);
  image->setObjectName(name);
  image->setGeometry(geometry);
  image->setStretch(stretch);
  image->setPictureLoader([name = QString::fromLatin1(picture)] { return pictures::pixmap(name); });
  return image;
}

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
  resize(416, 362);

  backgroundPicture = makePicture(this, "backgroundPicture", {10, 10, 396, 342}, "aboutbg", true);
  topFrameBar = makePicture(this, "topFrameBar", {0, 0, 416, 10}, "aboutframe", true);
  topFrameBar->setToolTip(QStringLiteral("Click here and drag to move the mixer..."));
  bottomFrameBar = makePicture(this, "bottomFrameBar", {0, 352, 416, 10}, "aboutframe", true);
  leftFrameBar = makePicture(this, "leftFrameBar", {0, 10, 10, 342}, "aboutframev", true);
  rightFrameBar = makePicture(this, "rightFrameBar", {406, 10, 10, 342}, "aboutframev", true);

  creditLabel = makeLine(this, "creditLabel", {26, 42, 363, 16},
                         QStringLiteral("Calvoro, your biorhythm companion, by KALDO Prototyping"));
  contactLabel =
      makeLine(this, "contactLabel", {115, 57, 186, 16}, QStringLiteral("kaldo@kaldo.example"));

  creatureWingsUp = makePicture(this, "creatureWingsUp", {232, 134, 83, 69}, "creature1", false);
  creatureWingsUp->hide();
  creatureWingsDown =
      makePicture(this, "creatureWingsDown", {232, 134, 83, 69}, "creature2", false);
  creatureWingsDown->hide();

  auto corner = [this](const char *name, int x, int y) {
    auto *panel = newCloseCorner(this, name, platform::toQColor(platform::clBtnFace));
    panel->move(x, y);
    connect(panel, &BevelPanel::clicked, this, &AboutWindow::closeCornerClicked);
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(panel, &QWidget::customContextMenuRequested, this, [this] {
      if (trayMenu_)
        trayMenu_->popup(QCursor::pos());
    });
    return panel;
  };
  topLeftCloseCorner = corner("topLeftCloseCorner", 0, 0);
  topRightCloseCorner = corner("topRightCloseCorner", 396, 0);
  bottomLeftCloseCorner = corner("bottomLeftCloseCorner", 0, 342);
  bottomRightCloseCorner = corner("bottomRightCloseCorner", 396, 342);

  creatureTimer = new QTimer(this);
  creatureTimer->setObjectName(QStringLiteral("creatureTimer"));
  creatureTimer->setInterval(300);
  connect(creatureTimer, &QTimer::timeout, this, &AboutWindow::moveCreature);

  showAnimation = new SmoothShow(this);
  showAnimation->setObjectName(QStringLiteral("showAnimation"));
  showAnimation->setColor(platform::toQColor(platform::clLime));
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
    if (creatureWingsDown->y() > 342 || creatureWingsDown->x() > 397) {
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
