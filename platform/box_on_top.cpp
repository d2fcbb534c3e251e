#include "platform/box_on_top.h"

#include "platform/region.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <QWindow>

namespace platform {

namespace {

void bringUp(QWidget *box) {
  box->raise();
  box->activateWindow();
  // A raise stays in the connection's buffer while the program idles.
  flushWindowSystem();
}

// Brings the box up again once the window manager has mapped it: a window
// mapped without the focus is stacked under the focused one.
class RaiseWhenExposed : public QObject {
public:
  explicit RaiseWhenExposed(QWidget *box) : QObject(box), box_(box) {}

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::Expose && box_->windowHandle() == watched &&
        box_->windowHandle()->isExposed()) {
      watched->removeEventFilter(this);
      bringUp(box_);
    }
    return false;
  }

private:
  QWidget *box_;
};

} // namespace

int execOnTop(QMessageBox &box) {
  // Setting the modality of a message box resets its window flags: first.
  box.setWindowModality(Qt::ApplicationModal);
  // A dialog of the program, with a title and a close button only: without the customize
  // hint the window manager adds minimise and maximise, which crowd the caption out. Qt makes
  // a dialog without a parent transient for the program's leader window.
  box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
  // Wide enough for the caption beside the window manager's buttons: a box sized to a short
  // text gets its caption cut.
  if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
    QFont title = box.font();
    title.setBold(true);
    const int width = QFontMetrics(title).horizontalAdvance(box.windowTitle()) + 120;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  box.winId(); // the native window, so that its exposure can be watched
  box.windowHandle()->installEventFilter(new RaiseWhenExposed(&box));
  box.show();
  bringUp(&box);
  // exec() finds the box shown and runs its loop.
  return box.exec();
}

} // namespace platform
