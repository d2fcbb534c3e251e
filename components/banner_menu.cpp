#include "components/banner_menu.h"

#include "core/menu_banner.h"
#include "resources/pictures.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleFactory>

#include <memory>

namespace {

constexpr char kTagProperty[] = "Tag";

core::Rgb rgbOf(const QColor &c) {
  return {c.red(), c.green(), c.blue()};
}

core::BannerTextPlace placeOf(BannerJustification j) {
  switch (j) {
  case BannerJustification::bjTop:
    return core::BannerTextPlace::Top;
  case BannerJustification::bjBottom:
    return core::BannerTextPlace::Bottom;
  case BannerJustification::bjCenter:
    break;
  }
  return core::BannerTextPlace::Center;
}

} // namespace

BannerMenu::BannerMenu(QObject *AOwner) : QObject(AOwner) {
  FBannerFont = QFont(QStringLiteral("Arial"));
  FBannerFont.setPointSize(12);
  FCheckMark = pictures::image(u"checkmark");
  FRadioMark = pictures::image(u"radiomark");
  // The menus' base style's check-mark size, or the mark picture in a 2-pixel frame when
  // larger.
  std::unique_ptr<QStyle> probe(QStyleFactory::create(QStringLiteral("Fusion")));
  const int systemWidth = probe ? probe->pixelMetric(QStyle::PM_IndicatorWidth) : 0;
  const int systemHeight = probe ? probe->pixelMetric(QStyle::PM_IndicatorHeight) : 0;
  FCheckBoxWidth = std::max(systemWidth, FCheckMark.width() + 4);
  FExtraItemWidth = std::max(0, systemWidth - 1);
  FCheckBoxHeight = std::max(systemHeight, FCheckMark.height() + 4);
  reloadDefaultFont();
}

BannerMenu::~BannerMenu() {
  unhookAll();
}

int BannerMenu::tag(const QAction *Item) {
  return Item ? Item->property(kTagProperty).toInt() : 0;
}

void BannerMenu::setTag(QAction *Item, int Value) {
  if (Item)
    Item->setProperty(kTagProperty, Value);
}

// --- Properties: each takes effect at once -------------------------------------------------

void BannerMenu::changed() {
  FBannerDirty = true;
  applyLayout();
}

void BannerMenu::setBannerImage(int Value) {
  FBannerImage = Value;
  changed();
}
void BannerMenu::setBannerJustification(BannerJustification Value) {
  FBannerJustification = Value;
  changed();
}
void BannerMenu::setBannerWidth(int Value) {
  FBannerWidth = std::max(0, Value);
  changed();
}
void BannerMenu::setBannerText(const QString &Value) {
  FBannerText = Value;
  changed();
}
void BannerMenu::setBannerFont(const QFont &Value) {
  FBannerFont = Value;
  changed();
}
void BannerMenu::setBannerFontColor(platform::ColorCode Value) {
  FBannerFontColor = Value;
  changed();
}
void BannerMenu::setBannerColor(platform::ColorCode Value) {
  FBannerColor = Value;
  changed();
}
void BannerMenu::setBannerEndColor(platform::ColorCode Value) {
  FBannerEndColor = Value;
  changed();
}
void BannerMenu::setBannerNumColors(int Value) {
  FBannerNumColors = Value;
  changed();
}
void BannerMenu::setBanner(bool Value) {
  FBanner = Value;
  changed();
}
void BannerMenu::setItemHeight(int Value) {
  FItemHeight = Value;
  changed();
}
void BannerMenu::setItemWidth(int Value) {
  FItemWidth = Value;
  changed();
}
void BannerMenu::setFont(const QFont &Value) {
  FFont = Value;
  FDefaultFont = false;
  changed();
}
void BannerMenu::setFontColor(platform::ColorCode Value) {
  FFontColor = Value;
  changed();
}
void BannerMenu::setHiliteFont(const QFont &Value) {
  FHiliteFont = Value;
  FDefaultFont = false;
  changed();
}
void BannerMenu::setHiliteFontColor(platform::ColorCode Value) {
  FHiliteFontColor = Value;
  changed();
}
void BannerMenu::setDefaultFont(bool Value) {
  FDefaultFont = Value;
  if (Value)
    reloadDefaultFont();
  changed();
}
void BannerMenu::setBrush(platform::ColorCode Value) {
  FBrush = Value;
  changed();
}
void BannerMenu::setHiliteBar(platform::ColorCode Value) {
  FHiliteBar = Value;
  changed();
}
void BannerMenu::setLook(CheckMarkLook Value) {
  FLook = Value;
  changed();
}

void BannerMenu::reloadDefaultFont() {
  if (!FDefaultFont)
    return;
  FFont = QApplication::font("QMenu");
  FHiliteFont = FFont;
}

// --- Attaching -------------------------------------------------------------------------------

void BannerMenu::setPopupMenu(QMenu *Value) {
  if (Value == FPopupMenu)
    return;
  unhookAll();
  disconnect(FOpening);
  disconnect(FGone);
  FPopupMenu = Value;
  if (!Value)
    return;
  FOpening = connect(Value, &QMenu::aboutToShow, this, &BannerMenu::menuOpening);
  FGone = connect(Value, &QObject::destroyed, this, [this](QObject *menu) {
    unhookAll(menu);
    FPopupMenu = nullptr;
  });
  convertItems(Value);
  FBannerDirty = true;
}

void BannerMenu::convertItems(QMenu *Menu) {
  hook(Menu);
  for (QAction *item : Menu->actions()) {
    if (item->menu())
      convertItems(item->menu());
    // A titled separator is never chosen.
    if (!item->isSeparator() && item->text().startsWith(u'-') && item->text() != u"-")
      item->setEnabled(false);
  }
}

void BannerMenu::hook(QMenu *Menu) {
  for (const Hooked &h : std::as_const(FHooked))
    if (h.menu == Menu)
      return;
  Hooked h;
  h.menu = Menu;
  h.object = Menu;
  h.ownFont = Menu->testAttribute(Qt::WA_SetFont);
  h.font = Menu->font();
  h.margins = Menu->contentsMargins();
  // The style belongs to the menu, so it goes with a menu destroyed before us.
  h.style = new BannerMenuStyle(this, this, Menu);
  Menu->setStyle(h.style);
  Menu->installEventFilter(this);
  FHooked.append(h);
  applyLayout();
}

void BannerMenu::unhookAll() {
  unhookAll(nullptr);
}

void BannerMenu::unhookAll(const QObject *dying) {
  for (Hooked &h : FHooked) {
    if (h.object == dying || !h.menu)
      continue;
    h.menu->removeEventFilter(this);
    h.menu->setStyle(nullptr);
    delete h.style;
    h.menu->setContentsMargins(h.margins);
    h.menu->setFont(h.ownFont ? h.font : QFont());
    if (!h.ownFont)
      h.menu->setAttribute(Qt::WA_SetFont, false);
  }
  FHooked.clear();
}

// The menus take our font (Qt measures the shortcut column with it) and, for the top level,
// a left margin as wide as the band.
void BannerMenu::applyLayout() {
  for (const Hooked &h : std::as_const(FHooked)) {
    if (!h.menu)
      continue;
    if (h.menu->font() != FFont)
      h.menu->setFont(FFont);
    QMargins margins = h.margins;
    if (FBanner && isTopLevelMenu(h.menu))
      margins.setLeft(margins.left() + FBannerWidth);
    if (h.menu->contentsMargins() != margins)
      h.menu->setContentsMargins(margins);
    h.menu->update();
  }
}

// Every opening converts items added since, and gives the band a fresh size.
void BannerMenu::menuOpening() {
  reloadDefaultFont();
  if (FPopupMenu)
    convertItems(FPopupMenu);
  FBannerDirty = true;
  applyLayout();
}

// --- The band --------------------------------------------------------------------------------

void BannerMenu::computeBannerRect() {
  FBannerRect = QRect();
  if (!FPopupMenu)
    return;
  int top = 0, bottom = 0, left = 0;
  bool first = true;
  for (QAction *item : FPopupMenu->actions()) {
    const QRect r = FPopupMenu->actionGeometry(item);
    if (r.isEmpty())
      continue;
    if (first) {
      top = r.top();
      left = r.left();
      bottom = r.bottom() + 1;
      first = false;
    }
    bottom = std::max(bottom, r.bottom() + 1);
  }
  if (!first)
    FBannerRect = QRect(left - FBannerWidth, top, FBannerWidth, bottom - top);
}

QPixmap BannerMenu::buildBanner(qreal ratio) const {
  const QSize size = FBannerRect.size();
  QPixmap pixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  const QPalette palette = FPopupMenu ? FPopupMenu->palette() : QGuiApplication::palette();
  const QColor start = platform::toQColor(FBannerColor, palette);
  const QColor end = platform::toQColor(FBannerEndColor, palette);
  pixmap.fill(start);
  QPainter p(&pixmap);
  if (start != end) {
    for (const core::ColourBand &band :
         core::gradientBands(size.height(), rgbOf(start), rgbOf(end), FBannerNumColors))
      p.fillRect(QRect(0, band.top, size.width(), band.bottom - band.top),
                 QColor(band.colour.red, band.colour.green, band.colour.blue));
  }
  if (FBannerText.isEmpty())
    return pixmap;
  p.setFont(FBannerFont);
  // A band of two plain colours stays as designed on a dark desktop: its text does too.
  const platform::ColorCode ground =
      platform::isSystemColor(FBannerColor) ? FBannerColor : FBannerEndColor;
  p.setPen(platform::toQColorOn(FBannerFontColor, ground, palette));
  p.setRenderHint(QPainter::TextAntialiasing);
  const QFontMetrics fm(FBannerFont);
  int areaHeight = size.height();
  if (FBannerImage >= 0)
    areaHeight -= size.width() + 4;
  const int textWidth = fm.horizontalAdvance(FBannerText);
  const int textHeight = fm.height() + 2;
  const core::Point at = core::bannerTextOrigin(0, 0, size.width(), areaHeight, textWidth,
                                                textHeight, placeOf(FBannerJustification));
  // From (x, y) the text runs upward: its cell lies right of x and above y.
  p.translate(at.x, at.y);
  p.rotate(-90);
  p.drawText(QPoint(0, fm.ascent()), FBannerText);
  return pixmap;
}

void BannerMenu::paintBanner(QMenu *Menu) {
  if (FBannerDirty) {
    FBannerCache = QPixmap();
    FBannerDirty = false;
    computeBannerRect();
  }
  if (!FBanner || FBannerRect.isEmpty())
    return;
  const qreal ratio = Menu->devicePixelRatioF();
  if (FBannerCache.isNull() || FBannerCache.devicePixelRatio() != ratio)
    FBannerCache = buildBanner(ratio);
  QPainter p(Menu);
  p.drawPixmap(FBannerRect.topLeft(), FBannerCache);
}

// --- Events of the menus ---------------------------------------------------------------------

QAction *BannerMenu::findAccelerator(const QMenu *Menu, QChar Key) {
  if (!Menu)
    return nullptr;
  const QChar wanted = Key.toCaseFolded();
  for (QAction *item : Menu->actions()) {
    if (item->isSeparator() || !item->isVisible() || !item->isEnabled())
      continue;
    const QString text = item->text();
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
      if (text.at(i) != u'&')
        continue;
      if (text.at(i + 1) == u'&') {
        ++i; // a written "&"
        continue;
      }
      if (text.at(i + 1).toCaseFolded() == wanted)
        return item;
      break;
    }
  }
  return nullptr;
}

bool BannerMenu::eventFilter(QObject *watched, QEvent *event) {
  auto *menu = qobject_cast<QMenu *>(watched);
  if (!menu)
    return false;
  switch (event->type()) {
  case QEvent::Paint:
    // The band goes over what the menu painted, its separators included.
    if (FPainting || !isTopLevelMenu(menu))
      return false;
    FPainting = true;
    QCoreApplication::sendEvent(menu, event);
    FPainting = false;
    paintBanner(menu);
    return true;
  case QEvent::Resize:
    if (isTopLevelMenu(menu))
      FBannerDirty = true;
    return false;
  case QEvent::KeyPress: {
    // The first enabled item with the typed accelerator runs at once, also when another item
    // has the same one.
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~(Qt::ShiftModifier | Qt::AltModifier | Qt::KeypadModifier))
      return false;
    if (key->text().size() != 1 || !key->text().at(0).isPrint())
      return false;
    QAction *item = findAccelerator(menu, key->text().at(0));
    if (!item)
      return false;
    menu->setActiveAction(item);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(menu, &enter);
    return true;
  }
  default:
    return false;
  }
}
