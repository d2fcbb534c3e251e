// The content window by keyboard and for screen readers: Esc hides it, also from a field;
// Enter in either setup field presses OK; typed keys never reach a field of a hidden panel; gauges
// report their value and offer no action, fields and corners their names, the corners of both
// windows hide them when pressed, the shadow copies of captions are not there for a reader, and
// a reader is told of the controls of the mode on screen only, the chart with its levels.
#include "app/main_window.h"
#include "app_fixture.h"
#include "chart/content_window.h"
#include "core/biorhythm.h"
#include "dialogs/about_window.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>

using namespace testing_support;

namespace {

class Access : public AppFixture {
protected:
  void load() {
    writeConfig("\r\nAnna\r\n11/05/2024\r\n0\r\n");
    windows->main().loadAtStart();
    QCoreApplication::processEvents();
  }
};

TEST_F(Access, EscHidesTheWindowFromItsSurfaceAndFromAField) {
  load();
  for (QWidget *target : {static_cast<QWidget *>(&windows->content()),
                          static_cast<QWidget *>(windows->content().firstNameField)}) {
    windows->main().openSetup();
    ASSERT_TRUE(windows->content().isVisible());
    QTest::keyClick(target, Qt::Key_Escape);
    EXPECT_FALSE(windows->content().isVisible());
  }
}

TEST_F(Access, EnterInEitherSetupFieldPressesOk) {
  windows->main().loadAtStart(); // first run: the setup panel
  for (QWidget *field : {static_cast<QWidget *>(windows->content().firstNameField),
                         static_cast<QWidget *>(windows->content().birthDateField)}) {
    windows->content().showOnlyPanel(windows->content().setupPanel);
    windows->content().firstNameField->setText("anna");
    windows->content().birthDateField->setText("11/05/2024");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(windows->content().visiblePanel(), windows->content().powerPanel);
    EXPECT_EQ(readConfig(), "\r\nAnna\r\n11/05/2024\r\n0\r\n");
  }
}

TEST_F(Access, KeysAfterOkAndAfterAnyPanelSwitchReachNoHiddenField) {
  windows->main().loadAtStart(); // first run: the setup panel, the first name focused
  windows->content().firstNameField->setText("anna");
  windows->content().birthDateField->setText("11/05/2024");
  QTest::keyClick(windows->content().firstNameField, Qt::Key_Return);
  const QByteArray saved = readConfig();
  // Keys go to the window's focus widget, or to the window itself.
  for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Z, Qt::Key_Return})
    QTest::keyClick(windows->content().focusWidget() ? windows->content().focusWidget()
                                                     : &windows->content(),
                    key);
  EXPECT_EQ(readConfig(), saved);
  EXPECT_EQ(windows->content().greetingLabel->text().left(11), "Hello Anna,");

  // Switched while shown or while hidden, a panel has the focus on one of its
  // own controls or nowhere.
  for (void (MainWindow::*command)() :
       {&MainWindow::openProjection, &MainWindow::openTodayPower, &MainWindow::openExplanation,
        &MainWindow::openSetup, &MainWindow::openProjection}) {
    windows->content().closeCornerClicked();
    (windows->main().*command)();
    if (const QWidget *focused = windows->content().focusWidget()) {
      EXPECT_TRUE(focused->isVisibleTo(&windows->content())) << focused->objectName().toStdString();
    }
  }
}

// The names a reader is told of, under `iface`: what is reported hidden is skipped.
void shownNames(QAccessibleInterface *iface, QStringList &names) {
  for (int i = 0; i < iface->childCount(); ++i) {
    QAccessibleInterface *child = iface->child(i);
    if (!child || child->state().invisible)
      continue;
    names << child->text(QAccessible::Name);
    shownNames(child, names);
  }
}

TEST_F(Access, ReadersGetNamesValuesAndEachCaptionOnce) {
  load();
  windows->main().openSetup();
  QAccessibleInterface *gauge =
      QAccessible::queryAccessibleInterface(windows->content().emotionalGauge);
  ASSERT_TRUE(gauge);
  EXPECT_EQ(gauge->role(), QAccessible::ProgressBar);
  EXPECT_EQ(gauge->text(QAccessible::Name), "Emotional power today");
  // Read only: a value interface would bring Increase and Decrease along.
  EXPECT_FALSE(gauge->valueInterface());
  EXPECT_TRUE(gauge->actionInterface()->actionNames().isEmpty());
  const QString value = QStringLiteral("%1%").arg(windows->content().emotionalGauge->percentDone());
  EXPECT_EQ(gauge->text(QAccessible::Value), value);
  EXPECT_TRUE(gauge->text(QAccessible::Description).startsWith(value));

  QAccessibleInterface *corner =
      QAccessible::queryAccessibleInterface(windows->content().bottomRightCloseCorner);
  EXPECT_EQ(corner->role(), QAccessible::Button);
  EXPECT_EQ(corner->text(QAccessible::Name), "Hide the window");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(windows->content().birthDateField)
                ->text(QAccessible::Name),
            "Birth date");

  QAccessibleInterface *shadow =
      QAccessible::queryAccessibleInterface(windows->content().firstNameCaptionShadowLabel);
  QAccessibleInterface *caption =
      QAccessible::queryAccessibleInterface(windows->content().firstNameCaptionLabel);
  EXPECT_TRUE(shadow->state().invisible);
  EXPECT_TRUE(shadow->text(QAccessible::Name).isEmpty());
  EXPECT_FALSE(caption->state().invisible);
  EXPECT_EQ(caption->text(QAccessible::Name), "Note here your first name ");
  // Not even among its panel's children.
  QAccessibleInterface *panel =
      QAccessible::queryAccessibleInterface(windows->content().setupPanel);
  EXPECT_EQ(panel->indexOfChild(shadow), -1);
  EXPECT_GE(panel->indexOfChild(caption), 0);
}

TEST_F(Access, EveryCornerIsPressedByAReaderAndHidesItsWindow) {
  load();
  for (bool about : {false, true}) {
    QWidget *window = about ? static_cast<QWidget *>(&windows->about())
                            : static_cast<QWidget *>(&windows->content());
    const auto corners = window->findChildren<BevelPanel *>(QRegularExpression("CloseCorner$"));
    ASSERT_EQ(corners.size(), 4);
    for (BevelPanel *corner : corners) {
      about ? windows->main().openAbout() : windows->main().openTodayPower();
      ASSERT_TRUE(window->isVisible());
      QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(corner);
      EXPECT_EQ(iface->text(QAccessible::Name), "Hide the window");
      ASSERT_TRUE(iface->actionInterface());
      EXPECT_EQ(iface->actionInterface()->actionNames(),
                QStringList{QAccessibleActionInterface::pressAction()});
      iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
      EXPECT_FALSE(window->isVisible()) << corner->objectName().toStdString();
    }
  }
}

TEST_F(Access, ReadersAreToldOnlyTheModeOnScreenAndTheChartsLevels) {
  load();
  ContentWindow &c = windows->content();
  QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&c);
  const QStringList chartNames = {"Prior Month", "Next Month", "Critical Emotional Days",
                                  "Best :", "Biorhythm chart"};
  const QStringList panelNames = {"Emotional power today", "First day of the projection",
                                  "Emotional"};
  QStringList names;
  windows->main().openTodayPower();
  shownNames(window, names);
  EXPECT_EQ(names.count("Emotional power today"), 1);
  EXPECT_EQ(names.count("Emotional"), 1);
  for (const QString &name : chartNames)
    EXPECT_FALSE(names.contains(name)) << name.toStdString();

  // Into the chart from a hidden window, as the tray's projection panel does.
  c.closeCornerClicked();
  windows->main().openProjection();
  c.projectionDateField->setText("01/06/2024");
  c.showMe();
  c.drawPreparedChart();
  names.clear();
  shownNames(window, names);
  for (const QString &name : panelNames)
    EXPECT_FALSE(names.contains(name)) << name.toStdString();
  EXPECT_EQ(names.count("Critical Emotional Days"), 1);
  EXPECT_EQ(names.count("Biorhythm chart"), 1);
  // 11/05/2024 to 30/06/2024, the chart's last day, is day 50.
  const core::Levels day = core::levelsFor(50);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(c.chartArea)->text(QAccessible::Description),
            QStringLiteral("From 01/06/2024 to 30/06/2024. On 30/06/2024: Emotional %1 %, "
                           "Intellectual %2 %, Physical %3 %")
                .arg(day.emotional)
                .arg(day.intellectual)
                .arg(day.physical));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(c.worstPhysicalDaysLabel)
                ->text(QAccessible::Description),
            "Critical Physical Days");

  // Closed from chart mode and opened again on a panel: the chart is gone for readers too.
  c.closeCornerClicked();
  windows->main().openTodayPower();
  names.clear();
  shownNames(window, names);
  for (const QString &name : chartNames)
    EXPECT_FALSE(names.contains(name)) << name.toStdString();
  // The next chart on its way: the last one is described no more.
  windows->main().openProjection();
  c.showMe();
  EXPECT_EQ(QAccessible::queryAccessibleInterface(c.chartArea)->text(QAccessible::Description), "");
}

} // namespace
