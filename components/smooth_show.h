#pragma once
// SmoothShow: shows or hides a window through a hollow coloured frame that
// grows from a small rectangle to the window's own (or shrinks back) in ten
// steps, while the window itself is kept invisible by an empty region.
#include "platform/region.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <cstdint>
#include <optional>

class QTimer;

enum class MinLocation { mlCenter, mlTopLeft, mlTopRight, mlBottomLeft, mlBottomRight, mlCustom };
enum class MaxLocation { xlDefault, xlCustom };

class SmoothShow : public QObject {
  Q_OBJECT

public:
  // The control is the owner when the owner is a widget.
  explicit SmoothShow(QObject *owner);
  // A run still under way is undone: the frame goes and the control gets its
  // own region back. No signal is emitted from here.
  ~SmoothShow() override;

  QColor color() const { return color_; }
  void setColor(const QColor &value) { color_ = value; }
  int borderWidth() const { return borderWidth_; }
  void setBorderWidth(int value) { borderWidth_ = value < 0 ? 0 : value; }
  uint16_t delay() const { return delay_; }
  void setDelay(uint16_t value) { delay_ = value; }
  bool isEnabled() const { return enabled_; }
  void setEnabled(bool value) { enabled_ = value; }
  MinLocation minLocation() const { return minLocation_; }
  void setMinLocation(MinLocation value) { minLocation_ = value; }
  int minLeft() const { return minLeft_; }
  void setMinLeft(int value) { minLeft_ = value; }
  int minTop() const { return minTop_; }
  void setMinTop(int value) { minTop_ = value; }
  uint16_t minWidth() const { return minWidth_; }
  void setMinWidth(uint16_t value) { minWidth_ = value; }
  uint16_t minHeight() const { return minHeight_; }
  void setMinHeight(uint16_t value) { minHeight_ = value; }
  MaxLocation maxLocation() const { return maxLocation_; }
  void setMaxLocation(MaxLocation value) { maxLocation_ = value; }
  int maxLeft() const { return maxLeft_; }
  void setMaxLeft(int value) { maxLeft_ = value; }
  int maxTop() const { return maxTop_; }
  void setMaxTop(int value) { maxTop_ = value; }
  uint16_t maxWidth() const { return maxWidth_; }
  void setMaxWidth(uint16_t value) { maxWidth_ = value; }
  uint16_t maxHeight() const { return maxHeight_; }
  void setMaxHeight(uint16_t value) { maxHeight_ = value; }
  bool isReversed() const { return reverse_; }
  void setReverse(bool value) { reverse_ = value; }

  QWidget *control() const { return control_; }
  // Ignored while a run is under way. Cleared when the control is destroyed.
  void setControl(QWidget *value);

  // Starts one run in the direction of Reverse; returns once the first step
  // is drawn. Ignored while running, without a control, or when disabled.
  // With a Delay of 0 the whole run is drawn at once.
  void execute();
  bool running() const { return running_; }
  // Ends a run under way at once: the frame goes and the control gets its own
  // region back; no signal is emitted.
  void stop() { abandon(true); }

  // The two ends of a run as (Left, Top, Width, Height).
  QRect smallRect() const;
  QRect largeRect() const;

  // Screen size used for the small rectangle; the primary screen's unless
  // set (tests).
  void setScreenSize(std::optional<QSize> size) { screenSize_ = size; }
  QSize screenSize() const;

  // The frame rectangles drawn by the current or last run, one per step.
  const QList<QRect> &framesDrawn() const { return frames_; }
  // The frame window while a run is under way.
  QWidget *frameWindow() const { return frame_; }

  // One step of the run; the step timer calls it.
  void step();

signals:
  // At the last step while the frame still exists and the control is still
  // invisible; a receiver may delete this component.
  void finishing();
  // Once the control has its region back.
  void finished();

private:
  void finish();
  void abandon(bool restoreControl);

  QColor color_ = Qt::black;
  int borderWidth_ = 1;
  uint16_t delay_ = 50;
  bool enabled_ = true;
  MinLocation minLocation_ = MinLocation::mlCenter;
  int minLeft_ = 0, minTop_ = 0;
  uint16_t minWidth_ = 27, minHeight_ = 27;
  MaxLocation maxLocation_ = MaxLocation::xlDefault;
  int maxLeft_ = 100, maxTop_ = 100;
  uint16_t maxWidth_ = 127, maxHeight_ = 127;
  bool reverse_ = false;

  QPointer<QWidget> control_;
  QMetaObject::Connection controlWatch_;

  bool running_ = false;
  quint64 runCount_ = 0;
  std::optional<platform::Region> savedRegion_;
  QTimer *timer_ = nullptr;
  QPointer<QWidget> frame_;
  int progress_ = 0;
  QRect start_, end_;
  QList<QRect> frames_;
  std::optional<QSize> screenSize_;
};
