#pragma once
// BarGauge: a vertical bar that fills from the bottom in proportion to
// Progress between minValue and maxValue, with the percentage as text
// ("NN%") centred over it and a thin border.
#include "platform/colors.h"

#include <QColor>
#include <QWidget>

class BarGauge : public QWidget {
  Q_OBJECT

public:
  explicit BarGauge(QWidget *parent = nullptr);

  int minValue() const { return minValue_; }
  void setMinValue(int value);
  int maxValue() const { return maxValue_; }
  void setMaxValue(int value);
  // Kept within minValue..maxValue.
  int progress() const { return progress_; }
  void setProgress(int value);
  // Whole percent of the range that Progress has reached.
  int percentDone() const;

  QColor foreColor() const { return foreColor_; }
  void setForeColor(const QColor &value);
  // Pale yellow unless set.
  QColor backColor() const { return backColor_; }
  void setBackColor(const QColor &value);
  bool showText() const { return showText_; }
  void setShowText(bool value);
  void setFontColor(const QColor &value);

  // The area inside the border.
  QRect barRect() const { return rect().adjusted(1, 1, -1, -1); }
  // Height of the filled part of barRect(), from its bottom.
  int filledHeight() const;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  int minValue_ = 0;
  int maxValue_ = 100;
  int progress_ = 0;
  QColor foreColor_ = Qt::black;
  QColor backColor_ = platform::toQColor(platform::clPaleYellow);
  bool showText_ = true;
};
