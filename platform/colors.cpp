#include "platform/colors.h"

#include <QGuiApplication>

#include <array>

namespace platform {

namespace {

struct NamedColor {
  const char *name;
  ColorCode color;
};

constexpr std::array kColors{
    NamedColor{"clBlack", clBlack},
    NamedColor{"clMaroon", clMaroon},
    NamedColor{"clGreen", clGreen},
    NamedColor{"clOlive", clOlive},
    NamedColor{"clNavy", clNavy},
    NamedColor{"clPurple", clPurple},
    NamedColor{"clTeal", clTeal},
    NamedColor{"clGray", clGray},
    NamedColor{"clSilver", clSilver},
    NamedColor{"clRed", clRed},
    NamedColor{"clLime", clLime},
    NamedColor{"clYellow", clYellow},
    NamedColor{"clBlue", clBlue},
    NamedColor{"clFuchsia", clFuchsia},
    NamedColor{"clAqua", clAqua},
    NamedColor{"clWhite", clWhite},
    NamedColor{"clActiveCaption", clActiveCaption},
    NamedColor{"clWindow", clWindow},
    NamedColor{"clWindowFrame", clWindowFrame},
    NamedColor{"clMenu", clMenu},
    NamedColor{"clMenuText", clMenuText},
    NamedColor{"clWindowText", clWindowText},
    NamedColor{"clHighlight", clHighlight},
    NamedColor{"clHighlightText", clHighlightText},
    NamedColor{"clBtnFace", clBtnFace},
    NamedColor{"clBtnShadow", clBtnShadow},
    NamedColor{"clGrayText", clGrayText},
    NamedColor{"clBtnText", clBtnText},
    NamedColor{"clBtnHighlight", clBtnHighlight},
    NamedColor{"clInfoText", clInfoText},
    NamedColor{"clInfoBk", clInfoBk},
};

QColor systemColor(int index, const QPalette &p) {
  switch (index) {
  case 2: // title bar of the active window
    return p.color(QPalette::Active, QPalette::Highlight);
  case 4: // menu
    return p.color(QPalette::Window);
  case 5: // window background
    return p.color(QPalette::Base);
  case 6: // window frame: the window text colour, black on a light scheme; the palette's
          // shadow is a mid grey in Qt's styles
    return p.color(QPalette::WindowText);
  case 7: // menu text
  case 8: // window text
    return p.color(QPalette::Text);
  case 13:
    return p.color(QPalette::Highlight);
  case 14:
    return p.color(QPalette::HighlightedText);
  case 15:
    return p.color(QPalette::Button);
  case 16:
    return p.color(QPalette::Dark);
  case 17:
    return p.color(QPalette::Disabled, QPalette::Text);
  case 18:
    return p.color(QPalette::ButtonText);
  case 20:
    return p.color(QPalette::Light);
  case 23:
    return p.color(QPalette::ToolTipText);
  case 24:
    return p.color(QPalette::ToolTipBase);
  default:
    return QColor(Qt::black);
  }
}

QColor plainColor(ColorCode color) {
  const auto bits = static_cast<std::uint32_t>(color);
  return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                static_cast<int>((bits >> 16) & 0xFFu));
}

QColor classicColor(ColorCode color) {
  if (!isSystemColor(color))
    return plainColor(color);
  switch (static_cast<std::uint32_t>(color) & 0xFFu) {
  case 2:  // active title bar
  case 13: // highlight
    return plainColor(clNavy);
  case 4:  // menu
  case 15: // button face
    return plainColor(clSilver);
  case 5:  // window background
  case 14: // highlighted text
  case 20: // button highlight
    return plainColor(clWhite);
  case 16: // button shadow
  case 17: // grey text
    return plainColor(clGray);
  case 24: // hint background
    return QColor(255, 255, 225);
  default: // the text and frame colours
    return plainColor(clBlack);
  }
}

} // namespace

QColor toQColor(ColorCode color, const QPalette &palette) {
  if (isSystemColor(color))
    return systemColor(static_cast<int>(static_cast<std::uint32_t>(color) & 0xFFu), palette);
  return plainColor(color);
}

QColor toQColor(ColorCode color) {
  return toQColor(color, QGuiApplication::palette());
}

QColor toQColorOn(ColorCode color, ColorCode ground, const QPalette &palette) {
  return isSystemColor(ground) ? toQColor(color, palette) : classicColor(color);
}

std::optional<ColorCode> colorByName(const QString &name) {
  for (const NamedColor &c : kColors)
    if (name.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
      return c.color;
  return std::nullopt;
}

} // namespace platform
