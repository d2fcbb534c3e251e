#pragma once
// Window fonts by family name and height, with the families the windows name mapped to
// installed look-alikes.

#include <QFont>
#include <QString>

namespace platform {

enum FontStyle : unsigned { fsBold = 1u, fsItalic = 2u, fsUnderline = 4u, fsStrikeOut = 8u };

// Maps "Arial", "Times New Roman", "MS Sans Serif" and "Book Antiqua" to installed
// look-alikes. Call once, after the application object exists.
void installFontSubstitutions();

// A font by family and height in pixels: a negative height -N is an em of N pixels; a
// positive height is the whole character cell (ascent plus descent). `styles` are FontStyle
// bits.
QFont font(const QString &family, int height, unsigned styles = 0);

} // namespace platform
