#include "platform/fonts.h"

#include <QFontMetrics>

namespace platform {

void installFontSubstitutions() {
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Book Antiqua"), QStringLiteral("P052"));
}

QFont font(const QString &family, int height, unsigned styles) {
  QFont f(family);
  if (height < 0) {
    f.setPixelSize(-height);
  } else if (height > 0) {
    // The largest em whose cell still fits the height.
    int em = height;
    f.setPixelSize(em);
    while (em > 1 && QFontMetrics(f).height() > height)
      f.setPixelSize(--em);
  }
  f.setBold(styles & fsBold);
  f.setItalic(styles & fsItalic);
  f.setUnderline(styles & fsUnderline);
  f.setStrikeOut(styles & fsStrikeOut);
  return f;
}

} // namespace platform
