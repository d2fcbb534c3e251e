#include "dialogs/about_window.h"

#include "platform/colors.h"
#include "platform/environment.h"
#include "platform/fonts.h"
#include "resources/pictures.h"

#include <QCursor>
#include <QMenu>

OnDemand<AboutWindow> aboutWindow;

namespace {

PictureView *makeImage(QWidget *parent, const char *name, const QRect &geometry,
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

int random(int n) {
  return platform::env().random(n);
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent) : BorderlessWindow(parent) {
  setObjectName(QStringLiteral("aboutWindow"));
  setWindowTitle(QStringLiteral("About Calvoro by KALDO"));
  setColor(platform::toQColor(platform::clBlack));
  setFont(platform::font(QStringLiteral("MS Sans Serif"), -11));
  resize(416, 362);

  Image3 = makeImage(this, "Image3", {10, 10, 396, 342}, "aboutbg", true);
  Image7 = makeImage(this, "Image7", {0, 0, 416, 10}, "aboutframe", true);
  Image7->setToolTip(QStringLiteral("Click here and drag to move the mixer..."));
  Image8 = makeImage(this, "Image8", {0, 352, 416, 10}, "aboutframe", true);
  Image10 = makeImage(this, "Image10", {0, 10, 10, 342}, "aboutframev", true);
  Image9 = makeImage(this, "Image9", {406, 10, 10, 342}, "aboutframev", true);

  Label16 = makeLine(this, "Label16", {26, 42, 363, 16},
                     QStringLiteral("Calvoro, your biorhythm companion, by KALDO Prototyping"));
  Label18 = makeLine(this, "Label18", {115, 57, 186, 16}, QStringLiteral("kaldo@kaldo.example"));

  Image1 = makeImage(this, "Image1", {232, 134, 83, 69}, "creature1", false);
  Image1->hide();
  Image2 = makeImage(this, "Image2", {232, 134, 83, 69}, "creature2", false);
  Image2->hide();

  auto corner = [this](const char *name, int x, int y) {
    auto *panel = newCloseCorner(this, name, platform::toQColor(platform::clBtnFace));
    panel->move(x, y);
    connect(panel, &BevelPanel::clicked, this, &AboutWindow::Panel2Click);
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(panel, &QWidget::customContextMenuRequested, this, [this] {
      if (trayMenu_)
        trayMenu_->popup(QCursor::pos());
    });
    return panel;
  };
  Panel2 = corner("Panel2", 0, 0);
  Panel3 = corner("Panel3", 396, 0);
  Panel4 = corner("Panel4", 0, 342);
  Panel5 = corner("Panel5", 396, 342);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(300);
  connect(Timer1, &QTimer::timeout, this, &AboutWindow::Timer1Timer);

  SmoothShow1 = new SmoothShow(this);
  SmoothShow1->setObjectName(QStringLiteral("SmoothShow1"));
  SmoothShow1->setColor(platform::toQColor(platform::clLime));
}

void AboutWindow::setTrayMenu(QMenu *menu) {
  trayMenu_ = menu;
}

void AboutWindow::openCentred() {
  // Centred at every opening, wherever it was dragged to.
  setPosition(WindowPlacement::poScreenCenter);
  show();
  Timer1->start();
}

void AboutWindow::Panel2Click() {
  Timer1->stop();
  hide();
}

void AboutWindow::Timer1Timer() {
  if (Image1->isVisibleTo(this)) {
    Image1->hide();
    if (Image2->y() > 342 || Image2->x() > 397) {
      // Past the lower or right edge: back at a random place.
      Image2->move(Image2->x(), random(height()));
      Image1->move(Image1->x(), Image2->y());
      Image2->move(random(width()), Image2->y());
      Image1->move(Image2->x(), Image1->y());
    }
    Image2->move(Image2->x(), Image1->y() + random(10));
    Image1->move(Image1->x(), Image2->y());
    Image2->move(Image2->x() + random(10), Image2->y());
    Image1->move(Image2->x(), Image1->y());
    Image2->show();
  } else {
    Image2->hide();
    Image2->move(Image2->x(), Image2->y() + random(10));
    Image1->move(Image1->x(), Image2->y());
    Image2->move(Image2->x() + random(5), Image2->y());
    Image1->move(Image2->x(), Image1->y());
    Image1->show();
  }
}

void AboutWindow::FormShow() {
  SmoothShow1->setReverse(false);
  SmoothShow1->Execute();
}

void AboutWindow::FormHide() {
  // A hidden window does not keep the creature flying: the next opening
  // starts the timer again, and the creature goes on from where it was.
  Timer1->stop();
  SmoothShow1->setReverse(true);
  SmoothShow1->Execute();
}
