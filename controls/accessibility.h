#pragma once
// What assistive technology (screen readers) learns of the controls: a gauge is a progress bar
// with its value, a captioned panel is a button, and a label marked as a shadow (the offset
// copy that gives a caption its relief) is not there at all, so that each text is read once.
#include <QWidget>

namespace controls {

// Installs the descriptions; the windows' base does it when the first window is made.
void installAccessibility();

// Marks a label as the shadow copy of another one.
void setAccessibleShadow(QWidget *label, bool shadow = true);
bool isAccessibleShadow(const QWidget *label);

} // namespace controls
