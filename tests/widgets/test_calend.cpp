// The date chooser: its month and year fields stepping through the grid, the
// date it hands on, and what it keeps between openings.
#include "app/calvor.h"
#include "app_fixture.h"
#include "chart/calvorw.h"
#include "core/biorhythm.h"
#include "dialogs/about.h"
#include "dialogs/calend.h"
#include "platform/regional_settings.h"

#include <QLineEdit>
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
    calend1->Calendar1->setCalendarDate(date);
    calend1->UpDown2->setValue(date.year);
    calend1->updown1->setValue(date.month);
  }
  // A click on an arrow of a field: +1 up, -1 down.
  void clickArrow(TSpinEdit *field, int direction) {
    const QRect box = field->rect().adjusted(2, 2, -2, -2);
    const QPoint at(box.right() - 6, direction > 0 ? box.top() + 3 : box.bottom() - 3);
    ASSERT_EQ(field->arrowAt(at), direction);
    QTest::mouseClick(field, Qt::LeftButton, {}, at);
  }
  QStringList state() {
    return {QString::number(calend1->Calendar1->Day()) + "/" +
                QString::number(calend1->Calendar1->Month()) + "/" +
                QString::number(calend1->Calendar1->Year()),
            calend1->updown1->text(), calend1->UpDown2->text(), calend1->Label2->text()};
  }
};

TEST_F(Chooser, OpensOnTodayWithItsCaptions) {
  EXPECT_EQ(calend1->label1->text(), "OK for 12/5/2024");
  EXPECT_EQ(state(), (QStringList{"12/5/2024", "5", "2024", "12 Mei 2024"}));
  EXPECT_EQ(ShownMonthName, "Mei");
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
    clickArrow(c.monthField ? calend1->updown1 : calend1->UpDown2, c.direction);
    EXPECT_EQ(state(), c.after) << c.what;
    EXPECT_EQ(env->errorReport.shown,
              c.error ? QStringList{"Invalid argument to date encode."} : QStringList{})
        << c.what;
  }
}

TEST_F(Chooser, SettingAFieldRunsItsHandlerAtOnceInsideTheOther) {
  putOn({2024, 12, 15});
  QStringList log;
  calend1->updown1->OnChange = [&](QObject *) {
    log << "month " + calend1->updown1->text();
    calend1->updown1Change();
    log << "month done";
  };
  calend1->UpDown2->OnChange = [&](QObject *) {
    log << "year " + calend1->UpDown2->text();
    calend1->UpDown2Change();
  };
  calend1->Calendar1->OnChange = [&](QObject *) {
    log << "grid " + QString::number(calend1->Calendar1->Month());
    calend1->Calendar1Change();
  };
  calend1->updown1->stepUp();
  EXPECT_EQ(log, (QStringList{"month 13", "year 2025", "grid 12", "month 1", "grid 1", "month done",
                              "month done"}));

  // A typed year takes effect at every keystroke, and 0 becomes 1900.
  log.clear();
  QLineEdit *year = calend1->UpDown2->editor();
  year->selectAll();
  QTest::keyClicks(year, "1985");
  EXPECT_EQ(log, (QStringList{"year 1", "grid 1", "year 19", "grid 1", "year 198", "grid 1",
                              "year 1985", "grid 1"}));
  year->selectAll();
  QTest::keyClicks(year, "0");
  EXPECT_EQ(calend1->UpDown2->text(), "1900");
  EXPECT_EQ(calend1->Calendar1->Year(), 1900);
}

TEST_F(Chooser, AClickInTheGridChangesOnlyTheDay) {
  putOn({2001, 3, 1});
  // 1 March 2001 is a Thursday: the 5th is the Monday of the second week.
  QTest::mouseClick(calend1->Calendar1, Qt::LeftButton, {},
                    calend1->Calendar1->cellRect(0, 2).center());
  EXPECT_EQ(calend1->label1->text(), "OK for 5/3/2001");
  EXPECT_EQ(state(), (QStringList{"5/3/2001", "3", "2001", "5 Mart 2001"}));
}

TEST_F(Chooser, OkFromTheSetupPanelFillsTheBirthDateAndPutsTheWindowsBackOnTop) {
  Form1->SetupClick();
  Form3->show();
  QTest::mouseClick(Form2->BitBtn10, Qt::LeftButton);
  EXPECT_FALSE(CalendarForProjection);
  ASSERT_TRUE(calend1->isVisible());
  EXPECT_FALSE(Form2->stayOnTop());
  EXPECT_FALSE(Form3->stayOnTop());

  putOn({2001, 3, 1});
  QTest::mouseClick(calend1->Calendar1, Qt::LeftButton, {},
                    calend1->Calendar1->cellRect(0, 2).center());
  EXPECT_EQ(calend1->label1->text(), "OK for 5/3/2001");
  QSignalSpy showMe(Form2->BitBtn8, &QPushButton::clicked);
  QTest::mouseClick(calend1->label1, Qt::LeftButton);
  EXPECT_EQ(Form2->MaskEdit1->text(), "05/03/2001");
  EXPECT_EQ(showMe.count(), 0) << "the setup's own OK confirms";
  EXPECT_FALSE(calend1->isVisible());
  EXPECT_TRUE(Form2->stayOnTop());
  EXPECT_TRUE(Form3->stayOnTop());
  EXPECT_EQ(Form2->visiblePanel(), Form2->setup);
}

TEST_F(Chooser, OkFromTheProjectionPanelFillsTheStartAndShowsTheChartBeforeClosing) {
  Form1->card2Click();
  QTest::mouseClick(Form2->BitBtn9, Qt::LeftButton);
  EXPECT_TRUE(CalendarForProjection);
  putOn({2001, 11, 15});
  QStringList atShowMe;
  QObject::connect(Form2->BitBtn8, &QPushButton::clicked, Form2.get(), [&] {
    atShowMe << Form2->MaskEdit2->text() << (calend1->isVisible() ? "open" : "closed");
  });
  const QString birth = Form2->MaskEdit1->text();
  calend1->label1Click();
  EXPECT_EQ(atShowMe, (QStringList{"15/11/2001", "open"}));
  EXPECT_EQ(Form2->MaskEdit1->text(), birth);
  EXPECT_FALSE(calend1->isVisible());
  EXPECT_TRUE(Form2->stayOnTop());
}

// What OK writes reads back as the day picked under every regional order, the
// field takes it as typed too, and the caption keeps one form from opening on.
TEST_F(Chooser, OkWritesTheDayPickedInTheRegionalOrder) {
  const struct {
    const char *locale, *opening, *picked, *written;
  } cases[] = {
      {"C", "12/5/2024", "7/12/1970", "07/12/1970"},
      {"en_GB.UTF-8", "12/5/2024", "7/12/1970", "07/12/1970"},
      {"de_DE.UTF-8", "12.5.2024", "7.12.1970", "07.12.1970"},
      {"en_US.UTF-8", "5/12/2024", "12/7/1970", "12/07/1970"},
      {"sv_SE.UTF-8", "2024-5-12", "1970-12-7", "1970-12-07"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.locale);
    env->environment().regional = platform::regionalSettingsFor(QString::fromLatin1(c.locale));
    DestroyForms();
    CreateForms();
    Form1->Timer1->stop();
    Form1->Timer5->stop();
    Form1->SetupClick();
    Form2->Edit1->setText("Anna");
    Form2->BitBtn10Click();
    EXPECT_EQ(calend1->label1->text(), QStringLiteral("OK for ") + c.opening);
    putOn({1970, 12, 1});
    // 1 December 1970 is a Tuesday: the 7th is the Monday of the second week.
    QTest::mouseClick(calend1->Calendar1, Qt::LeftButton, {},
                      calend1->Calendar1->cellRect(0, 2).center());
    EXPECT_EQ(calend1->label1->text(), QStringLiteral("OK for ") + c.picked);
    QTest::mouseClick(calend1->label1, Qt::LeftButton);
    EXPECT_EQ(Form2->MaskEdit1->text(), c.written);
    EXPECT_FALSE(Form2->MaskEdit1->isVerbatim());
    // The environment fails the test on any error the setup's OK reports.
    Form2->BitBtn1Click();
    EXPECT_EQ(core::DayCount, core::daysBetween({1970, 12, 7}, env->today));

    Form1->SetupClick();
    Form2->MaskEdit1->setText({});
    QTest::keyClicks(Form2->MaskEdit1,
                     QString::fromLatin1(c.written).remove(QRegularExpression("\\D")));
    EXPECT_EQ(Form2->MaskEdit1->text(), c.written);
    core::DayCount = 0;
    Form2->BitBtn1Click();
    EXPECT_EQ(core::DayCount, core::daysBetween({1970, 12, 7}, env->today));
  }
}

// Escape closes the chooser as Cancel does, from wherever the focus is; Return
// presses the focused button.
TEST_F(Chooser, EscapeIsCancelAndReturnPressesTheFocusedButton) {
  Form1->SetupClick();
  Form3->show();
  Form2->MaskEdit1->setText("24/12/1970");
  auto open = [] {
    Form2->BitBtn10Click();
    ASSERT_TRUE(calend1->isVisible());
    ASSERT_FALSE(Form2->stayOnTop());
  };
  auto expectClosed = [](const char *how) {
    EXPECT_FALSE(calend1->isVisible()) << how;
    EXPECT_TRUE(Form2->stayOnTop()) << how;
    EXPECT_TRUE(Form3->stayOnTop()) << how;
  };
  for (QWidget *focus : std::initializer_list<QWidget *>{
           calend1->Calendar1, calend1->UpDown2->editor(), calend1->updown1->editor()}) {
    open();
    QTest::keyClick(focus, Qt::Key_Escape);
    expectClosed("Escape");
  }
  EXPECT_EQ(Form2->MaskEdit1->text(), "24/12/1970");

  open();
  putOn({2001, 3, 5});
  QTest::keyClick(calend1->Button1, Qt::Key_Return);
  expectClosed("Return on Cancel");
  EXPECT_EQ(Form2->MaskEdit1->text(), "24/12/1970");
  open();
  QTest::keyClick(calend1->label1, Qt::Key_Return);
  expectClosed("Return on OK");
  EXPECT_EQ(Form2->MaskEdit1->text(), "05/03/2001");
}

TEST_F(Chooser, CancelWritesNothingAndReopensOnTheDateLeftOnDisplay) {
  Form1->SetupClick();
  Form2->MaskEdit1->setText("24/12/1970");
  Form2->BitBtn10Click();
  putOn({1999, 7, 4});
  // Centred the first time, then where the user left it.
  EXPECT_EQ(calend1->geometry().center(), calend1->screen()->geometry().center());
  calend1->move(30, 40);
  QTest::mouseClick(calend1->Button1, Qt::LeftButton);
  EXPECT_FALSE(calend1->isVisible());
  EXPECT_TRUE(Form2->stayOnTop());
  EXPECT_EQ(Form2->MaskEdit1->text(), "24/12/1970");

  Form2->BitBtn10Click();
  ASSERT_TRUE(calend1->isVisible());
  EXPECT_EQ(state(), (QStringList{"4/7/1999", "7", "1999", "4 July 1999"}));
  EXPECT_EQ(calend1->pos(), QPoint(30, 40));
  EXPECT_EQ(calend1->label1->text(), "OK for 4/7/1999");
}

TEST_F(Chooser, IsDraggedByItsBackgroundAndLabelButNotByItsControls) {
  EXPECT_TRUE(calend1->isSurfaceAt({5, 180}));
  EXPECT_TRUE(calend1->isSurfaceAt(calend1->Label2->geometry().center()));
  for (QWidget *control :
       std::initializer_list<QWidget *>{calend1->Calendar1, calend1->label1, calend1->Button1,
                                        calend1->UpDown2, calend1->updown1})
    EXPECT_FALSE(calend1->isSurfaceAt(control->geometry().center()))
        << control->objectName().toStdString();
}

} // namespace
