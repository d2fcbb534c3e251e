#pragma once
// The contents of a masked date field "!99/99/0000;1;_": two optional day
// digits, two optional month digits and four required year digits, with the
// date separator between the groups. Empty places show as "_" while editing;
// in the field's text they are blanks: the day's and month's gathered at the
// front of their group, the year's where they are.
// Where dates are written year first the year group leads: "0000/99/99".
#include <QChar>
#include <QString>

#include <array>

class DateMask {
public:
  static constexpr int kLength = 10;
  static constexpr QChar kBlank = u'_';

  explicit DateMask(QChar separator = u'/', bool yearFirst = false);

  QChar separator() const { return separator_; }
  void setSeparator(QChar separator) { separator_ = separator; }
  bool yearFirst() const { return yearFirst_; }
  // Empties the field: its places move.
  void setYearFirst(bool yearFirst);

  bool isLiteral(int pos) const { return yearFirst_ ? pos == 4 || pos == 7 : pos == 2 || pos == 5; }
  // Year places must be filled; day and month places may stay empty.
  bool isRequired(int pos) const {
    return yearFirst_ ? pos >= 0 && pos < 4 : pos >= 6 && pos < kLength;
  }
  bool isEmpty(int pos) const { return cells_[pos].isNull(); }

  // What the field shows: every place, "_" for an empty one.
  QString editText() const;
  // The field's text: the day's and month's digits with their empty places
  // as leading blanks, the year's empty places as blanks in place, separators
  // kept ("12/05/1970", " 1/ 5/1970", "12/05/19 0").
  QString text() const;
  // Lays a text out from its end, the way text() writes it: a group that is
  // short of digits (" 5", "5") gets empty places in front.
  void setText(const QString &value);
  // Takes the shown form back place by place ("_1/05/19_0").
  void setEditText(const QString &shown);
  void clear();

  // First required place still empty, or -1 when the year is complete.
  int firstMissing() const;
  bool isComplete() const { return firstMissing() < 0; }

  // The first place at or after pos that takes a digit; kLength if none.
  int nextEditable(int pos) const;
  // The last place before pos that takes a digit; -1 if none.
  int previousEditable(int pos) const;

  // Types c at the cursor, overwriting and stepping over separators.
  // Returns the new cursor, or -1 when c is not accepted there.
  int type(int cursor, QChar c);
  // Empties the places in [from, to).
  void clearRange(int from, int to);

  bool operator==(const DateMask &) const = default;

private:
  std::array<QChar, kLength> cells_{};
  QChar separator_;
  bool yearFirst_;
};
