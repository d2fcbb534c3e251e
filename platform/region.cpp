#include "platform/region.h"

#include "platform/session.h"

#include <QGuiApplication>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

#if defined(CALVORO_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace platform {
namespace {

constexpr const char *kRegionProperty = "_calvoro_window_region";

// The mask that stands for the empty region: one pixel just outside the
// window, since Qt reads an empty mask as no mask at all.
QRegion invisibleMask() {
  return QRegion(-1, -1, 1, 1);
}

QRegion maskFor(const Region &region) {
  return region.isEmpty() ? invisibleMask() : region.toQRegion();
}

// Unites rectangles pairwise, so many rectangles cost n log n rather than
// the n squared of adding them one by one.
QRegion uniteAll(std::vector<QRegion> parts) {
  if (parts.empty())
    return {};
  while (parts.size() > 1) {
    std::vector<QRegion> next;
    next.reserve((parts.size() + 1) / 2);
    for (size_t i = 0; i + 1 < parts.size(); i += 2)
      next.push_back(parts[i].united(parts[i + 1]));
    if (parts.size() % 2)
      next.push_back(parts.back());
    parts = std::move(next);
  }
  return parts.front();
}

// Where a mask only steers the mouse, Qt still clips a child's painting to the child's
// own mask: the window's children are cut to the region, over a see-through window.
void cutChildren(QWidget *window, const std::optional<Region> &region) {
  if (!onWayland() || !window->isWindow() || !window->testAttribute(Qt::WA_TranslucentBackground))
    return;
  for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
    if (child->isWindow())
      continue;
    if (region)
      child->setMask(maskFor(*region).translated(-child->pos()));
    else
      child->clearMask();
  }
}

} // namespace

Region::Region(std::vector<core::Rect> rects) : rects_(std::move(rects)) {}

Region::Region(const QRect &rect) {
  if (!rect.isEmpty())
    rects_.push_back({rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1});
}

Region Region::fromQRegion(const QRegion &region) {
  std::vector<core::Rect> rects;
  rects.reserve(size_t(region.rectCount()));
  for (const QRect &r : region)
    rects.push_back({r.left(), r.top(), r.right() + 1, r.bottom() + 1});
  return Region(std::move(rects));
}

std::optional<Region> Region::fromRegionData(std::span<const uint8_t> bytes) {
  auto data = core::decodeRegionData(bytes);
  if (!data)
    return std::nullopt;
  return Region(std::move(data->rects));
}

Region Region::roundRect(int left, int top, int right, int bottom, int ellipseWidth,
                         int ellipseHeight) {
  if (right < left)
    std::swap(left, right);
  if (bottom < top)
    std::swap(top, bottom);
  const double rx = std::min(std::abs(ellipseWidth), right - left) / 2.0;
  const double ry = std::min(std::abs(ellipseHeight), bottom - top) / 2.0;
  if (rx < 1 || ry < 1)
    return Region(std::vector<core::Rect>{{left, top, right, bottom}});

  // One span per pixel row, measured at the row's centre line; equal
  // neighbouring rows become one band.
  std::vector<core::Rect> rects;
  for (int y = top; y < bottom; ++y) {
    const double yc = y + 0.5;
    double dy = 0;
    if (yc < top + ry)
      dy = top + ry - yc;
    else if (yc > bottom - ry)
      dy = yc - (bottom - ry);
    const double t = dy / ry;
    const double inset = rx - rx * std::sqrt(std::max(0.0, 1.0 - t * t));
    const int l = left + int(std::lround(inset));
    const int r = right - int(std::lround(inset));
    if (r <= l)
      continue;
    if (!rects.empty() && rects.back().bottom == y && rects.back().left == l &&
        rects.back().right == r)
      rects.back().bottom = y + 1;
    else
      rects.push_back({l, y, r, y + 1});
  }
  return Region(std::move(rects));
}

Region Region::polygon(const QPolygon &points, Qt::FillRule rule) {
  return fromQRegion(QRegion(points, rule));
}

Region Region::rectDifference(const QRect &outer, const QRect &inner) {
  return fromQRegion(QRegion(outer).subtracted(QRegion(inner)));
}

Region Region::united(const Region &other) const {
  return fromQRegion(toQRegion().united(other.toQRegion()));
}

Region Region::intersected(const Region &other) const {
  return fromQRegion(toQRegion().intersected(other.toQRegion()));
}

Region Region::subtracted(const Region &other) const {
  return fromQRegion(toQRegion().subtracted(other.toQRegion()));
}

Region Region::xored(const Region &other) const {
  return fromQRegion(toQRegion().xored(other.toQRegion()));
}

bool Region::isEmpty() const {
  return std::all_of(rects_.begin(), rects_.end(), [](const core::Rect &r) { return r.empty(); });
}

QRect Region::boundingRect() const {
  return toQRegion().boundingRect();
}

QRegion Region::toQRegion() const {
  std::vector<QRegion> parts;
  parts.reserve(rects_.size());
  for (const core::Rect &r : rects_) {
    // Coordinates beyond half a billion pixels lie on no screen; held there, no
    // width or sum overflows inside QRegion.
    constexpr int32_t far = 1 << 29;
    const int32_t l = std::clamp(r.left, -far, far), t = std::clamp(r.top, -far, far);
    const int32_t rt = std::clamp(r.right, -far, far), b = std::clamp(r.bottom, -far, far);
    if (rt > l && b > t)
      parts.emplace_back(QRect(l, t, rt - l, b - t));
  }
  return uniteAll(std::move(parts));
}

std::vector<uint8_t> Region::toRegionData() const {
  return core::encodeRegionData(rects_);
}

void flushWindowSystem() {
#if defined(CALVORO_HAVE_XCB) && QT_CONFIG(xcb)
  // The offscreen platform answers as an X11 application too, without a
  // connection.
  auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (xcb_connection_t *connection = x11 ? x11->connection() : nullptr)
    xcb_flush(connection);
#endif
}

void setWindowRegion(QWidget *widget, const std::optional<Region> &region) {
  if (!widget)
    return;
  if (region) {
    // Where a mask only steers the mouse (Wayland), a window not yet made gets a
    // see-through background instead, so that what lies outside the mask, never painted,
    // does not show as black.
    if (widget->isWindow() && !widget->testAttribute(Qt::WA_WState_Created) && onWayland())
      widget->setAttribute(Qt::WA_TranslucentBackground);
    widget->setMask(maskFor(*region));
    widget->setProperty(kRegionProperty, QVariant::fromValue(*region));
  } else {
    widget->clearMask();
    widget->setProperty(kRegionProperty, QVariant());
  }
  cutChildren(widget, region);
  flushWindowSystem();
}

void makeInvisible(QWidget *widget) {
  setWindowRegion(widget, Region());
}

std::optional<Region> windowRegion(const QWidget *widget) {
  if (!widget)
    return std::nullopt;
  const QRegion mask = widget->mask();
  if (mask.isEmpty())
    return std::nullopt;
  const QVariant recorded = widget->property(kRegionProperty);
  if (recorded.canConvert<Region>()) {
    Region region = recorded.value<Region>();
    if (maskFor(region) == mask)
      return region;
  }
  if (mask == invisibleMask())
    return Region();
  return Region::fromQRegion(mask);
}

} // namespace platform
