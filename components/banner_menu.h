#pragma once
// BannerMenu: the look of an ordinary popup menu with a banner. A band runs down the left
// side, a colour gradient with a text written upward; the items are drawn to the right of
// it with a highlight bar, check and radio marks in small 3D boxes, embossed disabled items
// and right-aligned shortcuts, and every item answers its accelerator key. The menu, its
// items and their commands stay ordinary QMenu and QAction objects: exported menus (a tray
// host that draws the menu itself) keep their captions, separators, checks and commands.
//
// An item whose caption begins with "-" (or a separator with a text) is a titled separator.
// An item's tag (BannerMenu::Tag) of -1 or above 255 gets the banner only.

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

class BannerMenu : public QObject {
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
  int BannerImage() const { return FBannerImage; }
  void setBannerImage(int Value);
  BannerJustification bannerJustification() const { return FBannerJustification; }
  void setBannerJustification(BannerJustification Value);
  int BannerWidth() const { return FBannerWidth; }
  void setBannerWidth(int Value);
  const QString &BannerText() const { return FBannerText; }
  void setBannerText(const QString &Value);
  const QFont &BannerFont() const { return FBannerFont; }
  void setBannerFont(const QFont &Value);
  platform::ColorCode BannerFontColor() const { return FBannerFontColor; }
  void setBannerFontColor(platform::ColorCode Value);
  platform::ColorCode BannerColor() const { return FBannerColor; } // top of the gradient
  void setBannerColor(platform::ColorCode Value);
  platform::ColorCode BannerEndColor() const { return FBannerEndColor; } // bottom
  void setBannerEndColor(platform::ColorCode Value);
  int BannerNumColors() const { return FBannerNumColors; }
  void setBannerNumColors(int Value);
  bool Banner() const { return FBanner; }
  void setBanner(bool Value);

  QMenu *PopupMenu() const { return FPopupMenu; }
  void setPopupMenu(QMenu *Value);

  const DrawItemHandler &OnDrawItem() const { return FOnDrawItem; }
  void setOnDrawItem(DrawItemHandler Handler) { FOnDrawItem = std::move(Handler); }
  const HintHandler &OnHint() const { return FOnHint; }
  void setOnHint(HintHandler Handler) { FOnHint = std::move(Handler); }
  const MeasureItemHandler &OnMeasureItem() const { return FOnMeasureItem; }
  void setOnMeasureItem(MeasureItemHandler Handler) { FOnMeasureItem = std::move(Handler); }

  int ItemHeight() const { return FItemHeight; } // 0: measured
  void setItemHeight(int Value);
  int ItemWidth() const { return FItemWidth; } // 0: measured
  void setItemWidth(int Value);

  // Font of normal items; setting it (or HiliteFont) ends DefaultFont.
  const QFont &Font() const { return FFont; }
  void setFont(const QFont &Value);
  platform::ColorCode FontColor() const { return FFontColor; }
  void setFontColor(platform::ColorCode Value);
  const QFont &HiliteFont() const { return FHiliteFont; }
  void setHiliteFont(const QFont &Value);
  platform::ColorCode HiliteFontColor() const { return FHiliteFontColor; }
  void setHiliteFontColor(platform::ColorCode Value);
  // Font follows the desktop's menu font, HiliteFont copies it.
  bool DefaultFont() const { return FDefaultFont; }
  void setDefaultFont(bool Value);

  // Background of normal items and of the mark boxes.
  platform::ColorCode Brush() const { return FBrush; }
  void setBrush(platform::ColorCode Value);
  platform::ColorCode HiliteBar() const { return FHiliteBar; }
  void setHiliteBar(platform::ColorCode Value);
  CheckMarkLook Menus97Look() const { return FMenus97Look; }
  void setMenus97Look(CheckMarkLook Value);

  // The painter while an item is drawn; null otherwise.
  QPainter *Canvas() const { return FCanvas; }
  int CheckBoxWidth() const { return FCheckBoxWidth; }
  int CheckBoxHeight() const { return FCheckBoxHeight; }
  // What every item gets beyond its measured width: the base style's check-mark width less
  // one. The measured width alone leaves the widest caption a few pixels short of its text.
  int ExtraItemWidth() const { return FExtraItemWidth; }
  // The band in the open menu's coordinates, as of the last opening.
  QRect BannerRect() const { return FBannerRect; }

  static int Tag(const QAction *Item);
  static void setTag(QAction *Item, int Value);

  // What the menus' style asks of the component (Menus97Items.cpp).
  QSize MeasureItem(QMenu *Menu, const QStyleOptionMenuItem &Option);
  void DrawMenuItem(QPainter *Painter, QMenu *Menu, const QStyleOptionMenuItem &Option);
  bool IsTopLevelMenu(const QMenu *Menu) const { return Menu && Menu == FPopupMenu; }
  // The item an accelerator key opens in `Menu`: the first enabled one whose "&" character
  // is `Key`, compared without regard to case.
  static QAction *FindAccelerator(const QMenu *Menu, QChar Key);

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
  void UnhookAll(const QObject *dying);
  void ConvertItems(QMenu *Menu);
  void Hook(QMenu *Menu);
  void UnhookAll();
  void ApplyLayout();
  void MenuOpening();
  void ReloadDefaultFont();
  void Changed();
  void ComputeBannerRect();
  void PaintBanner(QMenu *Menu);
  QPixmap BuildBanner(qreal ratio) const;
  QImage MarkFor(bool radio, const QColor &brush) const;

  // Menus97Items.cpp
  int MeasureItemHeight(const QString &Caption) const;
  int MeasureItemWidth(QMenu *Menu) const;
  int QtShortcutWidth(QMenu *Menu) const;
  void DrawItemBody(QPainter *p, const QStyleOptionMenuItem &Option, QRect Rect);
  void DrawItemText(QPainter *p, const QStyleOptionMenuItem &Option, QRect Rect,
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
  CheckMarkLook FMenus97Look = CheckMarkLook::Boxed;

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
