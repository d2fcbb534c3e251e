// The floor Calvoro is measured against: a Qt program with three tray icons
// and nothing else. Same toolkit, same tray, no features.
// With --splash it also shows, for its first three seconds, a borderless shaped window the size of
// Calvoro's splash and then deletes it: the floor for a tray program that must greet the user.
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

namespace {

class Splash : public QWidget {
public:
  Splash() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    resize(244, 188);
    setMask(QRegion(0, 40, 244, 148, QRegion::Ellipse));
  }

protected:
  void paintEvent(QPaintEvent *) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x1e, 0x5a, 0xa0));
    painter.setBrush(Qt::white);
    painter.drawEllipse(rect().adjusted(40, 70, -40, -30));
  }
};

} // namespace

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  std::array<std::unique_ptr<QSystemTrayIcon>, 3> icons;
  const std::array<QColor, 3> colours{Qt::red, Qt::yellow, Qt::green};
  for (size_t i = 0; i < icons.size(); ++i) {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setBrush(colours[i]);
    painter.drawEllipse(2, 2, 28, 28);
    painter.end();
    icons[i] = std::make_unique<QSystemTrayIcon>(QIcon(picture));
    icons[i]->setToolTip(QStringLiteral("Bare"));
    icons[i]->show();
  }
  if (QApplication::arguments().contains(QStringLiteral("--splash"))) {
    auto *splash = new Splash;
    splash->show();
    QTimer::singleShot(3000, splash, [splash] { splash->deleteLater(); });
  }
  return QApplication::exec();
}
