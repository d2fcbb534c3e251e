#pragma once
// BalloonHint: shows every hint of the application as a speech balloon near
// the cursor: a round-cornered or plain body, a tail pointing at the cursor,
// an optional shadow, on the side of the cursor where it fits.
//
// BalloonSettings holds the settings; BalloonHint adds Active, which makes the
// balloon the application's hint display (or gives the plain hint back).
// The balloon windows themselves are in balloon_window.h.
#include "components/balloon_types.h"
#include "platform/colors.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <memory>
#include <optional>

class BalloonHintWindow;

class BalloonSettings : public QObject {
  Q_OBJECT
public:
  explicit BalloonSettings(QObject *owner = nullptr);
  ~BalloonSettings() override;

  platform::ColorCode borderColor() const { return FBorderColor; }
  void setBorderColor(platform::ColorCode value) { FBorderColor = value; }
  platform::ColorCode color() const { return FColor; }
  void setColor(platform::ColorCode value) { FColor = value; }
  // font() and its colour (fontColor) are used for the hsCustom style.
  const QFont &font() const { return FFont; }
  void setFont(const QFont &value) { FFont = value; }
  platform::ColorCode fontColor() const { return FFontColor; }
  void setFontColor(platform::ColorCode value) { FFontColor = value; }
  int maxWidth() const { return FMaxWidth; }
  // Negative: a part of the screen width; positive: pixels, at most the
  // screen width (a wider value is stored as the screen width); 0: the
  // screen width. The width in pixels is taken from the screen now.
  void setMaxWidth(int value);
  BalloonBehaviors behavior() const { return FBehavior; }
  void setBehavior(BalloonBehaviors value) { FBehavior = value; }
  BalloonPosition position() const { return FPosition; }
  void setPosition(BalloonPosition value) { FPosition = value; }
  int shadowDepth() const { return FShadowDepth; }
  // Kept within 0..16.
  void setShadowDepth(int value);
  BalloonShadowStyle shadowStyle() const { return FShadowStyle; }
  void setShadowStyle(BalloonShadowStyle value) { FShadowStyle = value; }
  BalloonShape shape() const { return FShape; }
  void setShape(BalloonShape value) { FShape = value; }
  HintStyle style() const { return FStyle; }
  void setStyle(HintStyle value) { FStyle = value; }

  // The widest balloon in pixels, computed when maxWidth was set.
  int maxWidthPixels() const { return maxPixels_; }

  // The width of the screen maxWidth is measured on: the primary screen's.
  static int screenWidth();

private:
  platform::ColorCode FBorderColor = platform::clBlack;
  platform::ColorCode FColor = platform::clInfoBk;
  QFont FFont;
  platform::ColorCode FFontColor = platform::clWindowText;
  int FMaxWidth = -4;
  BalloonBehaviors FBehavior = BalloonBehavior::bbNoShowMouseDown | BalloonBehavior::bbUseRegions |
                               BalloonBehavior::bbHideOnPaint;
  BalloonPosition FPosition = BalloonPosition::bpAboveRight;
  int FShadowDepth = 8;
  BalloonShadowStyle FShadowStyle = BalloonShadowStyle::ssShaded;
  BalloonShape FShape = BalloonShape::bsRoundRect;
  HintStyle FStyle = HintStyle::hsDefault;
  int maxPixels_ = 0;
};

class BalloonHint : public BalloonSettings {
  Q_OBJECT
public:
  // Links its settings for the balloon windows and becomes Active.
  explicit BalloonHint(QObject *owner = nullptr);
  ~BalloonHint() override;

  bool isActive() const { return FActive; }
  // True: hints show as balloons from the next one on; False: the plain
  // hint comes back. A hint on screen goes either way.
  void setActive(bool value);

  // The balloon window while Active.
  BalloonHintWindow *hintWindow() const;

private:
  class Display;
  bool FActive = false;
  std::unique_ptr<Display> display_;
};

// The settings the balloon windows read: those of the most recently created
// balloon-hint component still alive.
BalloonSettings *balloonSettings();
