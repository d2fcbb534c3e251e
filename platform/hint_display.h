#pragma once
// Every control hint of the program goes through here. The application's
// hint router answers each tooltip event by finding the control under the
// cursor (labels and pictures that let the mouse through included) and
// handing its hint to the current display: the plain tooltip unless a
// component, such as the balloon, has taken the display over.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

class QWidget;

namespace platform {

struct HintRequest {
  QPointer<QWidget> control; // the control whose hint this is
  QString text;
  QPoint cursorPos; // global, where the cursor is now
};

class HintDisplay {
public:
  virtual ~HintDisplay() = default;
  virtual void showHint(const HintRequest &request) = 0;
  virtual void hideHint() = 0;
};

// nullptr gives the display back to the plain tooltip.
void setHintDisplay(HintDisplay *display);
HintDisplay *hintDisplay();

void showHint(const HintRequest &request);
void hideHint();

// The deepest visible child of `widget` under `pos` (in widget's
// coordinates), mouse-transparent ones included; `widget` itself if none.
QWidget *hintWidgetAt(QWidget *widget, const QPoint &pos);

// The hint request for a tooltip event at `pos` in `widget`: the nearest
// control with a hint under the point, going out towards `widget`. Its
// control is null when nothing there has a hint.
HintRequest hintRequestAt(QWidget *widget, const QPoint &pos, const QPoint &cursorPos);

// Installed once on the application: turns tooltip events into hint requests.
class HintRouter : public QObject {
  Q_OBJECT
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace platform
