#pragma once
// TextView: a read-only text of several lines with a vertical scroll bar,
// wrapped at its width, its lines centred unless told otherwise.
#include <QColor>
#include <QStringList>
#include <QTextEdit>

class TextView : public QTextEdit {
  Q_OBJECT

public:
  explicit TextView(QWidget *parent = nullptr);

  // Each entry one line; an empty last entry ends the text with a line
  // break.
  void setLines(const QStringList &lines);
  QStringList lines() const;

  Qt::Alignment textAlignment() const;
  void setTextAlignment(Qt::Alignment alignment);

  void setColor(const QColor &background);
  void setFontColor(const QColor &color);
};
