#include "platform/message_boxes.h"

#include "platform/box_on_top.h"

#include <QMessageBox>

namespace platform {

namespace {

void showBox(QMessageBox::Icon icon, const char *caption, const QString &text) {
  QMessageBox box(icon, QString::fromLatin1(caption), text, QMessageBox::Ok);
  execOnTop(box);
}

} // namespace

void QtMessageBoxes::warning(const QString &text) {
  showBox(QMessageBox::Warning, "Warning", text);
}

void QtMessageBoxes::information(const QString &text) {
  showBox(QMessageBox::Information, "Information", text);
}

} // namespace platform
