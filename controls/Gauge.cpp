#include "controls/Gauge.h"

#include "platform/fonts.h"

#include <QPainter>

#include <algorithm>

TGauge::TGauge(QWidget *parent) : QWidget(parent) {
  setFont(platform::font(QStringLiteral("Arial"), -16));
  setFontColor(QColor(0, 0, 0));
}

void TGauge::setMinValue(int value) {
  minValue_ = value;
  maxValue_ = std::max(maxValue_, value);
  progress_ = std::clamp(progress_, minValue_, maxValue_);
  update();
}

void TGauge::setMaxValue(int value) {
  maxValue_ = value;
  minValue_ = std::min(minValue_, value);
  progress_ = std::clamp(progress_, minValue_, maxValue_);
  update();
}

void TGauge::setProgress(int value) {
  progress_ = std::clamp(value, minValue_, maxValue_);
  update();
}

int TGauge::PercentDone() const {
  const int64_t range = int64_t(maxValue_) - minValue_;
  if (range <= 0)
    return 0;
  return int((int64_t(progress_) - minValue_) * 100 / range);
}

int TGauge::filledHeight() const {
  return barRect().height() * PercentDone() / 100;
}

void TGauge::setForeColor(const QColor &value) {
  foreColor_ = value;
  update();
}

void TGauge::setBackColor(const QColor &value) {
  backColor_ = value;
  update();
}

void TGauge::setShowText(bool value) {
  showText_ = value;
  update();
}

void TGauge::setFontColor(const QColor &value) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, value);
  setPalette(p);
  update();
}

void TGauge::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.fillRect(rect(), QColor(0, 0, 0));
  const QRect bar = barRect();
  p.fillRect(bar, backColor_);
  const int filled = filledHeight();
  if (filled > 0)
    p.fillRect(QRect(bar.left(), bar.bottom() + 1 - filled, bar.width(), filled), foreColor_);
  if (showText_) {
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    p.drawText(bar, Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("%1%").arg(PercentDone()));
  }
}
