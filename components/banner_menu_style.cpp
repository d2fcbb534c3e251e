#include "components/banner_menu_style.h"

#include "platform/colors.h"

#include <QMenu>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <qdrawutil.h>

namespace {

constexpr int kPanelWidth = 3;

// A plain separator (no text) stays the base style's.
bool isPlainSeparator(const QStyleOptionMenuItem &item) {
  return item.menuItemType == QStyleOptionMenuItem::Separator && item.text.isEmpty();
}

} // namespace

BannerMenuStyle::BannerMenuStyle(MenuItemPainter *items, QObject *guard, QObject *parent)
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), items_(items), guard_(guard) {
  setParent(parent);
}

int BannerMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                                 const QWidget *widget) const {
  switch (metric) {
  case PM_MenuPanelWidth:
    return kPanelWidth;
  case PM_MenuHMargin:
  case PM_MenuVMargin:
    return 0;
  default:
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

int BannerMenuStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                               QStyleHintReturn *returnData) const {
  // Titled separators are items of their own, never folded into a neighbouring separator.
  if (hint == SH_Menu_SupportsSections)
    return 1;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QSize BannerMenuStyle::sizeFromContents(ContentsType type, const QStyleOption *option,
                                        const QSize &size, const QWidget *widget) const {
  if (type == CT_MenuItem && guard_) {
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    auto *menu = qobject_cast<QMenu *>(const_cast<QWidget *>(widget));
    if (item && menu && !isPlainSeparator(*item))
      return items_->measureItem(menu, *item);
    // A plain separator keeps its height and spans whatever width the items take.
    if (item && menu)
      return {1, QProxyStyle::sizeFromContents(type, option, size, widget).height()};
  }
  return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void BannerMenuStyle::drawControl(ControlElement element, const QStyleOption *option,
                                  QPainter *painter, const QWidget *widget) const {
  if (element == CE_MenuItem && guard_) {
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    auto *menu = qobject_cast<QMenu *>(const_cast<QWidget *>(widget));
    if (item && menu && !isPlainSeparator(*item)) {
      items_->drawMenuItem(painter, menu, *item);
      return;
    }
  }
  if (element == CE_MenuEmptyArea)
    return; // the panel is filled already
  QProxyStyle::drawControl(element, option, painter, widget);
}

void BannerMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                    QPainter *painter, const QWidget *widget) const {
  switch (element) {
  case PE_PanelMenu:
    painter->fillRect(option->rect, platform::toQColor(platform::clMenu, option->palette));
    return;
  case PE_FrameMenu: {
    // Light and face outside, highlight and shadow inside, then a line of menu colour.
    QPalette palette = option->palette;
    palette.setColor(QPalette::Light, platform::toQColor(platform::clBtnFace, option->palette));
    palette.setColor(QPalette::Midlight,
                     platform::toQColor(platform::clBtnHighlight, option->palette));
    palette.setColor(QPalette::Dark, platform::toQColor(platform::clBtnShadow, option->palette));
    palette.setColor(QPalette::Shadow,
                     platform::toQColor(platform::clWindowFrame, option->palette));
    qDrawWinPanel(painter, option->rect, palette, false);
    painter->setPen(platform::toQColor(platform::clMenu, option->palette));
    painter->drawRect(option->rect.adjusted(2, 2, -3, -3));
    return;
  }
  default:
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
}
