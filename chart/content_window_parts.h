#pragma once
// Builders shared by the content window's files: every label, picture,
// button and date field of the window is made the same way.
#include "controls/date_field.h"
#include "controls/glyph_button.h"
#include "controls/picture_view.h"
#include "controls/text_label.h"
#include "core/date_text.h"
#include "platform/colors.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <string>

namespace content_parts {

inline constexpr char kMenuHint[] = "Right Click show the Option-Pop-Up menu...";

QColor qColor(platform::ColorCode c);
TextLabel *makeLabel(QWidget *parent, const char *name, const QPoint &at, const QString &text,
                     const QFont &font, platform::ColorCode fontColor);
// A picture strip for a button: normal, disabled (the same), pressed.
QPixmap buttonStrip(const char *normal, const char *pressed);
GlyphButton *makeButton(QWidget *parent, const char *name, const QRect &geometry,
                        const QString &caption, int fontHeight, const char *picture,
                        const char *pressedPicture, const char *hint);
DateField *makeDateField(QWidget *parent, const char *name, const QRect &geometry, int fontHeight,
                         const char *hint, const core::RegionalDateFormat &regional);
std::string utf8(const QString &text);

} // namespace content_parts
