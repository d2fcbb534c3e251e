#pragma once
// The style of a menu drawn by BannerMenu: items are measured and drawn by the component,
// plain separators by the base style, and the menu gets a raised two-line panel border.

#include <QPointer>
#include <QProxyStyle>

class BannerMenu;

class BannerMenuStyle : public QProxyStyle {
  Q_OBJECT
public:
  // The base style is our own, never the application's object (the proxy would take it over).
  explicit BannerMenuStyle(BannerMenu *Owner, QObject *parent);

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
  QPointer<BannerMenu> owner_;
};
