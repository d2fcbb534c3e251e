#pragma once
// BannerMenu: the look of an ordinary popup menu with a banner. A band runs down the left
// side, a colour gradient with a text written upward; the items are drawn to the right of
// it with a highlight bar, check and radio marks in small 3D boxes, embossed disabled items
// and right-aligned shortcuts, and every item answers its accelerator key. The menu, its
// items and their commands stay ordinary QMenu and QAction objects: exported menus (a tray
// host that draws the menu itself) keep their captions, separators, checks and commands.
//
// An item whose caption begins with "-" (or a separator with a text) is a titled separator.
// An item's tag (BannerMenu::tag) of -1 or above 255 gets the banner only.

#include "components/banner_menu_style.h"
#include "platform/colors.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QStyle>

#include <functional>

class QStyleOptionMenuItem;

enum class BannerJustification { bjCenter, bjTop, bjBottom };
enum class CheckMarkLook { Boxed, Plain };

class BannerMenu : public QObject, public MenuItemPainter {
  Q_OBJECT
public:
  // Custom drawing of one item; returning true leaves the item as the handler drew it.
  using DrawItemHandler =
      std::function<bool(QMenu *Menu, QAction *Item, QStyle::State State, const QRect &Rect)>;
  using MeasureItemHandler =
      std::function<void(QMenu *Menu, QAction *Item, int &Height, int &Width)>;
  using HintHandler = std::function<void(QAction *Item, QString &Hint)>;

  explicit BannerMenu(QObject *AOwner = nullptr);
  ~BannerMenu() override;

  // When 0 or more, the banner's text area ends higher by the band's width + 4.
  int bannerImage() const { return FBannerImage; }
  void setBannerImage(int Value);
  BannerJustification bannerJustification() const { return FBannerJustification; }
  void setBannerJustification(BannerJustification Value);
  int bannerWidth() const { return FBannerWidth; }
  void setBannerWidth(int Value);
  const QString &bannerText() const { return FBannerText; }
  void setBannerText(const QString &Value);
  const QFont &bannerFont() const { return FBannerFont; }
  void setBannerFont(const QFont &Value);
  platform::ColorCode bannerFontColor() const { return FBannerFontColor; }
  void setBannerFontColor(platform::ColorCode Value);
  platform::ColorCode bannerColor() const { return FBannerColor; } // top of the gradient
  void setBannerColor(platform::ColorCode Value);
  platform::ColorCode bannerEndColor() const { return FBannerEndColor; } // bottom
  void setBannerEndColor(platform::ColorCode Value);
  int bannerNumColors() const { return FBannerNumColors; }
  void setBannerNumColors(int Value);
  bool hasBanner() const { return FBanner; }
  void setBanner(bool Value);

  QMenu *popupMenu() const { return FPopupMenu; }
  void setPopupMenu(QMenu *Value);

  const DrawItemHandler &onDrawItem() const { return FOnDrawItem; }
  void setOnDrawItem(DrawItemHandler Handler) { FOnDrawItem = std::move(Handler); }
  const HintHandler &onHint() const { return FOnHint; }
  void setOnHint(HintHandler Handler) { FOnHint = std::move(Handler); }
  const MeasureItemHandler &onMeasureItem() const { return FOnMeasureItem; }
  void setOnMeasureItem(MeasureItemHandler Handler) { FOnMeasureItem = std::move(Handler); }

  int itemHeight() const { return FItemHeight; } // 0: measured
  void setItemHeight(int Value);
  int itemWidth() const { return FItemWidth; } // 0: measured
  void setItemWidth(int Value);

  // Font of normal items; setting it (or hiliteFont) ends usesDefaultFont.
  const QFont &font() const { return FFont; }
  void setFont(const QFont &Value);
  platform::ColorCode fontColor() const { return FFontColor; }
  void setFontColor(platform::ColorCode Value);
  const QFont &hiliteFont() const { return FHiliteFont; }
  void setHiliteFont(const QFont &Value);
  platform::ColorCode hiliteFontColor() const { return FHiliteFontColor; }
  void setHiliteFontColor(platform::ColorCode Value);
  // font() follows the desktop's menu font, hiliteFont() copies it.
  bool usesDefaultFont() const { return FDefaultFont; }
  void setDefaultFont(bool Value);

  // Background of normal items and of the mark boxes.
  platform::ColorCode brush() const { return FBrush; }
  void setBrush(platform::ColorCode Value);
  platform::ColorCode hiliteBar() const { return FHiliteBar; }
  void setHiliteBar(platform::ColorCode Value);
  CheckMarkLook look() const { return FLook; }
  void setLook(CheckMarkLook Value);

  // The painter while an item is drawn; null otherwise.
  QPainter *canvas() const { return FCanvas; }
  int checkBoxWidth() const { return FCheckBoxWidth; }
  int checkBoxHeight() const { return FCheckBoxHeight; }
  // What every item gets beyond its measured width: the base style's check-mark width less
  // one. The measured width alone leaves the widest caption a few pixels short of its text.
  int extraItemWidth() const { return FExtraItemWidth; }
  // The band in the open menu's coordinates, as of the last opening.
  QRect bannerRect() const { return FBannerRect; }

  static int tag(const QAction *Item);
  static void setTag(QAction *Item, int Value);

  // What the menus' style asks of the component (banner_menu_items.cpp).
  QSize measureItem(QMenu *Menu, const QStyleOptionMenuItem &Option) override;
  void drawMenuItem(QPainter *Painter, QMenu *Menu, const QStyleOptionMenuItem &Option) override;
  bool isTopLevelMenu(const QMenu *Menu) const { return Menu && Menu == FPopupMenu; }
  // The item an accelerator key opens in `Menu`: the first enabled one whose "&" character
  // is `Key`, compared without regard to case.
  static QAction *findAccelerator(const QMenu *Menu, QChar Key);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  struct Hooked {
    QPointer<QMenu> menu;
    // The same menu, only for comparing: a widget announces its end while it is no longer a
    // QMenu, so the pointer above must not be read then.
    const QObject *object = nullptr;
    QPointer<QStyle> style;
    QFont font;
    bool ownFont = false;
    QMargins margins;
  };

  // Unhooks every menu but `dying`, which is forgotten without being touched.
  void unhookAll(const QObject *dying);
  void convertItems(QMenu *Menu);
  void hook(QMenu *Menu);
  void unhookAll();
  void applyLayout();
  void menuOpening();
  void reloadDefaultFont();
  void changed();
  void computeBannerRect();
  void paintBanner(QMenu *Menu);
  QPixmap buildBanner(qreal ratio) const;
  QImage markFor(bool radio, const QColor &brush, const QColor &ink) const;

  // banner_menu_items.cpp
  int measureItemHeight(const QString &Caption) const;
  int measureItemWidth(QMenu *Menu) const;
  int qtShortcutWidth(QMenu *Menu) const;
  void drawItemBody(QPainter *p, const QStyleOptionMenuItem &Option, QRect Rect);
  void drawItemText(QPainter *p, const QStyleOptionMenuItem &Option, QRect Rect,
                    const QString &Text, const QString &Shortcut, bool Enabled);

  int FBannerImage = -1;
  BannerJustification FBannerJustification = BannerJustification::bjCenter;
  int FBannerWidth = 20;
  QString FBannerText;
  QFont FBannerFont;
  platform::ColorCode FBannerFontColor = platform::clWindowText;
  platform::ColorCode FBannerColor = platform::clActiveCaption;
  platform::ColorCode FBannerEndColor = platform::clBlack;
  int FBannerNumColors = 16;
  bool FBanner = false;
  QPointer<QMenu> FPopupMenu;
  DrawItemHandler FOnDrawItem;
  HintHandler FOnHint;
  MeasureItemHandler FOnMeasureItem;
  int FItemHeight = 0;
  int FItemWidth = 0;
  QFont FFont;
  platform::ColorCode FFontColor = platform::clWindowText;
  QFont FHiliteFont;
  platform::ColorCode FHiliteFontColor = platform::clHighlightText;
  bool FDefaultFont = true;
  platform::ColorCode FBrush = platform::clBtnFace;
  platform::ColorCode FHiliteBar = platform::clHighlight;
  CheckMarkLook FLook = CheckMarkLook::Boxed;

  QPainter *FCanvas = nullptr;
  QImage FCheckMark, FRadioMark;
  int FCheckBoxWidth = 0, FCheckBoxHeight = 0;
  int FExtraItemWidth = 0;
  QRect FBannerRect;
  QPixmap FBannerCache;
  bool FBannerDirty = true;
  bool FPainting = false;
  QList<Hooked> FHooked;
  QMetaObject::Connection FOpening, FGone;
};
