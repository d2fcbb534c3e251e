#pragma once
// Readable dates in test failure messages.
#include <ostream>

#include "core/date.h"

namespace core {
inline void PrintTo(const Date &d, std::ostream *os) {
  *os << d.year << "-" << d.month << "-" << d.day;
}
} // namespace core
