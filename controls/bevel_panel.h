#pragma once
// BevelPanel: a rectangle of its own colour with bevels, an optional single-line
// border and a centred caption. It is a control of its own: presses on it
// do not reach the window beneath (they make a click instead).
#include "platform/colors.h"

#include <QColor>
#include <QWidget>

enum class BevelCut { bvNone, bvLowered, bvRaised };
enum class PanelBorder { bsNone, bsSingle };

class BevelPanel : public QWidget {
  Q_OBJECT

public:
  explicit BevelPanel(QWidget *parent = nullptr);

  BevelCut bevelInner() const { return bevelInner_; }
  void setBevelInner(BevelCut value);
  BevelCut bevelOuter() const { return bevelOuter_; }
  void setBevelOuter(BevelCut value);
  int bevelWidth() const { return bevelWidth_; }
  void setBevelWidth(int value);
  PanelBorder borderStyle() const { return borderStyle_; }
  void setBorderStyle(PanelBorder value);
  // Flat: a single-line border is one dark line; otherwise a sunken edge.
  bool isFlat() const { return flat_; }
  void setFlat(bool value);

  QString caption() const { return caption_; }
  void setCaption(const QString &value);
  QColor color() const { return palette().color(QPalette::Window); }
  void setColor(const QColor &value);
  void setFontColor(const QColor &value);

  // The area inside the border and the bevels, where the caption goes.
  QRect innerRect() const;

signals:
  void clicked();

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

private:
  BevelCut bevelInner_ = BevelCut::bvNone;
  BevelCut bevelOuter_ = BevelCut::bvRaised;
  int bevelWidth_ = 1;
  PanelBorder borderStyle_ = PanelBorder::bsNone;
  bool flat_ = false;
  bool pressed_ = false;
  QString caption_;
};

// The small "X" panel in a window's corner that hides the window: 20 × 20,
// raised, bold, with its hint, on `face`; its "X" is in the window text colour
// as it reads on that face. The caller connects its click.
BevelPanel *newCloseCorner(QWidget *parent, const char *name, platform::ColorCode face);
