#include "controls/date_mask.h"

#include <algorithm>

namespace {

using Groups = std::array<std::pair<int, int>, 3>;
// The groups of places between separators: [begin, end).
constexpr Groups kDayFirstGroups{{{0, 2}, {3, 5}, {6, 10}}};
constexpr Groups kYearFirstGroups{{{0, 4}, {5, 7}, {8, 10}}};

} // namespace

DateMask::DateMask(QChar separator, bool yearFirst)
    : separator_(separator), yearFirst_(yearFirst) {}

void DateMask::setYearFirst(bool yearFirst) {
  yearFirst_ = yearFirst;
  clear();
}

QString DateMask::editText() const {
  QString out;
  out.reserve(kLength);
  for (int i = 0; i < kLength; ++i)
    out += isLiteral(i) ? separator_ : (isEmpty(i) ? kBlank : cells_[i]);
  return out;
}

QString DateMask::text() const {
  QString out;
  for (const auto &[begin, end] : yearFirst_ ? kYearFirstGroups : kDayFirstGroups) {
    if (begin > 0)
      out += separator_;
    // The year's places are required: an empty one stays a blank where it is.
    if (isRequired(begin)) {
      for (int i = begin; i < end; ++i)
        out += isEmpty(i) ? u' ' : cells_[i];
      continue;
    }
    QString digits;
    for (int i = begin; i < end; ++i)
      if (!isEmpty(i))
        digits += cells_[i];
    out += QString(end - begin - digits.size(), u' ') + digits;
  }
  return out;
}

void DateMask::setText(const QString &value) {
  clear();
  int v = int(value.size()) - 1;
  for (int pos = kLength - 1; pos >= 0; --pos) {
    if (isLiteral(pos)) {
      if (v >= 0 && value[v] == separator_)
        --v;
      continue;
    }
    if (v < 0)
      continue;
    const QChar c = value[v];
    // A separator where a digit would go: this group is short, its
    // remaining places stay empty.
    if (c == separator_)
      continue;
    if (c.isDigit() && c.unicode() < 128)
      cells_[pos] = c;
    --v;
  }
}

void DateMask::setEditText(const QString &shown) {
  clear();
  for (int i = 0; i < kLength && i < shown.size(); ++i)
    if (!isLiteral(i) && shown[i].isDigit() && shown[i].unicode() < 128)
      cells_[i] = shown[i];
}

void DateMask::clear() {
  cells_.fill(QChar());
}

int DateMask::firstMissing() const {
  for (int i = 0; i < kLength; ++i)
    if (isRequired(i) && isEmpty(i))
      return i;
  return -1;
}

int DateMask::nextEditable(int pos) const {
  pos = std::max(pos, 0);
  while (pos < kLength && isLiteral(pos))
    ++pos;
  return std::min(pos, int(kLength));
}

int DateMask::previousEditable(int pos) const {
  pos = std::min(pos, int(kLength)) - 1;
  while (pos >= 0 && isLiteral(pos))
    --pos;
  return pos;
}

int DateMask::type(int cursor, QChar c) {
  if (cursor < 0 || cursor >= kLength)
    return -1;
  // The separator typed on a separator just steps over it.
  if (isLiteral(cursor) && c == separator_)
    return nextEditable(cursor + 1);
  const int pos = nextEditable(cursor);
  if (pos >= kLength)
    return -1;
  if (c.isDigit() && c.unicode() < 128)
    cells_[pos] = c;
  else if (c == u' ' && !isRequired(pos))
    cells_[pos] = QChar();
  else
    return -1;
  return nextEditable(pos + 1);
}

void DateMask::clearRange(int from, int to) {
  for (int i = std::max(from, 0); i < std::min(to, int(kLength)); ++i)
    if (!isLiteral(i))
      cells_[i] = QChar();
}
