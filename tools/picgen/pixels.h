#pragma once
// Small pixel-exact helpers shared by the drawings: shapes as masks,
// one-pixel outlines, and glyphs given as rows of characters.
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QStringList>

namespace px {

// A mask of the path's pixels (drawn without antialiasing) at the given size.
// The path is in the mask's pixel coordinates.
QImage mask(const QPainterPath &path, QSize size);

bool at(const QImage &mask, int x, int y); // false outside the image
void set(QImage &img, int x, int y, QColor c);

// Pixels of the mask that touch a pixel outside it (4-neighbourhood).
bool onEdge(const QImage &mask, int x, int y);

// Paints a glyph: each row a string, '#' in `ink`, 'o' in `second`,
// anything else left alone. (x, y) is the glyph's top-left pixel.
void glyph(QImage &img, int x, int y, const QStringList &rows, QColor ink,
           QColor second = Qt::transparent);

// Fills the path's pixels with `fill`, its edge pixels with `edge`.
void shape(QImage &img, const QPainterPath &path, QColor fill, QColor edge);

// A closed path through the points.
QPainterPath polygon(std::initializer_list<QPointF> points);

// A painter on the image with antialiasing off, for crisp palette drawing.
void crisp(class QPainter &p);

} // namespace px
