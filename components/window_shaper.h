#pragma once
// WindowShaper: cuts a window to a stored outline. The outline is kept as
// region data in the stored FormShape layout (a 4-byte length N, then N
// bytes of region data) and applied as the window's region while Active.
#include "platform/region.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

class QIODevice;

class WindowShaper : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool active READ isActive WRITE setActive)
  Q_PROPERTY(QWidget *controlToShape READ controlToShape WRITE setControlToShape)
  Q_PROPERTY(QByteArray shape READ shape WRITE setShape)

public:
  // The owner is the form shaped when no control to shape is given.
  explicit WindowShaper(QWidget *owner);
  // Releases the data only: the window keeps the region it has.
  ~WindowShaper() override;

  bool isActive() const { return active_; }
  virtual void setActive(bool value);

  QWidget *controlToShape() const { return controlToShape_; }
  virtual void setControlToShape(QWidget *value);

  // The shape in the stored layout, as a new byte array of the caller's.
  QByteArray shape() const { return saveShape(); }
  // Loads the shape from the whole array (see loadShape).
  void setShape(const QByteArray &stored) { loadShape(stored); }
  // Loads from a stream: emptiness is judged on the stream's whole size,
  // reading starts at its current position.
  void setShape(QIODevice &stream);

  // FormShape as stored with the form. Empty data clear the shape and take
  // the region off the target. Otherwise the data replace the shape without
  // applying it: an active shaper keeps the old region until switched off
  // and on again. A length that promises more bytes than follow clears the
  // shape like empty data, and nothing is allocated beyond what is there.
  void loadShape(const QByteArray &stored);
  // N then the N bytes; nothing at all for an empty shape.
  QByteArray saveShape() const;

  // The window the shape goes to: the control to shape, else the owner.
  QWidget *target() const;
  // The region data held (N bytes).
  const std::vector<uint8_t> &regionData() const { return data_; }

private:
  void clearShape();
  void loadRegionData(std::vector<uint8_t> data);

  QPointer<QWidget> owner_;
  QPointer<QWidget> controlToShape_;
  QMetaObject::Connection controlWatch_;
  std::vector<uint8_t> data_;
  // The region last made from the data, kept for reference only.
  std::optional<platform::Region> region_;
  bool active_ = false;
};
