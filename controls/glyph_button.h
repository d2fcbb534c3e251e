#pragma once
// GlyphButton: a push button with a caption and a picture beside it. It takes
// the keyboard focus only where its owner lets it, and then shows it with a
// dotted frame; Return and Space press it. The picture may be a strip of equal images:
// normal, then disabled, then pressed. Flat buttons show no edge until
// pressed.
#include <QPixmap>
#include <QPushButton>

enum class GlyphLayout { blGlyphLeft, blGlyphRight };

class GlyphButton : public QPushButton {
  Q_OBJECT

public:
  explicit GlyphButton(QWidget *parent = nullptr, const QString &caption = {});

  // A picture without transparency of its own takes its bottom-left pixel's
  // colour as transparent.
  void setGlyph(const QPixmap &strip, int numGlyphs = 1);
  const QPixmap &glyph() const { return strip_; }
  int numGlyphs() const { return numGlyphs_; }
  // The image shown for the button's state now.
  QPixmap currentGlyph() const;

  GlyphLayout glyphLayout() const { return layout_; }
  void setGlyphLayout(GlyphLayout value);
  // Pixels between picture and caption.
  int spacing() const { return spacing_; }
  void setSpacing(int value);

  // The caption's colour where a flat button shows what lies beneath it. On the
  // button's own face, which the style paints from the palette, the caption takes
  // the palette's button text, whatever is given here.
  void setFontColor(const QColor &color);

  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  QPixmap glyphAt(int index) const;

  QPixmap strip_;
  int numGlyphs_ = 1;
  GlyphLayout layout_ = GlyphLayout::blGlyphLeft;
  int spacing_ = 4;
  QColor fontColor_;
};
