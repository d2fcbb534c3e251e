// The content window by keyboard and for screen readers: Esc hides it, also from a field;
// Enter in either setup field presses OK; typed keys never reach a field of a hidden panel; gauges
// report their value, fields and corners their names, and the shadow copies of captions are not
// there for a reader.
#include "app/calvor.h"
#include "app_fixture.h"
#include "chart/calvorw.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QCoreApplication>
#include <QTest>

using namespace testing_support;

namespace {

class Access : public AppFixture {
protected:
  void load() {
    writeConfig("\r\nAnna\r\n11/05/2024\r\n0\r\n");
    Form1->Timer1Timer();
    QCoreApplication::processEvents();
  }
};

TEST_F(Access, EscHidesTheWindowFromItsSurfaceAndFromAField) {
  load();
  for (QWidget *target :
       {static_cast<QWidget *>(Form2.get()), static_cast<QWidget *>(Form2->Edit1)}) {
    Form1->SetupClick();
    ASSERT_TRUE(Form2->isVisible());
    QTest::keyClick(target, Qt::Key_Escape);
    EXPECT_FALSE(Form2->isVisible());
  }
}

TEST_F(Access, EnterInEitherSetupFieldPressesOk) {
  Form1->Timer1Timer(); // first run: the setup panel
  for (QWidget *field :
       {static_cast<QWidget *>(Form2->Edit1), static_cast<QWidget *>(Form2->MaskEdit1)}) {
    Form2->showOnlyPanel(Form2->setup);
    Form2->Edit1->setText("anna");
    Form2->MaskEdit1->setText("11/05/2024");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(Form2->visiblePanel(), Form2->power);
    EXPECT_EQ(readConfig(), "\r\nAnna\r\n11/05/2024\r\n0\r\n");
  }
}

TEST_F(Access, KeysAfterOkAndAfterAnyPanelSwitchReachNoHiddenField) {
  Form1->Timer1Timer(); // first run: the setup panel, the first name focused
  Form2->Edit1->setText("anna");
  Form2->MaskEdit1->setText("11/05/2024");
  QTest::keyClick(Form2->Edit1, Qt::Key_Return);
  const QByteArray saved = readConfig();
  // Keys go to the window's focus widget, or to the window itself.
  for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Z, Qt::Key_Return})
    QTest::keyClick(Form2->focusWidget() ? Form2->focusWidget() : Form2.get(), key);
  EXPECT_EQ(readConfig(), saved);
  EXPECT_EQ(Form2->Label9->text().left(11), "Hello Anna,");

  // Switched while shown or while hidden, a panel has the focus on one of its
  // own controls or nowhere.
  for (void (TForm1::*command)() : {&TForm1::card2Click, &TForm1::powerClick, &TForm1::WhatClick,
                                    &TForm1::SetupClick, &TForm1::card2Click}) {
    Form2->Panel2Click();
    (Form1->*command)();
    if (const QWidget *focused = Form2->focusWidget()) {
      EXPECT_TRUE(focused->isVisibleTo(Form2.get())) << focused->objectName().toStdString();
    }
  }
}

TEST_F(Access, ReadersGetNamesValuesAndEachCaptionOnce) {
  load();
  Form1->SetupClick();
  QAccessibleInterface *gauge = QAccessible::queryAccessibleInterface(Form2->NeatoMeter1);
  ASSERT_TRUE(gauge);
  EXPECT_EQ(gauge->role(), QAccessible::ProgressBar);
  EXPECT_EQ(gauge->text(QAccessible::Name), "Emotional power today");
  ASSERT_TRUE(gauge->valueInterface());
  EXPECT_EQ(gauge->valueInterface()->currentValue(), Form2->NeatoMeter1->Progress());
  EXPECT_EQ(gauge->text(QAccessible::Value),
            QStringLiteral("%1%").arg(Form2->NeatoMeter1->PercentDone()));

  QAccessibleInterface *corner = QAccessible::queryAccessibleInterface(Form2->Panel1);
  EXPECT_EQ(corner->role(), QAccessible::Button);
  EXPECT_EQ(corner->text(QAccessible::Name), "Hide the window");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Form2->MaskEdit1)->text(QAccessible::Name),
            "Birth date");

  QAccessibleInterface *shadow = QAccessible::queryAccessibleInterface(Form2->Label53);
  QAccessibleInterface *caption = QAccessible::queryAccessibleInterface(Form2->Label4);
  EXPECT_TRUE(shadow->state().invisible);
  EXPECT_TRUE(shadow->text(QAccessible::Name).isEmpty());
  EXPECT_FALSE(caption->state().invisible);
  EXPECT_EQ(caption->text(QAccessible::Name), "Note here your first name ");
}

} // namespace
