#pragma once
// BarGauge: a vertical bar that fills from the bottom in proportion to
// Progress between MinValue and MaxValue, with the percentage as text
// ("NN%") centred over it and a thin border.
#include <QColor>
#include <QWidget>

class BarGauge : public QWidget {
  Q_OBJECT

public:
  explicit BarGauge(QWidget *parent = nullptr);

  int MinValue() const { return minValue_; }
  void setMinValue(int value);
  int MaxValue() const { return maxValue_; }
  void setMaxValue(int value);
  // Kept within MinValue..MaxValue.
  int Progress() const { return progress_; }
  void setProgress(int value);
  // Whole percent of the range that Progress has reached.
  int PercentDone() const;

  QColor ForeColor() const { return foreColor_; }
  void setForeColor(const QColor &value);
  // Pale yellow unless set.
  QColor BackColor() const { return backColor_; }
  void setBackColor(const QColor &value);
  bool ShowText() const { return showText_; }
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
  QColor foreColor_ = QColor(0, 0, 0);
  QColor backColor_ = QColor(255, 255, 221); // 14548991
  bool showText_ = true;
};
