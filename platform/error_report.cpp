#include "platform/error_report.h"

#include "platform/app_title.h"
#include "platform/box_on_top.h"

#include <QMessageBox>

namespace platform {

QString errorBoxText(const QString &message) {
  if (message.endsWith(QLatin1Char('.')))
    return message;
  return message + QLatin1Char('.');
}

QString unknownErrorText() {
  return QStringLiteral("An unexpected error occurred");
}

void BoxErrorReport::show(const QString &message) {
  if (open_)
    return;
  open_ = true;
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle),
                  errorBoxText(message), QMessageBox::Ok);
  // The program's windows stay on top of others; the box must not open
  // hidden behind the window whose command failed.
  execOnTop(box);
  open_ = false;
}

} // namespace platform
