// With a dark desktop palette every text and glyph the windows draw keeps its contrast
// against what lies beneath it, on grounds that keep their design colours and on grounds
// that follow the palette alike.
#include "app/main_window.h"
#include "app_fixture.h"
#include "chart/content_window.h"
#include "components/balloon_drawing.h"
#include "components/balloon_hint.h"
#include "components/balloon_window.h"
#include "components/banner_menu.h"
#include "controls/bevel_panel.h"
#include "controls/glyph_button.h"
#include "controls/text_label.h"
#include "dialogs/about_window.h"
#include "dialogs/date_chooser.h"
#include "resources/pictures.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSet>

#include <cmath>
#include <functional>

using namespace testing_support;

namespace {

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white); text reads
// well from 4.5 on.
double contrast(QRgb a, QRgb b) {
  auto luminance = [](QRgb c) {
    auto linear = [](int v) {
      const double s = v / 255.0;
      return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A text's contrast against what lies beneath it: drawn with the text, then without it;
// of the pixels that changed, the one that stands out most (the core of a stroke) decides.
double textContrast(const std::function<QImage()> &draw, const std::function<void()> &removeText,
                    QRect area = {}) {
  const QImage with = draw();
  removeText();
  const QImage without = draw();
  if (area.isNull())
    area = with.rect();
  double best = 1;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      best = std::max(best, contrast(with.pixel(x, y), without.pixel(x, y)));
  return best;
}

// A control's caption, seen in its parent as it is on the screen: flat buttons and labels
// let the parent show through.
double captionContrast(QWidget *widget) {
  if (auto *glyphButton = qobject_cast<GlyphButton *>(widget))
    glyphButton->setGlyph({}); // the picture moves with the caption's width
  QWidget *parent = widget->parentWidget();
  return textContrast([parent] { return parent->grab().toImage(); },
                      [widget] {
                        if (auto *panel = qobject_cast<BevelPanel *>(widget))
                          panel->setCaption({});
                        else if (auto *label = qobject_cast<TextLabel *>(widget))
                          label->setText({});
                        else
                          qobject_cast<QPushButton *>(widget)->setText({});
                      },
                      widget->geometry());
}

// A dark desktop scheme, role by role in the palette's order (WindowText, Button, ...).
QPalette darkPalette() {
  const char *colours[] = {"#ffffff", "#424245", "#979797",  "#5e5c5b", "#302f2e", "#4a4947",
                           "#ffffff", "#ffffff", "#ffffff",  "#3d3d3d", "#222020", "#e7e4e0",
                           "#12608a", "#f9f9f9", "#0986d3",  "#a70b06", "#5c5b5a", "#ffffff",
                           "#3f3f36", "#ffffff", "#80ffffff"};
  QPalette palette;
  for (int role = 0; role < QPalette::NColorRoles; ++role)
    palette.setColor(QPalette::ColorRole(role), QColor(colours[role]));
  return palette;
}

class DarkPalette : public AppFixture {
protected:
  void SetUp() override {
    QApplication::setPalette(darkPalette());
    AppFixture::SetUp();
  }
  void TearDown() override {
    AppFixture::TearDown();
    QApplication::setPalette(light);
  }
  const QPalette light = QApplication::palette();
};

constexpr double kReadable = 4.5;

TEST_F(DarkPalette, CornersButtonsAndCaptionsOfTheWindows) {
  ContentWindow &content = windows->content();
  AboutWindow &about = windows->about();
  DateChooser &chooser = windows->chooser();
  const std::pair<const char *, QWidget *> texts[] = {
      {"X on silver", content.topLeftCloseCorner},
      {"X on silver", content.bottomRightCloseCorner},
      {"X on the button face", about.bottomRightCloseCorner},
      {"raised button", content.projectionCalendarButton},
      {"raised button", content.showMeButton},
      {"flat button on silver", content.priorMonthButton},
      {"chooser's OK", chooser.okButton},
      {"chooser's date", chooser.dateCaptionLabel},
  };
  for (const auto &[what, widget] : texts)
    EXPECT_GE(captionContrast(widget), kReadable)
        << what << " " << qPrintable(widget->objectName());
}

TEST_F(DarkPalette, TheTrayMenusBandTickAndTheBalloon) {
  QMenu *menu = windows->main().trayMenu;
  QAction *blink = windows->main().blinkingAction;
  blink->setChecked(true);
  const auto open = [menu] {
    menu->close();
    menu->popup(QPoint(200, 100));
    return menu->grab().toImage();
  };
  auto *look = windows->main().findChild<BannerMenu *>();
  const QImage shot = open();
  EXPECT_GE(textContrast(
                open, [look] { look->setBannerText({}); }, look->bannerRect()),
            kReadable)
      << "the band's text";

  // The tick against each colour of its box.
  const QImage mark = pictures::image(u"checkmark");
  const QPoint at = menu->actionGeometry(blink).topLeft() + QPoint(3, 1);
  QSet<QRgb> ink, ground;
  for (int y = 0; y < mark.height(); ++y)
    for (int x = 0; x < mark.width(); ++x)
      (mark.pixelColor(x, y) == Qt::black ? ink : ground) << shot.pixel(at + QPoint(x, y));
  double tick = 21;
  for (QRgb i : ink)
    for (QRgb g : ground)
      tick = std::min(tick, contrast(i, g));
  EXPECT_GE(tick, kReadable) << "the tick";
  menu->close();

  BalloonHintWindow *balloon = windows->main().findChild<BalloonHint *>()->hintWindow();
  balloon->activateHint(QStringLiteral("Click to hide the panel..."), QPoint(300, 300));
  balloon::Picture picture = balloon->picture();
  balloon->releaseHint();
  const auto paint = [&picture] {
    QImage image(picture.client, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    balloon::paintBalloon(painter, picture);
    return image;
  };
  EXPECT_GE(textContrast(paint, [&picture] { picture.text.clear(); }), kReadable) << "balloon";
}

} // namespace
