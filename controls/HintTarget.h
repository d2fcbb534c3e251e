#pragma once
// Labels and pictures let the mouse through to the window beneath, so they
// never receive tooltip events themselves. These find the control a hint
// belongs to by geometry instead.
#include <QPoint>

class QEvent;
class QWidget;

// The deepest visible child of `widget` under `pos` (in widget's
// coordinates), mouse-transparent ones included; `widget` itself if none.
QWidget *hintWidgetAt(QWidget *widget, const QPoint &pos);

// Answers a QEvent::ToolTip sent to `widget` with the hint of the control
// under the point. Returns false for other events.
bool showHintFor(QWidget *widget, QEvent *event);
