#pragma once
// The classic 16-colour palette and the conversion of a drawing into it.
#include <QColor>
#include <QImage>
#include <QList>

namespace pal {

// Palette entries by their usual names.
inline const QColor black{0, 0, 0}, maroon{128, 0, 0}, green{0, 128, 0}, olive{128, 128, 0},
    navy{0, 0, 128}, purple{128, 0, 128}, teal{0, 128, 128}, silver{192, 192, 192},
    gray{128, 128, 128}, red{255, 0, 0}, lime{0, 255, 0}, yellow{255, 255, 0}, blue{0, 0, 255},
    fuchsia{255, 0, 255}, aqua{0, 255, 255}, white{255, 255, 255};

// The 16 colours in their classic order.
const QList<QRgb> &classic16();

// A transparent, ARGB canvas to draw on.
QImage canvas(int width, int height, QColor fill = Qt::transparent);

// Maps every pixel to the nearest palette colour without dithering. Pixels
// with alpha below one half become the one transparent entry; all others are
// opaque. The result is an indexed image holding only the entries it uses,
// so the same drawing always gives the same colour table.
QImage toPalette16(const QImage &drawing);

} // namespace pal
