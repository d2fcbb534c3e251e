// Measuring and drawing the items of a menu drawn by BannerMenu.
#include "components/banner_menu.h"

#include "core/menu_banner.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionMenuItem>

namespace {

constexpr int kTextFlags =
    Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::TextExpandTabs | Qt::AlignVCenter;

// The caption of an item as written, without its shortcut part; a separator with a text is
// a titled separator, "-" followed by the text.
QString captionOf(const QString &text, bool separator) {
  if (separator)
    return text.isEmpty() ? QStringLiteral("-") : u'-' + text;
  const qsizetype tab = text.indexOf(u'\t');
  return tab < 0 ? text : text.left(tab);
}

QString captionOf(const QStyleOptionMenuItem &option) {
  return captionOf(option.text, option.menuItemType == QStyleOptionMenuItem::Separator);
}

// The shortcut text as the menu shows it: written after a tab, or the item's key sequence.
QString shortcutOf(const QAction *item) {
  if (item->isSeparator())
    return {};
  const QString text = item->text();
  const qsizetype tab = text.indexOf(u'\t');
  if (tab >= 0)
    return text.mid(tab + 1);
  if (item->isShortcutVisibleInContextMenu() && !item->shortcut().isEmpty())
    return item->shortcut().toString(QKeySequence::NativeText);
  return {};
}

QString shortcutOf(const QStyleOptionMenuItem &option) {
  const qsizetype tab = option.text.indexOf(u'\t');
  return tab < 0 ? QString() : option.text.mid(tab + 1);
}

// A text's size as the items measure it: "&" marks the accelerator and takes no room; the
// height has a pixel to spare above and below.
QSize textSize(const QFontMetrics &fm, const QString &text) {
  if (text.isEmpty())
    return {0, fm.height() + 2};
  const QRect r = fm.boundingRect(QRect(), kTextFlags, text);
  return {r.width(), r.height() + 2};
}

bool isTitled(const QStyleOptionMenuItem &option, const QString &caption) {
  return option.menuItemType == QStyleOptionMenuItem::Separator ||
         (caption.startsWith(u'-') && caption != u"-");
}

// A one-pixel 3D frame: `topLeft` along the top and left, `bottomRight` along the others.
void frame3D(QPainter *p, const QRect &r, const QColor &topLeft, const QColor &bottomRight) {
  p->setPen(topLeft);
  p->drawLine(r.left(), r.bottom(), r.left(), r.top());
  p->drawLine(r.left(), r.top(), r.right(), r.top());
  p->setPen(bottomRight);
  p->drawLine(r.right(), r.top() + 1, r.right(), r.bottom());
  p->drawLine(r.right(), r.bottom(), r.left(), r.bottom());
}

} // namespace

// --- Measuring -------------------------------------------------------------------------------

int BannerMenu::measureItemHeight(const QString &Caption) const {
  const QFontMetrics fm(FFont);
  return std::max(FCheckBoxHeight, textSize(fm, Caption).height() + 4);
}

int BannerMenu::measureItemWidth(QMenu *Menu) const {
  const QFontMetrics fm(FFont);
  std::vector<core::MenuItemMeasure> level;
  for (const QAction *sibling : Menu->actions()) {
    if (!sibling->isVisible())
      continue;
    core::MenuItemMeasure m;
    m.captionWidth = textSize(fm, captionOf(sibling->text(), sibling->isSeparator())).width();
    const QString shortcut = shortcutOf(sibling);
    m.shortcutWidth = shortcut.isEmpty() ? 0 : textSize(fm, shortcut).width();
    m.hasSubmenu = sibling->menu() != nullptr;
    level.push_back(m);
  }
  // The "&" of an accelerator takes no room already: taking its width off once more would cut
  // the widest caption when every item has one.
  int width = core::menuLevelWidth(level, FCheckBoxWidth);
  if (isTopLevelMenu(Menu))
    width += FBannerWidth;
  return width;
}

// The shortcut column Qt adds to every item's width by itself.
int BannerMenu::qtShortcutWidth(QMenu *Menu) const {
  const QFontMetrics fm = Menu->fontMetrics();
  int width = 0;
  for (const QAction *item : Menu->actions())
    if (item->isVisible() && !item->isSeparator())
      if (const QString shortcut = shortcutOf(item); !shortcut.isEmpty())
        width = std::max(width, fm.horizontalAdvance(shortcut));
  return width;
}

QSize BannerMenu::measureItem(QMenu *Menu, const QStyleOptionMenuItem &Option) {
  const QString caption = captionOf(Option);
  int height = FItemHeight != 0 ? FItemHeight : measureItemHeight(caption);
  int width = FItemWidth != 0 ? FItemWidth : measureItemWidth(Menu);
  if (FOnMeasureItem) {
    QAction *item = nullptr;
    const bool separator = Option.menuItemType == QStyleOptionMenuItem::Separator;
    for (QAction *candidate : Menu->actions()) {
      const QString shortcut = shortcutOf(candidate);
      const QString shown = captionOf(candidate->text(), candidate->isSeparator()) +
                            (shortcut.isEmpty() ? QString() : u'\t' + shortcut);
      if (candidate->isSeparator() == separator && shown == (separator ? caption : Option.text)) {
        item = candidate;
        break;
      }
    }
    FOnMeasureItem(Menu, item, height, width);
  }
  // In the menu's own layout the band is its left margin, and the shortcut column is added
  // by Qt.
  width += FExtraItemWidth;
  if (FBanner && isTopLevelMenu(Menu))
    width -= FBannerWidth;
  width -= qtShortcutWidth(Menu);
  return {std::max(width, 0), std::max(height, 0)};
}

// --- Drawing ---------------------------------------------------------------------------------

QImage BannerMenu::markFor(bool radio, const QColor &brush, const QColor &ink) const {
  QImage mark = (radio ? FRadioMark : FCheckMark).convertToFormat(QImage::Format_ARGB32);
  const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0), silver = qRgb(192, 192, 192);
  // A light tick would be lost on the silver half of the checkerboard: the box is then
  // all brush.
  const bool lightInk = ink.lightnessF() > 0.5;
  for (int y = 0; y < mark.height(); ++y) {
    auto *line = reinterpret_cast<QRgb *>(mark.scanLine(y));
    for (int x = 0; x < mark.width(); ++x) {
      const QRgb pixel = line[x] | 0xFF000000u;
      if (pixel == white || (lightInk && pixel == silver))
        line[x] = brush.rgb();
      else if (pixel == black)
        line[x] = ink.rgb();
    }
  }
  return mark;
}

void BannerMenu::drawMenuItem(QPainter *Painter, QMenu *Menu, const QStyleOptionMenuItem &Option) {
  QAction *item = Menu->actionAt(Option.rect.center());
  const bool selected = Option.state & QStyle::State_Selected;
  if (selected && item && FOnHint) {
    QString hint = item->statusTip();
    FOnHint(item, hint);
    item->setStatusTip(hint);
  }
  Painter->save();
  FCanvas = Painter;
  Painter->setFont(FFont);
  Painter->setBrush(platform::toQColor(selected ? platform::clHighlight : FBrush, Option.palette));
  Painter->setPen(
      platform::toQColor(selected ? platform::clHighlightText : FFontColor, Option.palette));
  if (!(FOnDrawItem && FOnDrawItem(Menu, item, Option.state, Option.rect))) {
    QRect rect = Option.rect;
    if (FBanner && isTopLevelMenu(Menu))
      rect.setLeft(rect.left() + 2);
    const int itemTag = tag(item);
    if (itemTag >= 0 && itemTag <= 255)
      drawItemBody(Painter, Option, rect);
  }
  FCanvas = nullptr;
  Painter->restore();
}

void BannerMenu::drawItemBody(QPainter *p, const QStyleOptionMenuItem &Option, QRect Rect) {
  const QPalette &palette = Option.palette;
  auto colour = [&](platform::ColorCode c) { return platform::toQColor(c, palette); };
  QString caption = captionOf(Option);
  if (caption.isEmpty())
    caption = QStringLiteral(" ");
  const bool titled = isTitled(Option, caption);
  const bool enabled = !titled && (Option.state & QStyle::State_Enabled);
  const bool selected = enabled && (Option.state & QStyle::State_Selected);

  if (titled) {
    const int y = Rect.top() + Rect.height() / 2;
    p->setPen(colour(platform::clBtnShadow));
    p->drawLine(Rect.left() + 1, y, Rect.right() - 1, y);
    p->setPen(colour(platform::clBtnHighlight));
    p->drawLine(Rect.left() + 1, y + 1, Rect.right() - 1, y + 1);
  }
  // A disabled item keeps the menu's own background.
  if (enabled)
    p->fillRect(Rect, colour(selected ? FHiliteBar : FBrush));

  const int markWidth = FCheckMark.width();
  if (enabled && Option.checked) {
    const QRect box(Rect.left(), Rect.top(), markWidth + 4, measureItemHeight(caption));
    if (FLook == CheckMarkLook::Boxed) {
      p->fillRect(box.adjusted(0, 0, 1, 0), colour(FBrush));
      const QColor light = colour(platform::clBtnHighlight);
      const QColor dark = colour(platform::clBtnShadow);
      frame3D(p, box, selected ? light : dark, selected ? dark : light);
    }
    const bool radio = Option.checkType == QStyleOptionMenuItem::Exclusive;
    // The mark lies on the brush, also on a highlighted item: its tick is the text colour
    // that goes with the brush.
    p->drawImage(QPoint(Rect.left() + 1, Rect.top() + 1),
                 markFor(radio, colour(FBrush), platform::toQColorOn(FFontColor, FBrush, palette)));
  }

  Rect.setLeft(Rect.left() + markWidth + 7);
  const QString text = titled ? caption.mid(1) : caption;
  drawItemText(p, Option, Rect, text, shortcutOf(Option), enabled);

  if (Option.menuItemType == QStyleOptionMenuItem::SubMenu) {
    // The submenu's arrow, in the text's colour, at the right end.
    const int cx = Rect.right() - FCheckBoxWidth / 2, cy = Rect.center().y();
    QPainterPath arrow;
    arrow.moveTo(cx - 2, cy - 4);
    arrow.lineTo(cx + 2, cy);
    arrow.lineTo(cx - 2, cy + 4);
    arrow.closeSubpath();
    p->fillPath(arrow, colour(enabled ? (selected ? FHiliteFontColor : FFontColor)
                                      : platform::clBtnShadow));
  }
}

void BannerMenu::drawItemText(QPainter *p, const QStyleOptionMenuItem &Option, QRect Rect,
                              const QString &Text, const QString &Shortcut, bool Enabled) {
  const bool selected = Enabled && (Option.state & QStyle::State_Selected);
  QFont font = selected ? FHiliteFont : FFont;
  if (Option.menuItemType == QStyleOptionMenuItem::DefaultItem)
    font.setBold(true);
  p->setFont(font);
  p->setBrush(Qt::NoBrush);
  auto draw = [&](const QRect &r) {
    p->drawText(r, kTextFlags | Qt::AlignLeft, Text);
    if (!Shortcut.isEmpty())
      p->drawText(r.adjusted(0, 0, -FCheckBoxWidth, 0), kTextFlags | Qt::AlignRight, Shortcut);
  };
  // Disabled items are embossed: a highlight one pixel down and right, the shadow on top.
  if (!Enabled) {
    p->setPen(platform::toQColor(platform::clBtnHighlight, Option.palette));
    draw(Rect.translated(1, 1));
    p->setPen(platform::toQColor(platform::clBtnShadow, Option.palette));
    draw(Rect);
    return;
  }
  p->setPen(platform::toQColor(selected ? FHiliteFontColor : FFontColor, Option.palette));
  draw(Rect);
}
