// The menu as hosts on the bus read it: ids by position, captions, separators, check marks and
// disabled items; a click triggers the action after the call returns, one command at a time; a
// change makes a new revision once for several changes; a menu that goes leaves an empty layout.

#include "event_order.h"
#include "platform/sni_menu.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using platform::sni::MenuExporter;
using platform::sni::MenuLayout;

namespace {

struct Menu {
  QMenu menu;
  QAction *power = menu.addAction("Your power today");
  QAction *separator = menu.addSeparator();
  QAction *blink = menu.addAction("Blinking Icons");
  QAction *under = menu.addAction("A_b &Save");
  Menu() {
    blink->setCheckable(true);
    blink->setChecked(true);
    under->setEnabled(false);
  }
};

TEST(SniMenu, TheLayoutListsEveryItemWithItsKindCaptionAndMark) {
  Menu m;
  MenuExporter exporter(&m.menu);
  MenuLayout layout;
  exporter.GetLayout(0, -1, {}, layout);
  ASSERT_EQ(layout.children.size(), 4);
  struct Row {
    int id;
    QVariantMap properties;
  } rows[] = {
      {1, {{"label", "Your power today"}}},
      {2, {{"type", "separator"}}},
      {3, {{"label", "Blinking Icons"}, {"toggle-type", "checkmark"}, {"toggle-state", 1}}},
      {4, {{"label", "A__b _Save"}, {"enabled", false}}},
  };
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(layout.children[i].id, rows[i].id);
    EXPECT_EQ(layout.children[i].properties, rows[i].properties) << i;
  }
  MenuLayout shallow;
  exporter.GetLayout(0, 0, {}, shallow);
  EXPECT_TRUE(shallow.children.isEmpty());
  EXPECT_EQ(exporter.GetProperty(3, "toggle-state").variant(), QVariant(1));
}

TEST(SniMenu, AClickTriggersTheActionOnceTheCallHasReturned) {
  Menu m;
  MenuExporter exporter(&m.menu);
  QSignalSpy triggered(m.blink, &QAction::triggered);
  exporter.Event(3, "clicked", QDBusVariant(0), 0);
  exporter.Event(3, "hovered", QDBusVariant(0), 0);
  exporter.Event(99, "clicked", QDBusVariant(0), 0);
  EXPECT_EQ(triggered.count(), 0);
  ASSERT_TRUE(test_support::runQueued());
  ASSERT_EQ(triggered.count(), 1);
  EXPECT_FALSE(m.blink->isChecked());
  EXPECT_EQ(exporter.EventGroup({{4, "clicked", QDBusVariant(0), 0}, {0, "clicked", {}, 0}}),
            QList<int>{0});
  ASSERT_TRUE(test_support::runQueued());
  EXPECT_EQ(triggered.count(), 1); // the disabled item does nothing
}

// Hundreds of clicks at once, and more while the box is up, open one box: the command runs once
// at a time and what comes meanwhile is dropped.
TEST(SniMenu, AFloodOfClicksOpensOneBoxAtATime) {
  Menu m;
  MenuExporter exporter(&m.menu);
  int boxes = 0;
  int open = 0;
  int mostOpen = 0;
  QObject::connect(m.power, &QAction::triggered, [&] {
    ++boxes;
    mostOpen = std::max(mostOpen, ++open);
    QMessageBox box;
    QTimer::singleShot(0, &box, [&] {
      for (int i = 0; i < 300 && boxes == 1; ++i)
        exporter.Event(1, "clicked", QDBusVariant(0), 0);
      QTimer::singleShot(0, &box, &QDialog::accept);
    });
    box.exec();
    --open;
  });
  exporter.EventGroup(QList<platform::sni::MenuEvent>(300, {1, "clicked", QDBusVariant(0), 0}));
  ASSERT_TRUE(test_support::runQueued());
  EXPECT_EQ(mostOpen, 1);
  EXPECT_EQ(boxes, 1);
  exporter.Event(1, "clicked", QDBusVariant(0), 0); // and the next click runs it again
  ASSERT_TRUE(test_support::runQueued());
  EXPECT_EQ(boxes, 2);
}

TEST(SniMenu, ChangesMakeOneNewRevision) {
  Menu m;
  MenuExporter exporter(&m.menu);
  MenuLayout layout;
  const uint before = exporter.GetLayout(0, -1, {}, layout);
  QSignalSpy updated(&exporter, &MenuExporter::LayoutUpdated);
  m.blink->setChecked(false);
  m.power->setText("Today");
  ASSERT_TRUE(test_support::runQueued());
  ASSERT_EQ(updated.count(), 1);
  EXPECT_EQ(exporter.GetLayout(0, -1, {}, layout), before + 1);
  EXPECT_EQ(layout.children[0].properties.value("label"), "Today");
  EXPECT_EQ(layout.children[2].properties.value("toggle-state"), 0);
}

TEST(SniMenu, AMenuThatIsGoneLeavesAnEmptyLayout) {
  auto *menu = new QMenu;
  menu->addAction("Quit");
  MenuExporter exporter(menu);
  delete menu;
  MenuLayout layout;
  exporter.GetLayout(0, -1, {}, layout);
  EXPECT_TRUE(layout.children.isEmpty());
  EXPECT_EQ(exporter.actionOf(1), nullptr);
}

} // namespace
