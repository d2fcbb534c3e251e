#include "controls/bar_gauge.h"

#include "platform/fonts.h"

#include <QPainter>

#include <algorithm>

BarGauge::BarGauge(QWidget *parent) : QWidget(parent) {
  setFont(platform::font(QStringLiteral("Arial"), -16));
  setFontColor(Qt::black);
}

void BarGauge::setMinValue(int value) {
  minValue_ = value;
  maxValue_ = std::max(maxValue_, value);
  progress_ = std::clamp(progress_, minValue_, maxValue_);
  update();
}

void BarGauge::setMaxValue(int value) {
  maxValue_ = value;
  minValue_ = std::min(minValue_, value);
  progress_ = std::clamp(progress_, minValue_, maxValue_);
  update();
}

void BarGauge::setProgress(int value) {
  progress_ = std::clamp(value, minValue_, maxValue_);
  update();
}

int BarGauge::percentDone() const {
  const int64_t range = int64_t(maxValue_) - minValue_;
  if (range <= 0)
    return 0;
  return int((int64_t(progress_) - minValue_) * 100 / range);
}

int BarGauge::filledHeight() const {
  return barRect().height() * percentDone() / 100;
}

void BarGauge::setForeColor(const QColor &value) {
  foreColor_ = value;
  update();
}

void BarGauge::setBackColor(const QColor &value) {
  backColor_ = value;
  update();
}

void BarGauge::setShowText(bool value) {
  showText_ = value;
  update();
}

void BarGauge::setFontColor(const QColor &value) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, value);
  setPalette(p);
  update();
}

void BarGauge::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  const QRect bar = barRect();
  p.fillRect(bar, backColor_);
  const int filled = filledHeight();
  if (filled > 0)
    p.fillRect(QRect(bar.left(), bar.bottom() + 1 - filled, bar.width(), filled), foreColor_);
  if (showText_) {
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    p.drawText(bar, Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("%1%").arg(percentDone()));
  }
}
