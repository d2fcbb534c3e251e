#pragma once
// BorderlessWindow: the base of the program's windows. No border and no
// caption (the outer size is the client size), stays on top of other
// windows, and is moved by dragging its own surface: any point that is not
// a child control, or is a control that lets the mouse through (labels,
// pictures).
#include <QColor>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <vector>

enum class WindowPlacement { poDesigned, poScreenCenter };

class BorderlessWindow : public QWidget {
  Q_OBJECT

public:
  explicit BorderlessWindow(QWidget *parent = nullptr);

  // WindowPlacement::poScreenCenter: centred on the screen every time the window is shown.
  WindowPlacement position() const { return position_; }
  void setPosition(WindowPlacement value) { position_ = value; }
  // Centres on the screen and shows. A window already visible jumps back to
  // the centre and plays its show hook again, as if shown anew.
  void showCentred();
  void centreOnScreen();

  // Switches stay-on-top in place, without hiding or re-creating the window.
  bool stayOnTop() const;
  void setStayOnTop(bool on);
  // Takes the window off the top and puts it at the bottom of the stack.
  void sendToBack();
  void bringToFront();

  // The window's background colour.
  void setColor(const QColor &color);
  QColor color() const;

  // Qt's record of where a newly mapped window is can read (0, 0) while the window manager has
  // it elsewhere; screen readers and the hide animation would be told that place. Takes the
  // place the window system has; nothing while hidden or dragged.
  void takePlaceFromWindowSystem();

  // Whether a press at pos (window coordinates) lands on the surface.
  bool isSurfaceAt(const QPoint &pos) const;

  // A window shown for seconds in a program that runs for days: once it has stayed hidden for
  // kReleaseDelayMs it gives back its decoded pictures, what onReleasing() lets go,
  // and its platform window with the backing store; the next show makes them again.
  static constexpr int kReleaseDelayMs = 1000;
  void setReleasedWhenHidden(bool on) { releasedWhenHidden_ = on; }
  // A window whose platform window must outlive its hiding gives back only its backing store
  // (shrunk to a pixel; the next paint makes it the window's size again).
  void setKeepsPlatformWindow(bool on) { keepsPlatformWindow_ = on; }
  // What the hook above does; ignored while the window is visible. When no window with text
  // is shown any more, the fonts go too (platform::releaseFontEngines).
  void releaseWhileHidden();
  // Whether any window that draws text is shown: one of the program's, a menu, a box, a tooltip.
  static bool windowWithTextShown();

signals:
  // Hidden by the program (not by the window system), after onHidden; it may be
  // shown again before a queued receiver runs.
  void hidden();

protected:
  // Called when the window is about to appear (before it is mapped, so
  // whatever it makes invisible never flashes) and once it has been hidden.
  virtual void onShowing() {}
  virtual void onHidden() {}
  // A hidden window lets go of what it makes again when shown (releaseWhileHidden).
  virtual void onReleasing() {}

  // Esc hides the window, as its "X" does.
  void keyPressEvent(QKeyEvent *event) override;
  void showEvent(QShowEvent *event) override;
  void hideEvent(QHideEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

private:
  WindowPlacement position_ = WindowPlacement::poDesigned;
  bool dragging_ = false;
  bool releasedWhenHidden_ = false;
  bool keepsPlatformWindow_ = false;
  QPoint dragOffset_;
};

// Windows that must let another one of ours be seen in front of them for a
// while (a message, the date chooser) are sent to the back, then put back on
// top. Null entries are skipped.
void sendAllToBack(std::initializer_list<BorderlessWindow *> windows);
void putAllOnTop(std::initializer_list<BorderlessWindow *> windows);

// The same for a scope: the windows go to the back at construction and come
// back on top at destruction, unless they are gone by then.
class SentToBack {
public:
  explicit SentToBack(std::initializer_list<BorderlessWindow *> windows);
  ~SentToBack();
  SentToBack(const SentToBack &) = delete;
  SentToBack &operator=(const SentToBack &) = delete;

private:
  std::vector<QPointer<BorderlessWindow>> windows_;
};
