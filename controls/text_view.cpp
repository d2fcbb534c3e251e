#include "controls/text_view.h"

#include <QTextDocument>
#include <QTextOption>

TextView::TextView(QWidget *parent) : QTextEdit(parent) {
  setReadOnly(true);
  setAcceptRichText(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QTextEdit::WidgetWidth);
  setTextAlignment(Qt::AlignHCenter);
}

void TextView::setLines(const QStringList &lines) {
  setPlainText(lines.join(u'\n'));
}

QStringList TextView::lines() const {
  return toPlainText().split(u'\n');
}

Qt::Alignment TextView::textAlignment() const {
  return document()->defaultTextOption().alignment();
}

void TextView::setTextAlignment(Qt::Alignment alignment) {
  QTextOption option = document()->defaultTextOption();
  option.setAlignment(alignment);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  document()->setDefaultTextOption(option);
}

void TextView::setColor(const QColor &background) {
  QPalette p = palette();
  p.setColor(QPalette::Base, background);
  setPalette(p);
}

void TextView::setFontColor(const QColor &color) {
  QPalette p = palette();
  p.setColor(QPalette::Text, color);
  setPalette(p);
}
