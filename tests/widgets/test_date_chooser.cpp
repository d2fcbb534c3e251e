// The date chooser: its month and year fields stepping through the grid, the
// date it hands on, and what it keeps between openings.
#include "app/main_window.h"
#include "app_fixture.h"
#include "chart/content_window.h"
#include "core/biorhythm.h"
#include "dialogs/about_window.h"
#include "dialogs/date_chooser.h"
#include "event_order.h"
#include "platform/regional_settings.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace testing_support;

namespace {

class Chooser : public AppFixture {
protected:
  // Puts the chooser on a date the way a user would have got there.
  void putOn(core::Date date) {
    windows->chooser().monthGrid->setCalendarDate(date);
    windows->chooser().yearField->setValue(date.year);
    windows->chooser().monthField->setValue(date.month);
  }
  // A click on an arrow of a field: +1 up, -1 down; or only its press.
  void clickArrow(SpinField *field, int direction, bool release = true) {
    const QRect box = field->rect().adjusted(2, 2, -2, -2);
    const QPoint at(box.right() - 6, direction > 0 ? box.top() + 3 : box.bottom() - 3);
    ASSERT_EQ(field->arrowAt(at), direction);
    release ? QTest::mouseClick(field, Qt::LeftButton, {}, at)
            : QTest::mousePress(field, Qt::LeftButton, {}, at);
  }
  QStringList state() {
    return {QString::number(windows->chooser().monthGrid->day()) + "/" +
                QString::number(windows->chooser().monthGrid->month()) + "/" +
                QString::number(windows->chooser().monthGrid->year()),
            windows->chooser().monthField->text(), windows->chooser().yearField->text(),
            windows->chooser().dateCaptionLabel->text()};
  }
};

TEST_F(Chooser, OpensOnTodayWithItsCaptions) {
  EXPECT_EQ(windows->chooser().okButton->text(), "OK for 12/05/2024");
  EXPECT_EQ(state(), (QStringList{"12/5/2024", "5", "2024", "12 Mei 2024"}));
  EXPECT_EQ(windows->chooser().shownMonthName(), "Mei");
}

TEST_F(Chooser, MonthAndYearFieldsStepThroughTheGrid) {
  struct Case {
    const char *what;
    core::Date from;
    bool monthField;
    int direction;
    QStringList after; // grid d/m/y, month field, year field, label
    bool error;
  };
  const Case cases[] = {
      {"month 12 up",
       {2024, 12, 15},
       true,
       1,
       {"15/1/2025", "1", "2025", "15 Januari 2025"},
       false},
      {"month 1 down",
       {2024, 1, 15},
       true,
       -1,
       {"15/12/2023", "12", "2023", "15 December 2023"},
       false},
      {"month 3 up", {2024, 3, 15}, true, 1, {"15/4/2024", "4", "2024", "15 April 2024"}, false},
      {"year 1900 down", {1900, 6, 2}, false, -1, {"2/6/1900", "6", "1900", "2 Juni 1900"}, false},
      {"31 January to February",
       {2024, 1, 31},
       true,
       1,
       {"31/1/2024", "2", "2024", "31 Januari 2024"},
       true},
      {"29 February 2000 to 2001",
       {2000, 2, 29},
       false,
       1,
       {"29/2/2000", "2", "2001", "29 Februri 2000"},
       true},
      {"year 10000", {9999, 8, 1}, false, 1, {"1/8/9999", "8", "10000", "1 Augustus 9999"}, true},
  };
  for (const Case &c : cases) {
    env->errorReport.shown.clear();
    env->expectErrors = c.error;
    putOn(c.from);
    clickArrow(c.monthField ? windows->chooser().monthField : windows->chooser().yearField,
               c.direction);
    EXPECT_EQ(state(), c.after) << c.what;
    EXPECT_EQ(env->errorReport.shown,
              c.error ? QStringList{"Invalid argument to date encode."} : QStringList{})
        << c.what;
  }
}

// The box opens inside the arrow's press and takes its release: the arrow
// stays still behind it, on the refused number.
TEST_F(Chooser, AStepRefusedWithABoxIsOneStep) {
  struct : platform::ErrorReport {
    void show(const QString &) override {
      QMessageBox box;
      QTimer::singleShot(0, &box, &QDialog::accept);
      box.exec();
      ++count;
    }
    int count = 0;
  } boxes;
  env->environment().errorReport = &boxes;
  windows->chooser().show();
  putOn({2024, 5, 31});
  clickArrow(windows->chooser().monthField, -1, false);
  ASSERT_TRUE(test_support::runTimersDueWithin(800)); // past a few repeats
  EXPECT_EQ(boxes.count, 1);
  EXPECT_EQ(windows->chooser().monthField->text(), "4");
}

TEST_F(Chooser, SettingAFieldRunsItsHandlerAtOnceInsideTheOther) {
  putOn({2024, 12, 15});
  QStringList log;
  // The chooser's own receivers, each with a log around it.
  DateChooser &chooser = windows->chooser();
  QObject::disconnect(chooser.monthField, &SpinField::changed, nullptr, nullptr);
  QObject::disconnect(chooser.yearField, &SpinField::changed, nullptr, nullptr);
  QObject::disconnect(chooser.monthGrid, &MonthGrid::changed, nullptr, nullptr);
  QObject::connect(chooser.monthField, &SpinField::changed, [&] {
    log << "month " + chooser.monthField->text();
    chooser.monthFieldChanged();
    log << "month done";
  });
  QObject::connect(chooser.yearField, &SpinField::changed, [&] {
    log << "year " + chooser.yearField->text();
    chooser.yearFieldChanged();
  });
  QObject::connect(chooser.monthGrid, &MonthGrid::changed, [&] {
    log << "grid " + QString::number(chooser.monthGrid->month());
    chooser.gridChanged();
  });
  chooser.monthField->stepUp();
  EXPECT_EQ(log, (QStringList{"month 13", "year 2025", "grid 12", "month 1", "grid 1", "month done",
                              "month done"}));

  // A typed year takes effect at every keystroke, and 0 becomes 1900.
  log.clear();
  QLineEdit *year = windows->chooser().yearField->editor();
  year->selectAll();
  QTest::keyClicks(year, "1985");
  EXPECT_EQ(log, (QStringList{"year 1", "grid 1", "year 19", "grid 1", "year 198", "grid 1",
                              "year 1985", "grid 1"}));
  year->selectAll();
  QTest::keyClicks(year, "19");
  EXPECT_EQ(windows->chooser().dateCaptionLabel->text() + windows->chooser().okButton->text(),
            "15 Januari 19OK for 15/1/19");
  year->selectAll();
  QTest::keyClicks(year, "0");
  EXPECT_EQ(windows->chooser().yearField->text(), "1900");
  EXPECT_EQ(windows->chooser().monthGrid->year(), 1900);
}

TEST_F(Chooser, AClickInTheGridChangesOnlyTheDay) {
  putOn({2001, 3, 1});
  // 1 March 2001 is a Thursday: the 5th is the Monday of the second week.
  QTest::mouseClick(windows->chooser().monthGrid, Qt::LeftButton, {},
                    windows->chooser().monthGrid->cellRect(0, 2).center());
  EXPECT_EQ(windows->chooser().okButton->text(), "OK for 5/3/2001");
  EXPECT_EQ(state(), (QStringList{"5/3/2001", "3", "2001", "5 Mart 2001"}));
}

TEST_F(Chooser, OkFromTheSetupPanelFillsTheBirthDateAndPutsTheWindowsBackOnTop) {
  windows->main().openSetup();
  windows->about().show();
  QTest::mouseClick(windows->content().birthDateCalendarButton, Qt::LeftButton);
  ASSERT_TRUE(windows->chooser().isVisible());
  EXPECT_FALSE(windows->content().stayOnTop());
  EXPECT_FALSE(windows->about().stayOnTop());

  putOn({2001, 3, 1});
  QTest::mouseClick(windows->chooser().monthGrid, Qt::LeftButton, {},
                    windows->chooser().monthGrid->cellRect(0, 2).center());
  EXPECT_EQ(windows->chooser().okButton->text(), "OK for 5/3/2001");
  QSignalSpy showMe(windows->content().showMeButton, &QPushButton::clicked);
  QTest::mouseClick(windows->chooser().okButton, Qt::LeftButton);
  EXPECT_EQ(windows->content().birthDateField->text(), "05/03/2001");
  EXPECT_EQ(showMe.count(), 0) << "the setup's own OK confirms";
  EXPECT_FALSE(windows->chooser().isVisible());
  EXPECT_TRUE(windows->content().stayOnTop());
  EXPECT_TRUE(windows->about().stayOnTop());
  EXPECT_EQ(windows->content().visiblePanel(), windows->content().setupPanel);
}

TEST_F(Chooser, OkFromTheProjectionPanelFillsTheStartAndShowsTheChartBeforeClosing) {
  windows->main().openProjection();
  QTest::mouseClick(windows->content().projectionCalendarButton, Qt::LeftButton);
  putOn({2001, 11, 15});
  QStringList atShowMe;
  QObject::connect(windows->content().showMeButton, &QPushButton::clicked, &windows->content(),
                   [&] {
                     atShowMe << windows->content().projectionDateField->text()
                              << (windows->chooser().isVisible() ? "open" : "closed");
                   });
  const QString birth = windows->content().birthDateField->text();
  windows->chooser().acceptDate();
  EXPECT_EQ(atShowMe, (QStringList{"15/11/2001", "open"}));
  EXPECT_EQ(windows->content().birthDateField->text(), birth);
  EXPECT_FALSE(windows->chooser().isVisible());
  EXPECT_TRUE(windows->content().stayOnTop());
}

// What OK writes reads back as the day picked under every regional order, the
// field takes it as typed too, and the caption keeps one form from opening on.
TEST_F(Chooser, OkWritesTheDayPickedInTheRegionalOrder) {
  const struct {
    const char *locale, *opening, *picked, *written;
  } cases[] = {
      {"C", "12/05/2024", "7/12/1970", "07/12/1970"},
      {"en_GB.UTF-8", "12/05/2024", "7/12/1970", "07/12/1970"},
      {"de_DE.UTF-8", "12.05.24", "7.12.1970", "07.12.1970"},
      {"en_US.UTF-8", "5/12/24", "12/7/1970", "12/07/1970"},
      {"sv_SE.UTF-8", "2024-05-12", "1970-12-7", "1970-12-07"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.locale);
    env->environment().regional = platform::regionalSettingsFor(QString::fromLatin1(c.locale));
    recreateWindows();
    windows->main().openSetup();
    windows->content().firstNameField->setText("Anna");
    windows->content().openCalendarForBirthDate();
    EXPECT_EQ(windows->chooser().okButton->text(), QStringLiteral("OK for ") + c.opening);
    putOn({1970, 12, 1});
    // 1 December 1970 is a Tuesday: the 7th is the Monday of the second week.
    QTest::mouseClick(windows->chooser().monthGrid, Qt::LeftButton, {},
                      windows->chooser().monthGrid->cellRect(0, 2).center());
    EXPECT_EQ(windows->chooser().okButton->text(), QStringLiteral("OK for ") + c.picked);
    QTest::mouseClick(windows->chooser().okButton, Qt::LeftButton);
    EXPECT_EQ(windows->content().birthDateField->text(), c.written);
    EXPECT_FALSE(windows->content().birthDateField->isVerbatim());
    // The environment fails the test on any error the setup's OK reports.
    windows->content().saveSetup();
    EXPECT_EQ(windows->session().dayCount(), core::daysBetween({1970, 12, 7}, env->today));

    windows->main().openSetup();
    windows->content().birthDateField->setText({});
    QTest::keyClicks(windows->content().birthDateField,
                     QString::fromLatin1(c.written).remove(QRegularExpression("\\D")));
    EXPECT_EQ(windows->content().birthDateField->text(), c.written);
    windows->session().setLevels(0, {});
    windows->content().saveSetup();
    EXPECT_EQ(windows->session().dayCount(), core::daysBetween({1970, 12, 7}, env->today));
  }
}

// Escape closes the chooser as Cancel does, from wherever the focus is; Return
// presses the focused button.
TEST_F(Chooser, EscapeIsCancelAndReturnPressesTheFocusedButton) {
  windows->main().openSetup();
  windows->about().show();
  windows->content().birthDateField->setText("24/12/1970");
  auto open = [this] {
    windows->content().openCalendarForBirthDate();
    ASSERT_TRUE(windows->chooser().isVisible());
    ASSERT_FALSE(windows->content().stayOnTop());
  };
  auto expectClosed = [this](const char *how) {
    EXPECT_FALSE(windows->chooser().isVisible()) << how;
    EXPECT_TRUE(windows->content().stayOnTop()) << how;
    EXPECT_TRUE(windows->about().stayOnTop()) << how;
  };
  for (QWidget *focus : std::initializer_list<QWidget *>{windows->chooser().monthGrid,
                                                         windows->chooser().yearField->editor(),
                                                         windows->chooser().monthField->editor()}) {
    open();
    QTest::keyClick(focus, Qt::Key_Escape);
    expectClosed("Escape");
  }
  EXPECT_EQ(windows->content().birthDateField->text(), "24/12/1970");

  open();
  putOn({2001, 3, 5});
  QTest::keyClick(windows->chooser().cancelButton, Qt::Key_Return);
  expectClosed("Return on Cancel");
  EXPECT_EQ(windows->content().birthDateField->text(), "24/12/1970");
  open();
  QTest::keyClick(windows->chooser().okButton, Qt::Key_Return);
  expectClosed("Return on OK");
  EXPECT_EQ(windows->content().birthDateField->text(), "05/03/2001");
}

TEST_F(Chooser, CancelWritesNothingAndReopensOnTheDateLeftOnDisplay) {
  windows->main().openSetup();
  windows->content().birthDateField->setText("24/12/1970");
  windows->content().openCalendarForBirthDate();
  putOn({1999, 7, 4});
  // Centred the first time, then where the user left it.
  EXPECT_EQ(windows->chooser().geometry().center(),
            windows->chooser().screen()->geometry().center());
  windows->chooser().move(30, 40);
  QTest::mouseClick(windows->chooser().cancelButton, Qt::LeftButton);
  EXPECT_FALSE(windows->chooser().isVisible());
  EXPECT_TRUE(windows->content().stayOnTop());
  EXPECT_EQ(windows->content().birthDateField->text(), "24/12/1970");

  windows->content().openCalendarForBirthDate();
  ASSERT_TRUE(windows->chooser().isVisible());
  EXPECT_EQ(state(), (QStringList{"4/7/1999", "7", "1999", "4 July 1999"}));
  EXPECT_EQ(windows->chooser().pos(), QPoint(30, 40));
  EXPECT_EQ(windows->chooser().okButton->text(), "OK for 4/7/1999");
}

TEST_F(Chooser, IsDraggedByItsBackgroundAndLabelButNotByItsControls) {
  EXPECT_TRUE(windows->chooser().isSurfaceAt({5, 180}));
  EXPECT_TRUE(
      windows->chooser().isSurfaceAt(windows->chooser().dateCaptionLabel->geometry().center()));
  for (QWidget *control : std::initializer_list<QWidget *>{
           windows->chooser().monthGrid, windows->chooser().okButton,
           windows->chooser().cancelButton, windows->chooser().yearField,
           windows->chooser().monthField})
    EXPECT_FALSE(windows->chooser().isSurfaceAt(control->geometry().center()))
        << control->objectName().toStdString();
}

} // namespace
