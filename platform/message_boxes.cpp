#include "platform/message_boxes.h"

#include "platform/box_on_top.h"

#include <QMessageBox>

namespace platform {

void QtMessageBoxes::show(int icon, const char *caption, const QString &text) {
  QMessageBox box(static_cast<QMessageBox::Icon>(icon), QString::fromLatin1(caption), text,
                  QMessageBox::Ok);
  open_.push_back(&box);
  execOnTop(box);
  std::erase(open_, &box);
}

void QtMessageBoxes::warning(const QString &text) {
  show(QMessageBox::Warning, "Warning", text);
}

void QtMessageBoxes::information(const QString &text) {
  show(QMessageBox::Information, "Information", text);
}

void QtMessageBoxes::dismiss(const QString &text) {
  for (QMessageBox *box : open_)
    if (box->text() == text)
      box->done(QMessageBox::Ok);
}

} // namespace platform
