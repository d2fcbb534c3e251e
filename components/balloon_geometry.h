#pragma once
// Sizes and places a balloon: pure arithmetic on rectangles and points, in
// the window's client coordinates (sizes) and screen coordinates (places).
#include "components/balloon_types.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

namespace balloon {

// Space taken around the text: tail, margins and shadow come on top.
inline constexpr int kExtraWidth = 33;
inline constexpr int kExtraHeight = 38;
inline constexpr int kMinWidth = 59;
// The body's share given to the tail on each side.
inline constexpr int kTailWidth = 15;
inline constexpr int kTailHeight = 19;
inline constexpr int kTextMargin = 9;
inline constexpr int kCornerEllipse = 18;
inline constexpr int kMaxShadowDepth = 16;
// Hint texts are cut to this many characters.
inline constexpr int kMaxTextLength = 255;

// The widest balloon in pixels for a maxWidth setting on a screen this wide:
// a negative setting divides the screen width, a positive one is pixels; 0
// means no limit beyond the screen.
int maxWidthPixels(int maxWidth, int screenWidth);

// The width the text is wrapped to for a cursor at cursorX: the wider side of
// the screen, at most maxPixels, less shadow and margins; at least 1.
int measuringWidth(int cursorX, const QRect &screen, int maxPixels, int shadowDepth);

// The window's size for text measured to textSize.
QSize windowSize(QSize textSize, int shadowDepth);

struct Geometry {
  QRect body;                 // as a region: right and bottom edges exclusive
  std::array<QPoint, 3> tail; // tip first, then the two base points
  QRect text;                 // the body less the margin
};

Geometry geometry(QSize client, BalloonPosition position, int shadowDepth);

// Top-left of a window of this size at the cursor for a position.
QPoint place(BalloonPosition position, QPoint cursor, QSize size);

struct Placement {
  BalloonPosition position;
  QPoint topLeft;
};

// Places at the preferred position and flips to the other side of the cursor
// where the screen ends; a balloon that fits on neither side is pushed back
// onto the screen so that none of it is cut off.
Placement placeOnScreen(BalloonPosition preferred, QPoint cursor, QSize size, const QRect &screen);

} // namespace balloon
