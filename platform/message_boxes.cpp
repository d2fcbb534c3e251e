#include "platform/message_boxes.h"

#include <QMessageBox>

namespace platform {

namespace {

void showBox(QMessageBox::Icon icon, const char *caption, const QString &text) {
  QMessageBox box(icon, QString::fromLatin1(caption), text, QMessageBox::Ok);
  box.exec();
}

} // namespace

void QtMessageBoxes::warning(const QString &text) {
  showBox(QMessageBox::Warning, "Warning", text);
}

void QtMessageBoxes::information(const QString &text) {
  showBox(QMessageBox::Information, "Information", text);
}

} // namespace platform
