// The notification area on QSystemTrayIcon, with TrayIcon on top: records become tray
// icons, and the tray's activation reasons reach the right component as its events.

#include "components/tray_icon.h"
#include "platform/qt_notify_area.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

using platform::NotifyRecord;
using platform::QtNotifyArea;

QIcon solidIcon(QColor color) {
  QPixmap pixmap(16, 16);
  pixmap.fill(color);
  return QIcon(pixmap);
}

TEST(QtNotifyArea, RecordsBecomeTrayIconsPerOwner) {
  QtNotifyArea area;
  QObject a, b;
  NotifyRecord r;
  r.owner = &a;
  r.flags = platform::nifIcon | platform::nifTip;
  r.icon = solidIcon(Qt::red);
  r.tip = QString(70, QLatin1Char('x'));
  EXPECT_FALSE(area.modify(r)); // not there yet
  EXPECT_TRUE(area.add(r));
  EXPECT_FALSE(area.add(r)); // already there
  QSystemTrayIcon *icon = area.trayIcon(&a);
  ASSERT_TRUE(icon);
  EXPECT_EQ(icon->toolTip(), QString(63, QLatin1Char('x')));

  NotifyRecord other = r;
  other.owner = &b;
  EXPECT_TRUE(area.add(other));
  EXPECT_NE(area.trayIcon(&b), icon);

  r.flags = platform::nifTip;
  r.tip = "changed";
  EXPECT_TRUE(area.modify(r));
  EXPECT_EQ(icon->toolTip(), "changed");
  EXPECT_EQ(area.trayIcon(&b)->toolTip(), QString(63, QLatin1Char('x')));

  EXPECT_TRUE(area.remove(r));
  EXPECT_FALSE(area.remove(r));
  EXPECT_EQ(area.trayIcon(&a), nullptr);
  EXPECT_TRUE(area.trayIcon(&b));
}

TEST(QtNotifyArea, AnIconTakenOutAndPutBackAtOnceKeepsItsTrayIcon) {
  QtNotifyArea area;
  QObject owner;
  NotifyRecord r;
  r.owner = &owner;
  r.flags = platform::nifIcon | platform::nifTip;
  r.icon = solidIcon(Qt::red);
  r.tip = "first";
  ASSERT_TRUE(area.add(r));
  QSystemTrayIcon *icon = area.trayIcon(&owner);

  EXPECT_TRUE(area.remove(r));
  EXPECT_EQ(area.trayIcon(&owner), nullptr); // absent for the caller at once
  EXPECT_FALSE(area.modify(r));
  EXPECT_FALSE(area.remove(r));
  r.flags = platform::nifIcon;
  r.icon = solidIcon(Qt::green);
  EXPECT_TRUE(area.add(r));
  QCoreApplication::processEvents();
  EXPECT_EQ(area.trayIcon(&owner), icon);
  EXPECT_TRUE(icon->toolTip().isEmpty()); // the new record carries no tip
  EXPECT_EQ(icon->icon().pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::green));

  // Taken out for good: gone once the event loop has run.
  QPointer<QSystemTrayIcon> watch(icon);
  EXPECT_TRUE(area.remove(r));
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(area.trayIcon(&owner), nullptr);
  EXPECT_TRUE(watch.isNull());
  EXPECT_TRUE(area.add(r));
  EXPECT_NE(area.trayIcon(&owner), nullptr);
}

TEST(QtNotifyArea, AnOwnerThatGoesTakesItsIconAlong) {
  QtNotifyArea area;
  auto owner = std::make_unique<QObject>();
  NotifyRecord r;
  r.owner = owner.get();
  r.flags = platform::nifIcon;
  ASSERT_TRUE(area.add(r));
  const QObject *gone = owner.get();
  owner.reset();
  EXPECT_EQ(area.trayIcon(gone), nullptr);
}

TEST(QtNotifyArea, ActivationReasonsReachTheRightComponent) {
  QtNotifyArea area;
  QObject form;
  QStringList events;
  std::unique_ptr<TrayIcon> trays[3];
  for (int i = 0; i < 3; ++i) {
    trays[i] = std::make_unique<TrayIcon>(&form, &area);
    const QString n = QString::number(21 + i);
    TrayIcon *t = trays[i].get();
    QObject::connect(t, &TrayIcon::clicked, [&events, n] { events << "click " + n; });
    QObject::connect(t, &TrayIcon::doubleClicked, [&events, n] { events << "dblclick " + n; });
    QObject::connect(t, &TrayIcon::rightClicked, [&events, n] { events << "right " + n; });
    trays[i]->setIcon(solidIcon(Qt::green));
    trays[i]->setToolTip("Well " + n);
    trays[i]->setActive(true);
  }
  QSystemTrayIcon *icon22 = area.trayIcon(trays[1].get());
  QSystemTrayIcon *icon23 = area.trayIcon(trays[2].get());
  ASSERT_TRUE(icon22 && icon23);
  EXPECT_EQ(icon22->toolTip(), "Well 22");

  emit icon22->activated(QSystemTrayIcon::Trigger);
  emit icon22->activated(QSystemTrayIcon::DoubleClick);
  emit icon23->activated(QSystemTrayIcon::Context);
  emit icon23->activated(QSystemTrayIcon::MiddleClick);
  emit icon23->activated(QSystemTrayIcon::Unknown);
  EXPECT_TRUE(events.isEmpty()); // posted, as the tray's notifications are
  QCoreApplication::processEvents();
  EXPECT_EQ(events, (QStringList{"click 22", "dblclick 22", "right 23"}));

  // With nothing connected, a double click takes an active icon out of the tray; the icon goes
  // while its own activation is still being delivered.
  QObject::disconnect(trays[0].get(), &TrayIcon::doubleClicked, nullptr, nullptr);
  emit area.trayIcon(trays[0].get())->activated(QSystemTrayIcon::DoubleClick);
  QCoreApplication::processEvents();
  EXPECT_FALSE(trays[0]->isActive());
  EXPECT_EQ(area.trayIcon(trays[0].get()), nullptr);
}

} // namespace
