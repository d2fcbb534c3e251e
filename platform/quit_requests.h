#pragma once
// Requests to end the program that come from outside it: SIGTERM, SIGINT and SIGHUP. Each
// arrives as `requested()` in the event loop, once the boxes and menus that were open have been
// closed and their nested loops have returned, so that the quit sequence never releases windows
// under a running box. The session manager's save requests are answered here without ending
// anything; its end of the session quits the application, which the entry meets at aboutToQuit.

#include <QObject>

class QSessionManager;

namespace platform {

class QuitRequests : public QObject {
  Q_OBJECT
public:
  // Takes over SIGTERM, SIGINT and SIGHUP for this process; one instance at a time.
  explicit QuitRequests(QObject *parent = nullptr);
  ~QuitRequests() override;

  // Closes open boxes and menus, then emits `requested()` from the outermost event loop.
  void request();

signals:
  void requested();

private:
  void readSignals();
  static void answerSaveRequest(QSessionManager &manager);
  void deliverWhenUnwound();

  bool pending_ = false;
};

} // namespace platform
