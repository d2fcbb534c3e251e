#pragma once
// TBalloonHint: shows every hint of the application as a speech balloon near
// the cursor: a round-cornered or plain body, a tail pointing at the cursor,
// an optional shadow, on the side of the cursor where it fits.
//
// TBalloonBase holds the settings; TBalloonHint adds Active, which makes the
// balloon the application's hint display (or gives the plain hint back).
// The balloon windows themselves are in BalloonWindow.h.
#include "components/BalloonTypes.h"
#include "platform/colors.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <memory>
#include <optional>

class TBalloonHintWindow;

class TBalloonBase : public QObject {
  Q_OBJECT
public:
  explicit TBalloonBase(QObject *owner = nullptr);
  ~TBalloonBase() override;

  platform::TColor BorderColor() const { return FBorderColor; }
  void setBorderColor(platform::TColor value) { FBorderColor = value; }
  platform::TColor Color() const { return FColor; }
  void setColor(platform::TColor value) { FColor = value; }
  // Font and its colour (FontColor) are used for the hsCustom style.
  const QFont &Font() const { return FFont; }
  void setFont(const QFont &value) { FFont = value; }
  platform::TColor FontColor() const { return FFontColor; }
  void setFontColor(platform::TColor value) { FFontColor = value; }
  int MaxWidth() const { return FMaxWidth; }
  // Negative: a part of the screen width; positive: pixels, at most the
  // screen width (a wider value is stored as the screen width); 0: the
  // screen width. The width in pixels is taken from the screen now.
  void setMaxWidth(int value);
  TBalloonBehaviors Behavior() const { return FBehavior; }
  void setBehavior(TBalloonBehaviors value) { FBehavior = value; }
  TBalloonPosition Position() const { return FPosition; }
  void setPosition(TBalloonPosition value) { FPosition = value; }
  int ShadowDepth() const { return FShadowDepth; }
  // Kept within 0..16.
  void setShadowDepth(int value);
  TBalloonShadowStyle ShadowStyle() const { return FShadowStyle; }
  void setShadowStyle(TBalloonShadowStyle value) { FShadowStyle = value; }
  TBalloonShape Shape() const { return FShape; }
  void setShape(TBalloonShape value) { FShape = value; }
  THintStyle Style() const { return FStyle; }
  void setStyle(THintStyle value) { FStyle = value; }

  // The widest balloon in pixels, computed when MaxWidth was set.
  int maxWidthPixels() const { return maxPixels_; }

  // The width of the screen MaxWidth is measured on: the primary screen's.
  static int screenWidth();

private:
  platform::TColor FBorderColor = platform::clBlack;
  platform::TColor FColor = platform::clInfoBk;
  QFont FFont;
  platform::TColor FFontColor = platform::clWindowText;
  int FMaxWidth = -4;
  TBalloonBehaviors FBehavior = TBalloonBehavior::bbNoShowMouseDown |
                                TBalloonBehavior::bbUseRegions | TBalloonBehavior::bbHideOnPaint;
  TBalloonPosition FPosition = TBalloonPosition::bpAboveRight;
  int FShadowDepth = 8;
  TBalloonShadowStyle FShadowStyle = TBalloonShadowStyle::ssShaded;
  TBalloonShape FShape = TBalloonShape::bsRoundRect;
  THintStyle FStyle = THintStyle::hsDefault;
  int maxPixels_ = 0;
};

class TBalloonHint : public TBalloonBase {
  Q_OBJECT
public:
  // Links its settings for the balloon windows and becomes Active.
  explicit TBalloonHint(QObject *owner = nullptr);
  ~TBalloonHint() override;

  bool Active() const { return FActive; }
  // True: hints show as balloons from the next one on; False: the plain
  // hint comes back. A hint on screen goes either way.
  void setActive(bool value);

  // The balloon window while Active.
  TBalloonHintWindow *hintWindow() const;

private:
  class Display;
  bool FActive = false;
  std::unique_ptr<Display> display_;
};

// The settings the balloon windows read: those of the most recently created
// balloon-hint component still alive.
TBalloonBase *balloonSettings();
