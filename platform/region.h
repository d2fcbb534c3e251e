#pragma once
// Window regions: the outline a window is cut to. A region is a list of
// rectangles in window coordinates; it converts to QRegion for drawing and
// masking, and to and from the region-data bytes that window outlines are
// stored in.
//
// On a window, "no region" (std::nullopt) means the window is whole, while
// an empty region means nothing of it is seen: Qt has no empty mask (it
// treats one as "no mask"), so an empty region becomes a one-pixel mask
// outside the window, which hides it while it keeps its geometry, its
// visibility, its focus and its typing.
#include "core/region_data.h"

#include <QMetaType>
#include <QPolygon>
#include <QRect>
#include <QRegion>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class QWidget;

namespace platform {

class Region {
public:
  Region() = default;
  explicit Region(std::vector<core::Rect> rects);
  explicit Region(const QRect &rect);

  static Region fromQRegion(const QRegion &region);
  // nullopt when the bytes are not region data (see core::decodeRegionData).
  static std::optional<Region> fromRegionData(std::span<const uint8_t> bytes);

  // The rectangle (left, top) - (right, bottom) with corners rounded by an
  // ellipse of ellipseWidth x ellipseHeight.
  static Region roundRect(int left, int top, int right, int bottom, int ellipseWidth,
                          int ellipseHeight);
  static Region polygon(const QPolygon &points, Qt::FillRule rule = Qt::OddEvenFill);
  // outer minus inner: a hollow frame when inner lies inside outer.
  static Region rectDifference(const QRect &outer, const QRect &inner);

  Region united(const Region &other) const;
  Region intersected(const Region &other) const;
  Region subtracted(const Region &other) const;
  Region xored(const Region &other) const;

  const std::vector<core::Rect> &rects() const { return rects_; }
  bool isEmpty() const;
  QRect boundingRect() const;
  QRegion toQRegion() const;
  std::vector<uint8_t> toRegionData() const;

  // Same rectangles in the same order; use toQRegion() to compare pixels.
  bool operator==(const Region &) const = default;

private:
  std::vector<core::Rect> rects_;
};

// Sends the window system whatever requests are still buffered (masks,
// raise and lower wait in the X output buffer otherwise).
void flushWindowSystem();

// Cuts the widget to the region (nullopt: whole again) and flushes, so the
// change shows at once also in an idle program.
void setWindowRegion(QWidget *widget, const std::optional<Region> &region);

// The empty region: the widget stays shown, focused and typed into, but
// nothing of it is seen and clicks pass through.
void makeInvisible(QWidget *widget);

// The region the widget is cut to now, as last given through
// setWindowRegion or makeInvisible; a mask set directly on the widget is
// read back from the widget itself.
std::optional<Region> windowRegion(const QWidget *widget);

} // namespace platform

Q_DECLARE_METATYPE(platform::Region)
