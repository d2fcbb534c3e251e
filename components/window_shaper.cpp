#include "components/window_shaper.h"

#include <QIODevice>

#include <cstring>
#include <span>

namespace {

uint32_t readLength(const char *p) {
  const auto *b = reinterpret_cast<const uint8_t *>(p);
  return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

} // namespace

WindowShaper::WindowShaper(QWidget *owner) : QObject(owner), owner_(owner) {}

WindowShaper::~WindowShaper() = default;

QWidget *WindowShaper::target() const {
  return controlToShape_ ? controlToShape_.data() : owner_.data();
}

void WindowShaper::setActive(bool value) {
  QWidget *window = target();
  if (!window)
    return;
  if (value) {
    if (data_.empty() || active_)
      return;
    active_ = true;
    // Data that are not region data give no region: the window stays whole.
    region_ = platform::Region::fromRegionData(data_);
    platform::setWindowRegion(window, region_);
  } else {
    platform::setWindowRegion(window, std::nullopt);
    active_ = false;
  }
}

void WindowShaper::setControlToShape(QWidget *value) {
  if (active_)
    setActive(false);
  disconnect(controlWatch_);
  controlToShape_ = value;
  if (value) {
    // The window going away takes its region with it: nothing to undo.
    controlWatch_ = connect(value, &QObject::destroyed, this, [this] {
      controlToShape_ = nullptr;
      active_ = false;
    });
  }
}

void WindowShaper::clearShape() {
  if (QWidget *window = target())
    platform::setWindowRegion(window, std::nullopt);
  data_.clear();
  data_.shrink_to_fit();
  region_.reset();
}

void WindowShaper::loadRegionData(std::vector<uint8_t> data) {
  data_ = std::move(data);
  region_.reset();
}

void WindowShaper::setShape(QIODevice &stream) {
  if (stream.size() == 0) {
    clearShape();
    return;
  }
  char length[4];
  if (stream.read(length, 4) != 4) {
    clearShape();
    return;
  }
  const uint32_t n = readLength(length);
  // A length is only believed as far as the bytes behind it go, so a
  // damaged or hostile length never reads past the end nor asks for memory
  // that the stream cannot fill.
  if (qint64(n) > stream.bytesAvailable()) {
    clearShape();
    return;
  }
  std::vector<uint8_t> data(n);
  if (n > 0 && stream.read(reinterpret_cast<char *>(data.data()), n) != qint64(n)) {
    clearShape();
    return;
  }
  loadRegionData(std::move(data));
}

void WindowShaper::loadShape(const QByteArray &stored) {
  if (stored.isEmpty()) {
    clearShape();
    return;
  }
  const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t *>(stored.constData()),
                                       size_t(stored.size()));
  auto data = core::decodeStoredShape(bytes);
  if (!data) {
    clearShape();
    return;
  }
  loadRegionData(std::move(*data));
}

QByteArray WindowShaper::saveShape() const {
  QByteArray out;
  if (data_.empty())
    return out;
  const auto stored = core::encodeStoredShape(data_);
  out.resize(qsizetype(stored.size()));
  std::memcpy(out.data(), stored.data(), stored.size());
  return out;
}
