#pragma once
// Window outlines as stored bytes: a list of rectangles in the little-endian
// region-data layout (32-byte header, bounding box, then left/top/right/bottom
// per rectangle), and the 4-byte-length-prefixed form a window stores it in.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace core {

struct Rect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const Rect &) const = default;
  bool empty() const { return right <= left || bottom <= top; }
};

struct RegionData {
  Rect bounds;
  std::vector<Rect> rects;
  bool operator==(const RegionData &) const = default;
};

constexpr uint32_t kRegionHeaderSize = 32;
constexpr uint32_t kRegionTypeRects = 1;

// Encodes rectangles as region data; the bounding box is computed from them.
std::vector<uint8_t> encodeRegionData(const std::vector<Rect> &rects);

// Decodes region data; nullopt when the header, the counts or the size do not
// agree with the bytes given. Never reads past the span.
std::optional<RegionData> decodeRegionData(std::span<const uint8_t> bytes);

// The stored form: 4-byte length N, then N bytes of region data. Empty data
// are stored as nothing at all.
std::vector<uint8_t> encodeStoredShape(std::span<const uint8_t> regionData);

// Splits a stored form into its region-data bytes; nullopt when the length
// field is missing or promises more bytes than there are.
std::optional<std::vector<uint8_t>> decodeStoredShape(std::span<const uint8_t> stored);

// Rectangles covering the set pixels of a row-major mask, one rectangle per
// run, with vertically identical runs merged into bands.
std::vector<Rect> rectsFromMask(const std::vector<bool> &mask, int width, int height);

} // namespace core
