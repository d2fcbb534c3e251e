#pragma once
// TBitBtn: a push button with a caption and a picture beside it, never
// taking the keyboard focus. The picture may be a strip of equal images:
// normal, then disabled, then pressed. Flat buttons show no edge until
// pressed.
#include <QPixmap>
#include <QPushButton>

enum class TButtonLayout { blGlyphLeft, blGlyphRight };

class TBitBtn : public QPushButton {
  Q_OBJECT

public:
  explicit TBitBtn(QWidget *parent = nullptr, const QString &caption = {});

  // A picture without transparency of its own takes its bottom-left pixel's
  // colour as transparent.
  void setGlyph(const QPixmap &strip, int numGlyphs = 1);
  const QPixmap &Glyph() const { return strip_; }
  int NumGlyphs() const { return numGlyphs_; }
  // The image shown for the button's state now.
  QPixmap currentGlyph() const;

  TButtonLayout GlyphLayout() const { return layout_; }
  void setGlyphLayout(TButtonLayout value);
  // Pixels between picture and caption.
  int Spacing() const { return spacing_; }
  void setSpacing(int value);

  void setFontColor(const QColor &color);

  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  QPixmap glyph(int index) const;

  QPixmap strip_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int spacing_ = 4;
};
