// The floor Calvoro is measured against: a Qt program with three tray icons
// and nothing else. Same toolkit, same tray, no features.
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

#include <array>
#include <memory>

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
  return QApplication::exec();
}
