#pragma once
// What assistive technology (screen readers) learns of the controls: a gauge is a progress bar
// with its value and no action, a captioned panel is a button that can be pressed, and a label
// marked as a shadow (the offset copy that gives a caption its relief) is not there at all, so
// that each text is read once.
#include <QAccessible>
#include <QWidget>

namespace controls {

// Installs the descriptions; the windows' base does it when the first window is made.
void installAccessibility();

// Marks a label as the shadow copy of another one.
void setAccessibleShadow(QWidget *label, bool shadow = true);
bool isAccessibleShadow(const QWidget *label);

// The role of a plain widget that stands for something drawn (the chart); set it before the
// widget is first asked about.
void setAccessibleRole(QWidget *widget, QAccessible::Role role);

// Names the buttons whose captions are placed by blanks after their captions without them.
void nameButtonsByCaption(const QWidget *holder);

} // namespace controls
