#include "controls/Memo.h"

#include <QTextDocument>
#include <QTextOption>

TMemo::TMemo(QWidget *parent) : QTextEdit(parent) {
  setReadOnly(true);
  setAcceptRichText(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QTextEdit::WidgetWidth);
  setTextAlignment(Qt::AlignHCenter);
}

void TMemo::setLines(const QStringList &lines) {
  setPlainText(lines.join(u'\n'));
}

QStringList TMemo::Lines() const {
  return toPlainText().split(u'\n');
}

Qt::Alignment TMemo::TextAlignment() const {
  return document()->defaultTextOption().alignment();
}

void TMemo::setTextAlignment(Qt::Alignment alignment) {
  QTextOption option = document()->defaultTextOption();
  option.setAlignment(alignment);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  document()->setDefaultTextOption(option);
}

void TMemo::setColor(const QColor &background) {
  QPalette p = palette();
  p.setColor(QPalette::Base, background);
  setPalette(p);
}

void TMemo::setFontColor(const QColor &color) {
  QPalette p = palette();
  p.setColor(QPalette::Text, color);
  setPalette(p);
}
