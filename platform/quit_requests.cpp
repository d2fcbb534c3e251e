#include "platform/quit_requests.h"

#include <QApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
// The self-pipe: the handler only writes a byte; the event loop reads it.
int pipeFds[2] = {-1, -1};

extern "C" void onQuitSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(pipeFds[1], &byte, 1);
  errno = saved;
}

} // namespace

QuitRequests::QuitRequests(QObject *parent) : QObject(parent) {
  if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) == 0) {
    auto *notifier = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &QuitRequests::readSignals);
    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals)
      ::sigaction(signal, &action, nullptr);
  } else {
    qWarning("Calvoro: no pipe for quit signals; they end the program at once");
  }
  // The session manager asks to save at a checkpoint as well as at logout, so a save request
  // must not end the program: what is worth keeping was saved by the setup's OK. At logout
  // the manager then tells the program to die, which ends the loop (aboutToQuit). The session
  // is asked not to start the program again: the autostart entry does.
  connect(qApp, &QGuiApplication::commitDataRequest, this, &QuitRequests::answerSaveRequest);
  connect(qApp, &QGuiApplication::saveStateRequest, this, &QuitRequests::answerSaveRequest);
}

void QuitRequests::answerSaveRequest(QSessionManager &manager) {
  manager.setRestartHint(QSessionManager::RestartNever);
  manager.setRestartCommand({});
}

QuitRequests::~QuitRequests() {
  if (pipeFds[0] < 0)
    return;
  struct sigaction action = {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  for (int signal : kSignals)
    ::sigaction(signal, &action, nullptr);
  ::close(pipeFds[0]);
  ::close(pipeFds[1]);
  pipeFds[0] = pipeFds[1] = -1;
}

void QuitRequests::readSignals() {
  char buffer[16];
  while (::read(pipeFds[0], buffer, sizeof buffer) > 0) {
  }
  request();
}

void QuitRequests::request() {
  if (pending_)
    return;
  pending_ = true;
  deliverWhenUnwound();
}

void QuitRequests::deliverWhenUnwound() {
  // A box or a menu runs its own loop inside the main one; close it and wait for the loop to
  // return before the windows go.
  if (QThread::currentThread()->loopLevel() > 1) {
    if (QWidget *popup = QApplication::activePopupWidget())
      popup->close();
    if (QWidget *modal = QApplication::activeModalWidget())
      modal->close();
    QTimer::singleShot(20, this, &QuitRequests::deliverWhenUnwound);
    return;
  }
  pending_ = false;
  emit requested();
}

} // namespace platform
