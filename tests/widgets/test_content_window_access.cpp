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
    EXPECT_EQ(readConfig(), "2024-05-11\r\nAnna\r\n11/05/2024\r\n0\r\n");
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
  EXPECT_EQ(caption->text(QAccessible::Name), "Note here your first name");
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

TEST_F(Access, TheChartIsDescribedByItsLevelsWhileShownOnly) {
  load();
  ContentWindow &c = windows->content();
  windows->main().openProjection();
  c.projectionDateField->setText("01/06/2024");
  c.showMe();
  c.drawPreparedChart();
  QAccessibleInterface *chart = QAccessible::queryAccessibleInterface(c.chartArea);
  EXPECT_EQ(chart->role(), QAccessible::Chart);
  const core::Levels day = core::levelsFor(50); // 11/05/2024 to 30/06/2024, the last day
  EXPECT_EQ(chart->text(QAccessible::Description),
            QStringLiteral("From 01/06/2024 to 30/06/2024. On 30/06/2024: Emotional %1 %, "
                           "Intellectual %2 %, Physical %3 %")
                .arg(day.emotional)
                .arg(day.intellectual)
                .arg(day.physical));

  // Closed from chart mode, then a panel: nothing of the chart is told of.
  c.closeCornerClicked();
  windows->main().openTodayPower();
  for (QWidget *w : std::initializer_list<QWidget *>{c.chartArea, c.chartButtonRow,
                                                     c.bestEmotionalDaysLabel, c.scale10Label})
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(w)->state().invisible)
        << w->objectName().toStdString();
  // The next chart on its way: the last one is described no more.
  windows->main().openProjection();
  c.showMe();
  EXPECT_EQ(chart->text(QAccessible::Description), "");
}

} // namespace
