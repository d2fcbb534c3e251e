#include "core/region_data.h"

#include <algorithm>
#include <limits>

namespace core {
namespace {

void put32(std::vector<uint8_t> &out, uint32_t v) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

uint32_t get32(std::span<const uint8_t> b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
         uint32_t(b[at + 3]) << 24;
}

void putRect(std::vector<uint8_t> &out, const Rect &r) {
  put32(out, static_cast<uint32_t>(r.left));
  put32(out, static_cast<uint32_t>(r.top));
  put32(out, static_cast<uint32_t>(r.right));
  put32(out, static_cast<uint32_t>(r.bottom));
}

Rect getRect(std::span<const uint8_t> b, size_t at) {
  return {static_cast<int32_t>(get32(b, at)), static_cast<int32_t>(get32(b, at + 4)),
          static_cast<int32_t>(get32(b, at + 8)), static_cast<int32_t>(get32(b, at + 12))};
}

} // namespace

std::vector<uint8_t> encodeRegionData(const std::vector<Rect> &rects) {
  Rect bounds;
  bool first = true;
  for (const Rect &r : rects) {
    if (first) {
      bounds = r;
      first = false;
    } else {
      bounds.left = std::min(bounds.left, r.left);
      bounds.top = std::min(bounds.top, r.top);
      bounds.right = std::max(bounds.right, r.right);
      bounds.bottom = std::max(bounds.bottom, r.bottom);
    }
  }
  std::vector<uint8_t> out;
  out.reserve(kRegionHeaderSize + 16 * rects.size());
  put32(out, kRegionHeaderSize);
  put32(out, kRegionTypeRects);
  put32(out, static_cast<uint32_t>(rects.size()));
  put32(out, static_cast<uint32_t>(16 * rects.size()));
  putRect(out, bounds);
  for (const Rect &r : rects)
    putRect(out, r);
  return out;
}

std::optional<RegionData> decodeRegionData(std::span<const uint8_t> bytes) {
  if (bytes.size() < kRegionHeaderSize)
    return std::nullopt;
  const uint32_t header = get32(bytes, 0);
  const uint32_t type = get32(bytes, 4);
  const uint32_t count = get32(bytes, 8);
  if (header != kRegionHeaderSize || type != kRegionTypeRects)
    return std::nullopt;
  // The count is checked against the bytes actually present before anything
  // is allocated, so a hostile count cannot ask for a huge buffer.
  const size_t available = (bytes.size() - kRegionHeaderSize) / 16;
  if (count > available)
    return std::nullopt;
  RegionData out;
  out.bounds = getRect(bytes, 16);
  out.rects.reserve(count);
  for (uint32_t i = 0; i < count; ++i)
    out.rects.push_back(getRect(bytes, kRegionHeaderSize + 16 * size_t(i)));
  return out;
}

std::vector<uint8_t> encodeStoredShape(std::span<const uint8_t> regionData) {
  std::vector<uint8_t> out;
  if (regionData.empty())
    return out;
  out.reserve(4 + regionData.size());
  put32(out, static_cast<uint32_t>(regionData.size()));
  out.insert(out.end(), regionData.begin(), regionData.end());
  return out;
}

std::optional<std::vector<uint8_t>> decodeStoredShape(std::span<const uint8_t> stored) {
  if (stored.empty())
    return std::vector<uint8_t>{};
  if (stored.size() < 4)
    return std::nullopt;
  const uint32_t n = get32(stored, 0);
  if (n > stored.size() - 4)
    return std::nullopt;
  return std::vector<uint8_t>(stored.begin() + 4, stored.begin() + 4 + n);
}

std::vector<Rect> rectsFromMask(const std::vector<bool> &mask, int width, int height) {
  std::vector<Rect> out;
  if (width <= 0 || height <= 0 || mask.size() < size_t(width) * size_t(height))
    return out;
  // Runs of the previous row still open as bands, extended while the next row
  // has exactly the same runs.
  std::vector<Rect> open;
  auto rowRuns = [&](int y) {
    std::vector<Rect> runs;
    int x = 0;
    while (x < width) {
      while (x < width && !mask[size_t(y) * width + x])
        ++x;
      if (x >= width)
        break;
      int start = x;
      while (x < width && mask[size_t(y) * width + x])
        ++x;
      runs.push_back({start, y, x, y + 1});
    }
    return runs;
  };
  for (int y = 0; y < height; ++y) {
    std::vector<Rect> runs = rowRuns(y);
    bool same = runs.size() == open.size() && !open.empty();
    for (size_t i = 0; same && i < runs.size(); ++i)
      same = runs[i].left == open[i].left && runs[i].right == open[i].right;
    if (same) {
      for (Rect &r : open)
        r.bottom = y + 1;
    } else {
      out.insert(out.end(), open.begin(), open.end());
      open = std::move(runs);
    }
  }
  out.insert(out.end(), open.begin(), open.end());
  return out;
}

} // namespace core
