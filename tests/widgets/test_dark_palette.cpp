// With a dark desktop palette every text and glyph stays readable against what lies
// beneath it: a contrast ratio of 4.5 or more, on design and palette grounds alike.
#include "app/main_window.h"
#include "app_fixture.h"
#include "chart/content_window.h"
#include "components/balloon_drawing.h"
#include "components/balloon_hint.h"
#include "components/balloon_window.h"
#include "components/banner_menu.h"
#include "controls/bevel_panel.h"
#include "controls/glyph_button.h"
#include "dialogs/about_window.h"
#include "dialogs/date_chooser.h"
#include "resources/pictures.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>

#include <cmath>
#include <functional>

using namespace testing_support;

namespace {

double contrast(QRgb a, QRgb b) {
  auto luminance = [](QRgb c) {
    auto linear = [](int v) { return std::pow(v / 255.0, 2.2); };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Drawn with the text, then without: of the pixels that changed, the one that stands out
// most from what lay beneath it (the core of a stroke).
double textContrast(const std::function<QImage()> &draw, const std::function<void()> &removeText,
                    const QRect &area) {
  const QImage with = draw();
  removeText();
  const QImage without = draw();
  double best = 1;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      best = std::max(best, contrast(with.pixel(x, y), without.pixel(x, y)));
  return best;
}

class DarkPalette : public AppFixture {
protected:
  void SetUp() override {
    // A dark scheme, role by role from WindowText on.
    const char *colours[] = {"#fff",    "#424245", "#979797", "#5e5c5b", "#302f2e", "#4a4947",
                             "#fff",    "#fff",    "#fff",    "#3d3d3d", "#222020", "#e7e4e0",
                             "#12608a", "#f9f9f9", "#0986d3", "#a70b06", "#5c5b5a", "#fff",
                             "#3f3f36", "#fff",    "#fff"};
    QPalette dark;
    for (int role = 0; role < QPalette::NColorRoles; ++role)
      dark.setColor(QPalette::ColorRole(role), QColor(colours[role]));
    QApplication::setPalette(dark);
    AppFixture::SetUp();
  }
};

TEST_F(DarkPalette, CornersAndButtonCaptionsOnTheirGrounds) {
  const ContentWindow &content = windows->content();
  for (QWidget *w : std::initializer_list<QWidget *>{
           content.topLeftCloseCorner, windows->about().bottomRightCloseCorner,
           content.projectionCalendarButton, content.priorMonthButton,
           windows->chooser().okButton}) {
    if (auto *picture = qobject_cast<GlyphButton *>(w))
      picture->setGlyph({});             // it would move with the caption
    QWidget *parent = w->parentWidget(); // flat buttons show it
    const double seen = textContrast([parent] { return parent->grab().toImage(); },
                                     [w] {
                                       if (auto *corner = qobject_cast<BevelPanel *>(w))
                                         corner->setCaption({});
                                       else
                                         qobject_cast<QPushButton *>(w)->setText({});
                                     },
                                     w->geometry());
    EXPECT_GE(seen, 4.5) << qPrintable(w->objectName());
  }
}

TEST_F(DarkPalette, TheTrayMenusBandAndTickAndTheBalloon) {
  QMenu *menu = windows->main().trayMenu;
  windows->main().blinkingAction->setChecked(true);
  const auto open = [menu] {
    menu->close();
    menu->popup(QPoint(200, 100));
    return menu->grab().toImage();
  };
  const QImage shot = open();
  const QImage mark = pictures::image(u"checkmark"); // its tick black
  const QPoint at = menu->actionGeometry(windows->main().blinkingAction).topLeft() + QPoint(3, 1);
  QList<QRgb> ink, ground;
  for (int y = 0; y < mark.height(); ++y)
    for (int x = 0; x < mark.width(); ++x)
      (mark.pixel(x, y) == qRgb(0, 0, 0) ? ink : ground) << shot.pixel(at + QPoint(x, y));
  double tick = 21;
  for (QRgb i : ink)
    for (QRgb g : ground)
      tick = std::min(tick, contrast(i, g));
  EXPECT_GE(tick, 4.5) << "against each colour of its box";
  auto *band = windows->main().findChild<BannerMenu *>();
  EXPECT_GE(textContrast(
                open, [band] { band->setBannerText({}); }, band->bannerRect()),
            4.5);
  menu->close();

  BalloonHintWindow *hint = windows->main().findChild<BalloonHint *>()->hintWindow();
  hint->activateHint(QStringLiteral("Click to hide the panel..."), QPoint(300, 300));
  balloon::Picture balloon = hint->picture();
  const auto paint = [&balloon] {
    QImage image(balloon.client, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    balloon::paintBalloon(painter, balloon);
    return image;
  };
  EXPECT_GE(textContrast(
                paint, [&balloon] { balloon.text.clear(); }, QRect({}, balloon.client)),
            4.5);
}

} // namespace
