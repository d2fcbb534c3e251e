// Region data: what decodes encodes back to the same rectangles, and the
// rectangles made from a mask cover each set pixel exactly once.
#include "core/region_data.h"
#include "fuzz_check.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  if (const auto decoded = core::decodeRegionData(bytes)) {
    const auto again = core::decodeRegionData(core::encodeRegionData(decoded->rects));
    FUZZ_CHECK(again && again->rects == decoded->rects);
  }
  if (const auto stored = core::decodeStoredShape(bytes)) {
    const auto restored = core::decodeStoredShape(core::encodeStoredShape(*stored));
    FUZZ_CHECK(restored && *restored == *stored);
  }

  // A mask of up to 64 × 64 pixels from the bytes, one bit each.
  if (size < 2)
    return 0;
  const int width = data[0] % 64 + 1;
  const int height = data[1] % 64 + 1;
  std::vector<bool> mask(static_cast<size_t>(width * height));
  for (size_t i = 0; i < mask.size(); ++i) {
    const size_t byte = 2 + i / 8;
    mask[i] = byte < size && (data[byte] >> (i % 8)) & 1;
  }
  std::vector<int> covered(mask.size());
  for (const core::Rect &r : core::rectsFromMask(mask, width, height)) {
    FUZZ_CHECK(!r.empty() && r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height);
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        ++covered[static_cast<size_t>(y * width + x)];
  }
  for (size_t i = 0; i < mask.size(); ++i)
    FUZZ_CHECK(covered[i] == (mask[i] ? 1 : 0));
  return 0;
}
