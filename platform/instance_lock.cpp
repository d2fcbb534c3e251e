#include "platform/instance_lock.h"

#include "platform/socket_holder.h"
#include "platform/user_folders.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <algorithm>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <utility>

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

// The holder named in a message.
std::string heldBy(const std::string &address) {
  const std::optional<SocketHolder> holder = socketHolder(address);
  return holder ? holderText(*holder) : "a process that has let it go since";
}

} // namespace

InstanceLock::InstanceLock(const std::string &name, std::string fallbackFolder)
    : name_(name), fallbackFolder_(std::move(fallbackFolder)) {}

InstanceLock::~InstanceLock() {
  knocks_.reset();
  if (fd_ >= 0)
    ::close(fd_); // frees the name
  if (fileFd_ >= 0)
    ::close(fileFd_);
}

std::string InstanceLock::fallbackPath() const {
  return (fallbackFolder_.empty() ? userConfigFolder() : fallbackFolder_) + "/." + name_ + ".lock";
}

InstanceLock::FileLock InstanceLock::lockFile(bool create, std::string &why) {
  const std::string path = fallbackPath();
  if (create) {
    const std::string folder = path.substr(0, path.rfind('/'));
    if (const int err = createPrivateFolders(folder)) {
      why = "the folder " + folder + " cannot be made: " + std::strerror(err);
      return FileLock::failed;
    }
  }
  // Never through a link, and only a file of our own in a folder of our own: nobody else
  // can hold it or take it away.
  const int fd =
      ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | (create ? O_CREAT : 0), 0600);
  if (fd < 0) {
    const int err = errno;
    if (err == ENOENT && !create)
      return FileLock::absent;
    why = "the file " + path + " cannot be opened: " + std::strerror(err);
    return FileLock::failed;
  }
  struct stat file {};
  struct stat folder {};
  const std::string folderPath = path.substr(0, path.rfind('/'));
  if (::fstat(fd, &file) != 0 || !S_ISREG(file.st_mode) || file.st_uid != ::geteuid() ||
      ::stat(folderPath.c_str(), &folder) != 0 || folder.st_uid != ::geteuid() ||
      (folder.st_mode & 077) != 0) {
    ::close(fd);
    why = "the file " + path + " is not a private file of this user";
    return FileLock::failed;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int err = errno;
    ::close(fd);
    if (err == EWOULDBLOCK)
      return FileLock::busy;
    why = "the file " + path + " cannot be locked: " + std::strerror(err);
    return FileLock::failed;
  }
  fileFd_ = fd;
  return FileLock::held;
}

InstanceLock::Result InstanceLock::tryFallback(const std::string &socketFailure) {
  std::string why;
  switch (lockFile(true, why)) {
  case FileLock::held:
    return Result::held;
  case FileLock::busy:
    return Result::anotherCopy;
  case FileLock::absent:
  case FileLock::failed:
    break;
  }
  failure_ = socketFailure + "; and " + why;
  return Result::failed;
}

std::string InstanceLock::address() const {
  return "@" + lockText(name_);
}

InstanceLock::Result InstanceLock::tryAcquire() {
  if (held())
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
    if (fd < 0)
      return tryFallback(what + "cannot be made: " + std::strerror(errno));
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&a.address), a.length) == 0) {
      if (::listen(fd, 16) != 0) {
        failure_ = what + "does not listen: " + std::strerror(errno);
        ::close(fd);
        return Result::failed;
      }
      // A copy that started while the name was taken runs on the fallback file.
      std::string why;
      if (lockFile(false, why) == FileLock::busy) {
        ::close(fd);
        return Result::anotherCopy;
      }
      fd_ = fd;
      answerKnocks();
      return Result::held;
    }
    const int err = errno;
    ::close(fd);
    if (err != EADDRINUSE) {
      return tryFallback(what + "cannot be taken: " + std::strerror(err));
    }
    uid_t uid = 0;
    switch (holderOf(a, uid)) {
    case Holder::sameUser:
      return Result::anotherCopy;
    case Holder::otherUser:
      return tryFallback(what + "is held by another user (" + heldBy(address()) + ")");
    case Holder::silent:
      break;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      return tryFallback(what + "is held by " + heldBy(address()) + ", which does not answer");
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
