#pragma once
// The style of a menu with a banner: items are measured and drawn by a MenuItemPainter,
// plain separators by the base style, and the menu gets a raised two-line panel border.

#include <QPointer>
#include <QProxyStyle>

class QMenu;
class QPainter;
class QStyleOptionMenuItem;

// What the style asks of whoever draws the items.
class MenuItemPainter {
public:
  MenuItemPainter() = default;
  MenuItemPainter(const MenuItemPainter &) = delete;
  MenuItemPainter &operator=(const MenuItemPainter &) = delete;
  MenuItemPainter(MenuItemPainter &&) = delete;
  MenuItemPainter &operator=(MenuItemPainter &&) = delete;
  virtual ~MenuItemPainter() = default;
  virtual QSize measureItem(QMenu *Menu, const QStyleOptionMenuItem &Option) = 0;
  virtual void drawMenuItem(QPainter *Painter, QMenu *Menu, const QStyleOptionMenuItem &Option) = 0;
};

class BannerMenuStyle : public QProxyStyle {
  Q_OBJECT
public:
  // The base style is our own, never the application's object (the proxy would take it over).
  // `items` is asked only while `guard` lives: the style may outlast the painter.
  BannerMenuStyle(MenuItemPainter *items, QObject *guard, QObject *parent);

  int pixelMetric(PixelMetric metric, const QStyleOption *option,
                  const QWidget *widget) const override;
  int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                QStyleHintReturn *returnData) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                         const QWidget *widget) const override;
  void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                   const QWidget *widget) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;

private:
  MenuItemPainter *items_;
  QPointer<QObject> guard_;
};
