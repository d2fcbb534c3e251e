#include "platform/instance_lock.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <algorithm>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace platform {

namespace {

struct AbstractAddress {
  sockaddr_un address{};
  socklen_t length = 0;
};

// The name in the abstract namespace: a zero byte, then the text, without an end zero.
AbstractAddress abstractAddress(const std::string &text) {
  AbstractAddress a;
  a.address.sun_family = AF_UNIX;
  const size_t n = std::min(text.size(), sizeof a.address.sun_path - 1);
  std::memcpy(a.address.sun_path + 1, text.data(), n);
  a.length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + n);
  return a;
}

std::string lockText(const std::string &name) {
  return name + "/" + std::to_string(::geteuid());
}

enum class Holder { sameUser, otherUser, silent };

// Who holds the name: the holder listens, and a connection tells its user ID.
Holder holderOf(const AbstractAddress &a, uid_t &uid) {
  const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (probe < 0)
    return Holder::silent;
  Holder holder = Holder::silent;
  ucred peer{};
  socklen_t size = sizeof peer;
  if (::connect(probe, reinterpret_cast<const sockaddr *>(&a.address), a.length) == 0 &&
      ::getsockopt(probe, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0) {
    uid = peer.uid;
    holder = peer.uid == ::geteuid() ? Holder::sameUser : Holder::otherUser;
  }
  ::close(probe);
  return holder;
}

} // namespace

InstanceLock::InstanceLock(const std::string &name) : name_(name) {}

InstanceLock::~InstanceLock() {
  knocks_.reset();
  if (fd_ >= 0)
    ::close(fd_); // frees the name
}

std::string InstanceLock::address() const {
  return "@" + lockText(name_);
}

InstanceLock::Result InstanceLock::tryAcquire() {
  if (fd_ >= 0)
    return Result::held;
  const AbstractAddress a = abstractAddress(lockText(name_));
  const std::string what = "Calvoro cannot check whether it is already running: its lock, the "
                           "socket " +
                           address() + ", ";
  // A holder between its bind and its listen does not answer yet: ask again for a while.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  for (;;) {
    // Close-on-exec: a child process must not keep the lock after we end.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
      failure_ = what + "cannot be made: " + std::strerror(errno);
      return Result::failed;
    }
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&a.address), a.length) == 0) {
      if (::listen(fd, 16) != 0) {
        failure_ = what + "does not listen: " + std::strerror(errno);
        ::close(fd);
        return Result::failed;
      }
      fd_ = fd;
      answerKnocks();
      return Result::held;
    }
    const int err = errno;
    ::close(fd);
    if (err != EADDRINUSE) {
      failure_ = what + "cannot be taken: " + std::strerror(err);
      return Result::failed;
    }
    uid_t uid = 0;
    switch (holderOf(a, uid)) {
    case Holder::sameUser:
      return Result::anotherCopy;
    case Holder::otherUser:
      failure_ = what + "is held by another user (user ID " + std::to_string(uid) + ")";
      return Result::failed;
    case Holder::silent:
      break;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      failure_ = what + "is held by a process that does not answer";
      return Result::failed;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

// Each copy that asks leaves a connection waiting; accept and drop them, so that the queue
// never fills and later copies still get an answer.
void InstanceLock::answerKnocks() {
  if (!QCoreApplication::instance())
    return;
  knocks_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
  QObject::connect(knocks_.get(), &QSocketNotifier::activated, [fd = fd_] {
    for (int c; (c = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;)
      ::close(c);
  });
}

} // namespace platform
