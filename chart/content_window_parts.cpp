#include "chart/content_window_parts.h"

#include "core/date_text.h"
#include "platform/fonts.h"
#include "resources/pictures.h"

#include <QPainter>

namespace content_parts {

QColor qColor(platform::ColorCode c) {
  return platform::toQColor(c);
}

TextLabel *makeLabel(QWidget *parent, const char *name, const QPoint &at, const QString &text,
                     const QFont &font, platform::ColorCode fontColor) {
  auto *label = new TextLabel(parent, text);
  label->setObjectName(name);
  label->setFont(font);
  label->setFontColor(qColor(fontColor));
  label->setTransparent(true);
  label->move(at);
  label->show();
  return label;
}

QPixmap buttonStrip(const char *normal, const char *pressed) {
  QPixmap up = pictures::pixmap(QString::fromLatin1(normal));
  const QPixmap down = pressed ? pictures::pixmap(QString::fromLatin1(pressed)) : up;
  if (up.isNull())
    return up;
  QPixmap strip(up.width() * 3, up.height());
  strip.fill(Qt::transparent);
  QPainter painter(&strip);
  painter.drawPixmap(0, 0, up);
  painter.drawPixmap(up.width(), 0, up);
  painter.drawPixmap(up.width() * 2, 0, down);
  return strip;
}

GlyphButton *makeButton(QWidget *parent, const char *name, const QRect &geometry,
                        const QString &caption, int fontHeight, const char *picture,
                        const char *pressedPicture, const char *hint) {
  auto *button = new GlyphButton(parent, caption);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->setFont(platform::font(QStringLiteral("Arial"), fontHeight));
  button->setFontColor(Qt::black);
  button->setGlyph(buttonStrip(picture, pressedPicture), 3);
  button->setToolTip(QString::fromLatin1(hint));
  return button;
}

DateField *makeDateField(QWidget *parent, const char *name, const QRect &geometry, int fontHeight,
                         const char *hint, const core::RegionalDateFormat &regional) {
  auto *field = new DateField(parent);
  field->setObjectName(name);
  field->setGeometry(geometry);
  field->setFont(platform::font(QStringLiteral("Arial"), fontHeight));
  field->setDateSeparator(QChar::fromLatin1(regional.separator));
  field->setYearFirst(regional.order == core::DateOrder::YMD);
  // The design text "01/01/0001", written in the regional order and separator.
  field->setText(QString::fromStdString(
      core::formatDate(core::Date{1, 1, 1}, core::numericDatePattern(regional.order), regional)));
  field->setToolTip(QString::fromLatin1(hint));
  return field;
}

std::string utf8(const QString &text) {
  return text.toUtf8().toStdString();
}

} // namespace content_parts
