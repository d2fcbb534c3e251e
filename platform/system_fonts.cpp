#include "platform/system_fonts.h"

#include <QApplication>

namespace platform {

std::optional<QFont> statusFont() {
  // The platform theme's status-bar font is filed under the status bar's
  // class name; without one, Qt answers with the general font.
  const QFont status = QApplication::font("QStatusBar");
  if (status == QApplication::font())
    return std::nullopt;
  return status;
}

} // namespace platform
