#pragma once
// The balloon windows. BalloonWindow sizes, places, shapes and paints one
// balloon from the settings it is linked to; BalloonHintWindow shows hint
// texts in it at the cursor.
#include "components/balloon_drawing.h"
#include "components/balloon_hint.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <optional>

class BalloonWindow : public QWidget {
  Q_OBJECT
public:
  explicit BalloonWindow(QWidget *parent = nullptr);
  ~BalloonWindow() override;

  // The settings read at every hint; the defaults when none are linked.
  BalloonSettings *settings() const;
  void setSettings(BalloonSettings *settings) { settings_ = settings; }

  // The text, cut to 255 characters; the window is sized to it at once.
  QString text() const { return text_; }
  void setText(const QString &text);

  // Where the balloon stands for the current hint (preferred or flipped).
  BalloonPosition currentPosition() const { return position_; }
  const balloon::Look &look() const { return look_; }
  // What the screen showed under the window when it was shown.
  const QPixmap &background() const { return background_; }
  // The balloon as it is painted now.
  balloon::Picture picture() const;

  // The screen the balloon is sized and kept on; the one under the cursor
  // unless set (tests).
  void setScreenRect(std::optional<QRect> rect) { screenRect_ = rect; }
  QRect screenRect(QPoint cursor) const;

  // The control the shown hint belongs to: moving off it, or out of its
  // window, cancels the balloon.
  void setHintControl(QWidget *control) { hintControl_ = control; }
  QWidget *hintControl() const { return hintControl_; }

  // The balloon shown, if any.
  static BalloonWindow *shownBalloon();
  // Whether the event filter that watches for clicks, keys and (without
  // regions) repaints is installed; it is, once, while a balloon is shown.
  static bool hookInstalled();

protected:
  // Sizes the window for the text at the cursor.
  void computeSize(QPoint cursor);
  void chooseLook();
  void showAt(QPoint cursor);
  void cancelHint();
  void setCutText(const QString &text) { text_ = text; }

  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void hideEvent(QHideEvent *event) override;

private:
  friend class BalloonHook;
  QPointer<BalloonSettings> settings_;
  QPointer<QWidget> hintControl_;
  QString text_;
  BalloonPosition position_ = BalloonPosition::bpAboveRight;
  balloon::Look look_;
  QPixmap background_;
  std::optional<QRect> screenRect_;
};

class BalloonHintWindow : public BalloonWindow {
  Q_OBJECT
public:
  // Takes the settings of the most recently created balloon-hint component.
  explicit BalloonHintWindow(QWidget *parent = nullptr);

  // Shows the hint at the cursor (or at `cursor` when given); with
  // bbNoShowMouseDown a hint due while a mouse button is down is cancelled.
  void activateHint(const QString &text, std::optional<QPoint> cursor = std::nullopt);
  // Hides the balloon.
  void releaseHint();
};
