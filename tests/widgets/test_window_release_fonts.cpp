// The fonts once the last window with text has been hidden: let go (their files are no longer
// mapped) and loaded again by the next opening, which draws the same text; kept while another
// window with text is still shown.
#include "app/main_window.h"
#include "app_fixture.h"
#include "chart/content_window.h"
#include "dialogs/about_window.h"

#include <QFile>
#include <QSet>
#include <QStringList>
#include <QTest>

#include <string>

using namespace testing_support;

namespace {

class FontRelease : public AppFixture {
protected:
  void load() {
    writeConfig("\r\nAnna\r\n25/05/2001\r\n0\r\n");
    windows->main().loadAtStart();
  }
  ContentWindow &content() { return windows->content(); }
  static bool made(const QWidget &w) { return w.testAttribute(Qt::WA_WState_Created); }
  // Font files the process has mapped, sorted: a loaded font engine keeps its file mapped.
  static QStringList mappedFontFiles() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
      return {QStringLiteral("(no maps)")};
    QSet<QString> files;
    for (const QByteArray &line : maps.readAll().split('\n')) {
      if (!line.contains('/'))
        continue;
      const QString path = QString::fromLocal8Bit(line.mid(line.indexOf('/')));
      for (const char *type : {".ttf", ".otf", ".ttc", ".pfb"})
        if (path.endsWith(QLatin1String(type)))
          files.insert(path);
    }
    QStringList sorted(files.begin(), files.end());
    sorted.sort();
    return sorted;
  }
  static std::string text(const QStringList &files) {
    return files.join(QLatin1Char(' ')).toStdString();
  }
  // The help text's view (a text edit, made with the window) holds its one font until it is
  // deleted: at most that file stays mapped.
  static void expectFontsLetGo(const QStringList &before) {
    const QStringList after = mappedFontFiles();
    EXPECT_LE(after.size(), 1) << text(after);
    EXPECT_LT(after.size(), before.size()) << text(after);
  }
  // The About window's lines of text, above its creature (which moves while it is shown).
  QImage aboutText() {
    return windows->about().grab(QRect(0, 0, windows->about().width(), 80)).toImage();
  }
  static void waitForRelease(const BorderlessWindow &w) {
    QTRY_VERIFY_WITH_TIMEOUT(!made(w), 20000);
  }
};

TEST_F(FontRelease, TheLastWindowHiddenLetsItsFontsGoAndTheNextOpeningDrawsTheSameText) {
  load();
  windows->main().openTodayPower();
  const QImage power = content().grab().toImage();
  const QStringList loaded = mappedFontFiles();
  ASSERT_GT(loaded.size(), 1) << text(loaded);

  content().hide();
  waitForRelease(content());
  expectFontsLetGo(loaded);

  windows->main().openTodayPower();
  EXPECT_EQ(content().grab().toImage(), power);
  EXPECT_GT(mappedFontFiles().size(), 1) << "loaded again";

  // The setup panel: its fields keep text layouts of their own.
  windows->main().openSetup();
  const QImage setup = content().grab().toImage();
  const QStringList setupFonts = mappedFontFiles();
  content().hide();
  waitForRelease(content());
  expectFontsLetGo(setupFonts);
  windows->main().openSetup();
  EXPECT_EQ(content().grab().toImage(), setup);
}

TEST_F(FontRelease, FontsStayWhileAnotherWindowWithTextIsShown) {
  load();
  windows->main().openTodayPower();
  content().grab();
  // The About command hides the content window and shows the About window.
  windows->main().openAbout();
  ASSERT_TRUE(windows->about().isVisible());
  const QImage about = aboutText();
  const QStringList fonts = mappedFontFiles();
  waitForRelease(content());
  EXPECT_EQ(text(mappedFontFiles()), text(fonts));

  windows->about().hide();
  waitForRelease(windows->about());
  expectFontsLetGo(fonts);
  windows->main().openAbout();
  EXPECT_EQ(aboutText(), about);
}

} // namespace
