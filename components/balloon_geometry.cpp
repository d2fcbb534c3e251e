#include "components/balloon_geometry.h"

#include <algorithm>
#include <cstdlib>

namespace balloon {

int maxWidthPixels(int maxWidth, int screenWidth) {
  if (maxWidth == 0)
    return screenWidth;
  if (maxWidth < 0)
    return int(screenWidth / std::llabs(static_cast<long long>(maxWidth)));
  return std::min(maxWidth, screenWidth);
}

int measuringWidth(int cursorX, const QRect &screen, int maxPixels, int shadowDepth) {
  const int available = std::max(screen.right() + 1 - cursorX, cursorX - screen.left());
  return std::max(1, std::min(available, maxPixels) - shadowDepth - kExtraWidth);
}

QSize windowSize(QSize textSize, int shadowDepth) {
  return {std::max(textSize.width() + shadowDepth + kExtraWidth, kMinWidth),
          textSize.height() + shadowDepth + kExtraHeight};
}

Geometry geometry(QSize client, BalloonPosition position, int shadowDepth) {
  const int w = client.width(), h = client.height(), sd = shadowDepth;
  QRect body(0, 0, w - sd - kTailWidth, h - sd - kTailHeight);
  QPoint tip;
  int dx = 21, far = 41, dy = -20;
  switch (position) {
  case BalloonPosition::bpAboveLeft:
    tip = {w - sd, h - sd};
    dx = -dx, far = -far;
    break;
  case BalloonPosition::bpAboveRight:
    body.translate(kTailWidth, 0);
    tip = {0, h - sd};
    break;
  case BalloonPosition::bpBelowLeft:
    body.translate(0, kTailHeight);
    tip = {w - sd, 0};
    dx = -dx, far = -far, dy = 19;
    break;
  case BalloonPosition::bpBelowRight:
    body.translate(kTailWidth, kTailHeight);
    tip = {0, 0};
    dy = 19;
    break;
  }
  Geometry g;
  g.body = body;
  g.tail = {tip, tip + QPoint(dx, dy), tip + QPoint(far, dy)};
  g.text = body.adjusted(kTextMargin, kTextMargin, -kTextMargin, -kTextMargin);
  return g;
}

QPoint place(BalloonPosition position, QPoint cursor, QSize size) {
  switch (position) {
  case BalloonPosition::bpAboveLeft:
    return {cursor.x() - size.width(), cursor.y() - size.height()};
  case BalloonPosition::bpAboveRight:
    return {cursor.x(), cursor.y() - size.height()};
  case BalloonPosition::bpBelowLeft:
    return {cursor.x() - size.width(), cursor.y()};
  case BalloonPosition::bpBelowRight:
    break;
  }
  return {cursor.x() + 1, cursor.y() + 1};
}

Placement placeOnScreen(BalloonPosition preferred, QPoint cursor, QSize size, const QRect &screen) {
  QPoint at = place(preferred, cursor, size);
  int vertical = int(preferred) / 2, horizontal = int(preferred) % 2;
  // Decided once, from the preferred placement.
  if (at.y() + size.height() > screen.bottom() + 1)
    vertical = 0;
  if (at.y() < screen.top())
    vertical = 1;
  if (at.x() + size.width() > screen.right() + 1)
    horizontal = 0;
  if (at.x() < screen.left())
    horizontal = 1;
  const auto position = BalloonPosition(vertical * 2 + horizontal);
  if (position != preferred)
    at = place(position, cursor, size);
  // Too big for either side: better a tail off the cursor than a cut text.
  at.setX(std::clamp(at.x(), screen.left(),
                     std::max(screen.left(), screen.right() + 1 - size.width())));
  at.setY(std::clamp(at.y(), screen.top(),
                     std::max(screen.top(), screen.bottom() + 1 - size.height())));
  return {position, at};
}

} // namespace balloon
