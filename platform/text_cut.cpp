#include "platform/text_cut.h"

namespace platform {

QString leftWhole(const QString &text, qsizetype limit) {
  QString cut = text.left(limit);
  if (cut.size() < text.size() && !cut.isEmpty() && cut.back().isHighSurrogate())
    cut.chop(1);
  return cut;
}

} // namespace platform
