// The content window in panel mode: its frame and panels, the tray commands
// that open it, the setup's OK, moving it and what it shows.
#include "app/calvor.h"
#include "app_fixture.h"
#include "chart/calvorw.h"
#include "core/biorhythm.h"
#include "core/errors.h"
#include "dialogs/about.h"
#include "dialogs/calend.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

using namespace testing_support;

namespace {

class ContentWindow : public AppFixture {
protected:
  void load(const QByteArray &file = "\r\nAnna\r\n11/05/2024\r\n0\r\n") {
    writeConfig(file);
    Form1->Timer1Timer();
    QCoreApplication::processEvents();
  }
  QPoint centredOrigin() const {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return {screen.x() + (screen.width() - Form2->width()) / 2,
            screen.y() + (screen.height() - Form2->height()) / 2};
  }
  void expectPanelMode() {
    EXPECT_EQ(Form2->size(), QSize(385, 248));
    EXPECT_EQ(Form2->Panel2->pos(), QPoint(0, 0));
    EXPECT_EQ(Form2->Panel4->pos(), QPoint(365, 0));
    EXPECT_EQ(Form2->Panel32->pos(), QPoint(0, 228));
    EXPECT_EQ(Form2->Panel1->pos(), QPoint(365, 228));
  }
  QColor pixel(const QImage &image, int x, int y) { return image.pixelColor(x, y); }
};

TEST_F(ContentWindow, IsCreatedHiddenWithItsFrameCornersAndPanelsInPlace) {
  EXPECT_FALSE(Form2->isVisible());
  expectPanelMode();
  for (TPanel *p : {Form2->power, Form2->setup, Form2->what, Form2->help, Form2->details})
    EXPECT_EQ(p->geometry(), QRect(10, 10, 365, 228)) << p->objectName().toStdString();
  EXPECT_EQ(Form2->Image7->geometry(), QRect(0, 0, 385, 10));
  EXPECT_EQ(Form2->Image8->geometry(), QRect(0, 238, 385, 10));
  EXPECT_EQ(Form2->Image9->geometry(), QRect(375, 10, 10, 228));
  EXPECT_EQ(Form2->Image10->geometry(), QRect(0, 10, 10, 228));
  EXPECT_TRUE(Form2->stayOnTop());
  EXPECT_EQ(Form2->Memo2->Lines().size(), 105);
  EXPECT_EQ(Form2->Memo2->Lines().first(), "Biorhythm means rhythm of life.");
  EXPECT_TRUE(Form2->Memo2->Lines().last().isEmpty());
  EXPECT_TRUE(Form2->Memo2->isReadOnly());
}

TEST_F(ContentWindow, TheCriticalDaysOfTheExplanationAreTheCrossingsAlone) {
  // The icons mark the low and high bands, not the crossings: the section
  // that defines critical days must not tie them to the icons.
  const QStringList lines = Form2->Memo2->Lines();
  const qsizetype start = lines.indexOf("Critical Days.");
  ASSERT_GE(start, 0);
  EXPECT_EQ(lines.value(start + 1), "Critical days are those during which a cycle");
  EXPECT_EQ(lines.value(start + 2), "crosses from plus to minus (or minus to plus).");
  for (qsizetype i = start; i < lines.size() && !lines[i].isEmpty(); ++i)
    EXPECT_FALSE(lines[i].contains("icon", Qt::CaseInsensitive)) << lines[i].toStdString();
}

TEST_F(ContentWindow, TheCornerRuleFollowsEverySizeChange) {
  Form2->setOuterSize(634, 440);
  EXPECT_EQ(Form2->Panel4->pos(), QPoint(614, 0));
  EXPECT_EQ(Form2->Panel32->pos(), QPoint(0, 420));
  EXPECT_EQ(Form2->Panel1->pos(), QPoint(614, 420));
  EXPECT_EQ(Form2->Image8->geometry(), QRect(0, 430, 634, 10));
  EXPECT_EQ(Form2->Image9->geometry(), QRect(624, 10, 10, 420));
}

TEST_F(ContentWindow, EachMenuCommandOpensItsPanelCentredAndArmsTheRefresh) {
  load();
  const struct {
    void (TForm1::*command)();
    TPanel *TForm2::*panel;
    const char *name;
  } cases[] = {{&TForm1::powerClick, &TForm2::power, "power"},
               {&TForm1::card2Click, &TForm2::details, "details"},
               {&TForm1::SetupClick, &TForm2::setup, "setup"},
               {&TForm1::WhatClick, &TForm2::what, "what"},
               {&TForm1::helpClick, &TForm2::help, "help"}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    Form1->Timer3->stop();
    Form3->show();
    Form2->move(5, 5); // dragged aside: the command brings it back
    (Form1->*c.command)();
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->visiblePanel(), Form2.get()->*c.panel);
    expectPanelMode();
    EXPECT_EQ(Form2->pos(), centredOrigin());
    EXPECT_TRUE(Form1->Timer3->isActive());
    EXPECT_FALSE(Form3->isVisible());
  }
}

TEST_F(ContentWindow, ACommandFromChartSizeGoesBackToPanelSize) {
  load();
  Form2->setOuterSize(634, 440);
  Form1->powerClick();
  expectPanelMode();
}

TEST_F(ContentWindow, AClickOnAnIconOpensPowerOnlyWhenTheWindowIsHidden) {
  load();
  Form3->show();
  Form1->TrayIcon21Click(Form1->TrayIcon21);
  EXPECT_TRUE(Form2->isVisible());
  EXPECT_EQ(Form2->visiblePanel(), Form2->power);
  EXPECT_TRUE(Form3->isVisible()); // a click leaves the About window alone

  Form1->SetupClick();
  Form2->move(7, 9);
  Form1->TrayIcon21Click(Form1->TrayIcon22);
  EXPECT_EQ(Form2->visiblePanel(), Form2->setup);
  EXPECT_EQ(Form2->pos(), QPoint(7, 9));
}

TEST_F(ContentWindow, TheTrayMouseReachesTheCommandsThroughTheIcons) {
  load();
  ASSERT_TRUE(env->notifyArea.mouse(Form1->TrayIcon23, platform::TrayMouse::LeftUp));
  QCoreApplication::processEvents();
  EXPECT_EQ(Form2->visiblePanel(), Form2->power);
  ASSERT_TRUE(env->notifyArea.mouse(Form1->TrayIcon22, platform::TrayMouse::LeftDoubleClick));
  QCoreApplication::processEvents();
  EXPECT_EQ(Form2->visiblePanel(), Form2->help);
}

TEST_F(ContentWindow, ADoubleClickShowsTheGuideAndTheSteadyIconsWithoutStoppingTheBlinking) {
  load("\r\nAnna\r\n05/05/2024\r\n0\r\n"); // every cycle blinks
  Form1->Timer2Timer();
  ASSERT_EQ(pictureNameOf(env->notifyArea.shown(Form1->TrayIcon21)->icon), "happy");
  Form3->show();
  Form1->TrayIcon21DblClick(Form1->TrayIcon21);
  EXPECT_EQ(Form2->visiblePanel(), Form2->help);
  EXPECT_FALSE(Form3->isVisible());
  EXPECT_EQ(pictureNameOf(env->notifyArea.shown(Form1->TrayIcon21)->icon), "emotio10");
  EXPECT_EQ(pictureNameOf(env->notifyArea.shown(Form1->TrayIcon23)->icon), "physiq10");
  EXPECT_TRUE(Form1->Timer2->isActive());
  EXPECT_TRUE(Form1->Timer3->isActive());
}

TEST_F(ContentWindow, HidingAllWindowsIsFollowedByTheTrayRefresh) {
  load();
  Form1->powerClick();
  calend1->show();
  Form3->show();
  Form2->MaskEdit1->setText("21/04/2024");
  Form1->hidewClick();
  EXPECT_FALSE(Form2->isVisible());
  EXPECT_FALSE(Form3->isVisible());
  EXPECT_FALSE(calend1->isVisible());
  Form1->Timer3Timer();
  EXPECT_EQ(pictureNameOf(env->notifyArea.shown(Form1->TrayIcon21)->icon), "emotio0");
}

TEST_F(ContentWindow, AnyCornerPanelHidesTheWindowAndNothingElse) {
  load();
  for (TPanel *corner : {Form2->Panel2, Form2->Panel4, Form2->Panel32, Form2->Panel1}) {
    SCOPED_TRACE(corner->objectName().toStdString());
    Form1->WhatClick();
    QTest::mouseClick(corner, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_EQ(Form2->visiblePanel(), Form2->what);
    EXPECT_EQ(corner->Caption(), "X");
  }
}

class SetupOk : public ContentWindow {
protected:
  void SetUp() override {
    ContentWindow::SetUp();
    Form1->Timer1Timer(); // first run: setup panel
    Form2->move(40, 30);
  }
  void pressOk(const QString &name, const QString &birth) {
    Form2->Edit1->setText(name);
    Form2->MaskEdit1->setText(birth);
    Form2->BitBtn1Click();
  }
};

TEST_F(SetupOk, FixesTheNameSavesComputesAndShowsThePower) {
  pressOk("anna", "11/05/2024");
  EXPECT_EQ(Form2->Edit1->text(), "Anna");
  EXPECT_EQ(FirstNameCopy, "Anna");
  EXPECT_EQ(readConfig(), "\r\nAnna\r\n11/05/2024\r\n0\r\n");
  EXPECT_EQ(core::DayCount, 1);
  EXPECT_EQ(Form2->NeatoMeter1->Progress(), 61);
  EXPECT_EQ(Form2->NeatoMeter2->Progress(), 59);
  EXPECT_EQ(Form2->NeatoMeter3->Progress(), 63);
  EXPECT_EQ(Form2->Label9->text(), "Hello Anna, this is for today, 12/05/2024.");
  EXPECT_EQ(Form2->visiblePanel(), Form2->power);
  EXPECT_EQ(Form2->pos(), QPoint(40, 30));
  // The tray follows only when the window closes.
  EXPECT_EQ(pictureNameOf(env->notifyArea.shown(Form1->TrayIcon21)->icon), "tray21");
}

TEST_F(SetupOk, NameRules) {
  const struct {
    QString typed, kept;
  } cases[] = {
      {"anna", "Anna"}, {"ANNA", "ANNA"},
      {"zoé", "Zoé"},   {"élodie", "élodie"},
      {"2pac", "2pac"}, {"abcdefghijklmnopqrst", "Abcdefghijklmno"},
      {"", ""},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    pressOk(c.typed, "11/05/2024");
    EXPECT_EQ(Form2->Edit1->text(), c.kept);
    EXPECT_EQ(FirstNameCopy, c.kept);
    EXPECT_EQ(readConfig(), "\r\n" + c.kept.toUtf8() + "\r\n11/05/2024\r\n0\r\n");
  }
  EXPECT_EQ(Form2->Label9->text(), "Hello , this is for today, 12/05/2024.");
}

TEST_F(SetupOk, WritesBlinkingOffAsOne) {
  Form1->blinkClick(); // checked → unchecked
  pressOk("Anna", "11/05/2024");
  EXPECT_EQ(readConfig(), "\r\nAnna\r\n11/05/2024\r\n1\r\n");
}

TEST_F(SetupOk, ABirthDateThatDoesNotConvertWritesNothing) {
  pressOk("bob", "11/05/2024");
  const QByteArray saved = readConfig();
  Form1->SetupClick();
  Form2->Edit1->setText("carl");
  Form2->MaskEdit1->setText("31/02/1990");
  try {
    Form2->BitBtn1Click();
    FAIL() << "no error";
  } catch (const core::EConvertError &error) {
    EXPECT_STREQ(error.what(), "'31/02/1990' is not a valid date");
  }
  EXPECT_EQ(readConfig(), saved);
  EXPECT_EQ(Form2->Edit1->text(), "Carl");
  EXPECT_EQ(Form2->visiblePanel(), Form2->setup);
  EXPECT_EQ(core::DayCount, 1);
}

TEST_F(SetupOk, AMissingFolderFailsWithItsMessageAndKeepsTheSetupOpen) {
  env->environment().configPath = dir.filePath("gone/Calvoro.ini").toStdString();
  try {
    pressOk("anna", "11/05/2024");
    FAIL() << "no error";
  } catch (const core::EInOutError &error) {
    EXPECT_STREQ(error.what(), "Invalid filename");
  }
  EXPECT_EQ(Form2->Edit1->text(), "Anna");
  EXPECT_EQ(Form2->visiblePanel(), Form2->setup);
}

TEST_F(SetupOk, TheButtonItselfRunsTheSetup) {
  Form2->Edit1->setText("dora");
  Form2->MaskEdit1->setText("11/05/2024");
  QTest::mouseClick(Form2->bitbtn1, Qt::LeftButton);
  EXPECT_EQ(Form2->visiblePanel(), Form2->power);
  EXPECT_EQ(Form2->bitbtn1->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(Form2->BitBtn10->focusPolicy(), Qt::NoFocus);
}

TEST_F(ContentWindow, DraggingTheFrameMovesTheWindowAndDraggingAPanelDoesNot) {
  load();
  Form1->powerClick();
  const QPoint start = Form2->pos();
  // A press on the top frame strip, then a move of (30, 20).
  QTest::mousePress(Form2.get(), Qt::LeftButton, {}, QPoint(100, 5));
  QMouseEvent move(QEvent::MouseMove, QPointF(130, 25), Form2->mapToGlobal(QPointF(130, 25)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(Form2.get(), &move);
  QTest::mouseRelease(Form2.get(), Qt::LeftButton, {}, QPoint(130, 25));
  EXPECT_EQ(Form2->pos(), start + QPoint(30, 20));

  const QPoint moved = Form2->pos();
  QTest::mousePress(Form2->power, Qt::LeftButton, {}, QPoint(150, 100));
  QMouseEvent move2(QEvent::MouseMove, QPointF(180, 130),
                    Form2->power->mapToGlobal(QPointF(180, 130)), Qt::NoButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(Form2->power, &move2);
  QTest::mouseRelease(Form2->power, Qt::LeftButton, {}, QPoint(180, 130));
  EXPECT_EQ(Form2->pos(), moved);
}

TEST_F(ContentWindow, PixelsOfThePowerPanel) {
  load(); // 61, 59, 63
  Form2->showOnlyPanel(Form2->power);
  const QImage image = Form2->grab().toImage();
  // Gauges: filled from the bottom in their colours, pale yellow above.
  const struct {
    int x;
    QColor fill;
    int level;
  } gauges[] = {{10 + 34, QColor(255, 0, 0), 61},
                {10 + 143, QColor(255, 255, 0), 59},
                {10 + 252, QColor(0, 255, 0), 63}};
  for (const auto &g : gauges) {
    SCOPED_TRACE(g.level);
    const int top = 10 + 54, bottom = top + 155;
    EXPECT_EQ(pixel(image, g.x + 5, bottom - 4), g.fill);
    EXPECT_EQ(pixel(image, g.x + 5, top + 4), QColor(255, 255, 221));
    // The fill line sits where the level says, within the border's pixel.
    const int fillTop = bottom - 1 - (153 * g.level) / 100;
    EXPECT_EQ(pixel(image, g.x + 5, fillTop + 2), g.fill);
    EXPECT_EQ(pixel(image, g.x + 5, fillTop - 3), QColor(255, 255, 221));
  }
  // Greeting bar black behind its white text; corner panels silver; frame dark green.
  EXPECT_EQ(pixel(image, 10 + 3, 10 + 10), QColor(0, 0, 0));
  long red = 0, green = 0, blue = 0;
  for (int y = 20; y < 228; ++y)
    for (int x = 0; x < 10; ++x) {
      red += pixel(image, x, y).red();
      green += pixel(image, x, y).green();
      blue += pixel(image, x, y).blue();
    }
  EXPECT_GT(green, 2 * red);
  EXPECT_GT(green, 2 * blue);
  const QColor corner = pixel(image, 365 + 3, 3);
  EXPECT_EQ(corner, QColor(192, 192, 192));
}

TEST_F(ContentWindow, TheWindowAndItsFieldsOpenTheTrayMenuOnARightClick) {
  load();
  Form1->SetupClick();
  for (QWidget *w : std::initializer_list<QWidget *>{Form2->Edit1, Form2->MaskEdit1, Form2.get()}) {
    SCOPED_TRACE(w->objectName().toStdString());
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(w, &event);
    EXPECT_TRUE(Form1->PopupMenu->isVisible());
    Form1->PopupMenu->hide();
  }
}

} // namespace
