// The masked date field "!99/99/0000;1;_": its text, typing, leaving it with
// a year digit missing, and Escape.
#include "controls/date_field.h"
#include "event_order.h"
#include "test_environment.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

TEST(DateMask, TextsLaidOutFromTheEnd) {
  const struct {
    const char *given, *shown, *text;
    bool complete;
  } cases[] = {
      {"12/05/1970", "12/05/1970", "12/05/1970", true},
      {"01/01/0001", "01/01/0001", "01/01/0001", true},
      {" 1/ 5/1970", "_1/_5/1970", " 1/ 5/1970", true},
      {"1/ 5/1970", "_1/_5/1970", " 1/ 5/1970", true}, // after trimming
      {"1/5/1970", "_1/_5/1970", " 1/ 5/1970", true},
      {"", "__/__/____", "  /  /    ", false},
      {"12/05/19", "12/05/__19", "12/05/  19", false},
      {"ab/cd/efgh", "__/__/____", "  /  /    ", false},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.given);
    DateMask mask;
    mask.setText(c.given);
    EXPECT_EQ(mask.editText(), c.shown);
    EXPECT_EQ(mask.text(), c.text);
    EXPECT_EQ(mask.isComplete(), c.complete);
  }
}

TEST(DateMask, EmptyDayAndMonthPlacesGatherAtTheFrontEmptyYearPlacesStay) {
  DateMask mask;
  mask.setEditText("1_/5_/1970");
  EXPECT_EQ(mask.text(), " 1/ 5/1970");
  mask.setEditText("12/05/19_0");
  EXPECT_EQ(mask.text(), "12/05/19 0");
  EXPECT_EQ(mask.firstMissing(), 8);
}

TEST(DateMask, RegionalSeparator) {
  DateMask mask(u'.');
  mask.setText("12.05.1970");
  EXPECT_EQ(mask.editText(), "12.05.1970");
  EXPECT_EQ(mask.text(), "12.05.1970");
}

TEST(DateMask, YearFirstLeadsWithTheRequiredYear) {
  DateMask mask(u'-', true);
  mask.setText("1970-5-7");
  EXPECT_EQ(mask.editText(), "1970-_5-_7");
  EXPECT_EQ(mask.text(), "1970- 5- 7");
  EXPECT_TRUE(mask.isComplete());
  mask.clear();
  int cursor = 0;
  for (QChar c : QStringLiteral("19701207"))
    cursor = mask.type(cursor, c);
  EXPECT_EQ(mask.text(), "1970-12-07");
  mask.clearRange(2, 3);
  EXPECT_EQ(mask.firstMissing(), 2);
}

namespace {

struct Field : ::testing::Test {
  testing_support::TestEnvironment env;
  QWidget window;
  DateField *edit = new DateField(&window);
  QLineEdit *other = new QLineEdit(&window);
  // What the application's error report showed.
  QStringList &messages = env.errorReport.shown;

  Field() {
    env.expectErrors = true;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    layout->addWidget(other);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
  }
  void leave() {
    other->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([this] { return other->hasFocus(); }, 5000));
    ASSERT_TRUE(test_support::runQueued());
  }
};

} // namespace

TEST_F(Field, TypingFillsThePlacesAndStepsOverSeparators) {
  edit->setCursorPosition(0);
  QTest::keyClicks(edit, "12051970");
  EXPECT_EQ(edit->editText(), "12/05/1970");
  EXPECT_EQ(edit->text(), "12/05/1970");
  EXPECT_TRUE(edit->modified());

  edit->setCursorPosition(3);
  QTest::keyClicks(edit, "07");
  EXPECT_EQ(edit->text(), "12/07/1970") << "typing overwrites";
  EXPECT_EQ(edit->cursorPosition(), 6);

  QTest::keyClicks(edit, "x-");
  EXPECT_EQ(edit->text(), "12/07/1970") << "only digits";

  edit->setCursorPosition(2);
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->editText(), "1_/07/1970") << "Backspace empties, nothing shifts";
  EXPECT_EQ(edit->text(), " 1/07/1970");
  EXPECT_EQ(edit->cursorPosition(), 1);

  edit->setCursorPosition(10);
  QTest::keyClick(edit, Qt::Key_5);
  EXPECT_EQ(edit->editText(), "1_/07/1970") << "nothing past the end";
}

TEST_F(Field, SelectionIsReplacedByTyping) {
  edit->setText("12/05/1970");
  edit->setSelection(0, 5);
  QTest::keyClicks(edit, "3");
  EXPECT_EQ(edit->editText(), "3_/__/1970");
  EXPECT_EQ(edit->text(), " 3/  /1970");
  EXPECT_TRUE(edit->isComplete());
}

TEST_F(Field, ChangesPastTheKeyboardKeepTheMask) {
  edit->setText("12/05/1970");
  static_cast<QLineEdit *>(edit)->clear();
  EXPECT_EQ(edit->editText(), "__/__/____");
  EXPECT_EQ(edit->text(), "  /  /    ");
  static_cast<QLineEdit *>(edit)->insert("2");
  EXPECT_EQ(edit->editText().size(), DateMask::kLength);
  EXPECT_EQ(edit->editText().mid(2, 1), "/");
}

TEST_F(Field, LeavingWithAYearDigitMissingReportsAndKeepsTheFocus) {
  edit->setCursorPosition(0);
  QTest::keyClicks(edit, "120519");
  leave();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0], "Invalid input value.  Use escape key to abandon changes.");
  EXPECT_TRUE(edit->hasFocus());
  EXPECT_EQ(edit->cursorPosition(), 8);

  // Completing the year lets the focus go.
  QTest::keyClicks(edit, "70");
  leave();
  EXPECT_EQ(messages.size(), 1);
  EXPECT_TRUE(other->hasFocus());
}

TEST_F(Field, UnchangedOrCompleteFieldLeavesQuietly) {
  edit->setText("12/05/19"); // incomplete, but not typed
  leave();
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_TRUE(other->hasFocus());
  edit->setFocus();
  edit->setCursorPosition(0);
  QTest::keyClicks(edit, "1");
  edit->setText("01/01/0001");
  leave();
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Field, EscapeAbandonsTheChangesSinceTheFocusCame) {
  edit->setText("12/05/1970");
  edit->setCursorPosition(6);
  QTest::keyClicks(edit, "2");
  QTest::keyClick(edit, Qt::Key_Right);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->text(), "12/05/  70");
  leave();
  ASSERT_EQ(messages.size(), 1);
  ASSERT_TRUE(edit->hasFocus());
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(edit->text(), "12/05/1970");
  EXPECT_FALSE(edit->modified());
  leave();
  EXPECT_EQ(messages.size(), 1);
  EXPECT_TRUE(other->hasFocus());
}

TEST_F(Field, LeavingOrReturnWithACompleteDateEndsTheEditSoEscapeLaterKeepsIt) {
  edit->setText("12/05/1970");
  edit->setCursorPosition(0);
  QTest::keyClicks(edit, "01062001");
  leave();
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(edit->text(), "01/06/2001");
  // Return ends it as well, the field keeping the focus.
  edit->setCursorPosition(0);
  QTest::keyClicks(edit, "02");
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(edit->text(), "02/06/2001");
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Field, TextsTheMaskCannotHoldAreKeptAsTheyCame) {
  const struct {
    const char *given, *text;
    bool verbatim;
  } cases[] = {
      {"12/05/1970", "12/05/1970", false},
      {" 1/ 5/1970", " 1/ 5/1970", false},
      {"1/ 5/1970", " 1/ 5/1970", false}, // blanks around a date carry nothing
      {"5.5.1970", "5.5.1970", true},
      {"12-05-1970x", "12-05-1970x", true},
      {"5/5/1970", "5/5/1970", true},
      {"12/05/19", "12/05/19", true},
      {"", "", true},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.given);
    edit->setText(c.given);
    EXPECT_EQ(edit->text(), c.text);
    EXPECT_EQ(edit->isVerbatim(), c.verbatim);
    if (c.verbatim) {
      EXPECT_EQ(edit->editText(), c.given) << "shown as it is";
    }
  }
}

TEST_F(Field, TheFirstEditOfAVerbatimTextStartsFromAnEmptyFieldAndEscapeBringsItBack) {
  edit->setText("12-05-1970x");
  edit->setFocus();
  edit->setCursorPosition(11);
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->editText(), "__/__/____");
  QTest::keyClicks(edit, "12051970");
  EXPECT_EQ(edit->text(), "12/05/1970");
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(edit->text(), "12-05-1970x");
  EXPECT_TRUE(edit->isVerbatim());

  edit->setCursorPosition(4);
  QTest::keyClicks(edit, "3");
  EXPECT_EQ(edit->editText(), "3_/__/____");
  leave();
  EXPECT_EQ(messages.size(), 1) << "an edited field follows the mask again";
}

TEST_F(Field, FollowsTheRegionalSeparator) {
  edit->setDateSeparator(u'.');
  edit->setText("01.01.0001");
  EXPECT_FALSE(edit->isVerbatim());
  edit->setText("01/01/0001");
  EXPECT_TRUE(edit->isVerbatim()) << "another separator is not reshaped";
  edit->setText("");
  edit->setCursorPosition(0);
  QTest::keyClicks(edit, "12051970");
  EXPECT_EQ(edit->text(), "12.05.1970");
}
