// A small tray program for the end-to-end tests: three TrayIcon icons, red, green and blue,
// each with its own menu. Every event it receives is written to standard output, one line each.

#include "components/tray_icon.h"
#include "platform/application.h"
#include "platform/environment.h"

#include <QMenu>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

void say(const QString &line) {
  std::printf("%s\n", qPrintable(line));
  std::fflush(stdout);
}

QIcon solidIcon(QColor color) {
  QPixmap pixmap(32, 32);
  pixmap.fill(color);
  return QIcon(pixmap);
}

} // namespace

int main(int argc, char **argv) {
  platform::Application app(argc, argv);
  platform::DesktopServices services;
  platform::setEnvironment(services.environment());
  app.setQuitOnLastWindowClosed(false);

  struct Probe {
    const char *name;
    QColor color;
  };
  const Probe probes[] = {
      {"red", QColor(255, 0, 0)}, {"green", QColor(0, 255, 0)}, {"blue", QColor(0, 0, 255)}};
  QObject owner;
  std::vector<std::unique_ptr<QMenu>> menus;
  for (const Probe &p : probes) {
    const QString name = QString::fromLatin1(p.name);
    auto *tray = new TrayIcon(&owner, platform::env().notifyArea);
    auto menu = std::make_unique<QMenu>();
    QObject::connect(menu->addAction("Item " + name), &QAction::triggered,
                     [name] { say("item " + name); });
    QObject::connect(menu->addAction("Quit"), &QAction::triggered, &app, &QApplication::quit);
    QObject::connect(menu.get(), &QMenu::aboutToShow, [name] { say("menu " + name); });
    tray->setPopupMenu(menu.get());
    QObject::connect(tray, &TrayIcon::clicked, [name] { say("click " + name); });
    QObject::connect(tray, &TrayIcon::doubleClicked, [name] { say("dblclick " + name); });
    QObject::connect(tray, &TrayIcon::rightClicked, [name](QPoint at) {
      say(QStringLiteral("rightclick %1 %2 %3").arg(name).arg(at.x()).arg(at.y()));
    });
    tray->setActive(true);
    tray->setIcon(solidIcon(p.color));
    tray->setToolTip("Probe " + name);
    menus.push_back(std::move(menu));
  }
  QTimer::singleShot(0, [] { say("running"); });
  return app.exec();
}
