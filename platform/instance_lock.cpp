#include "platform/instance_lock.h"

#include "platform/socket_holder.h"
#include "platform/user_folders.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <algorithm>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstddef>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <sstream>
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

enum class Holder { sameUser, otherUser, queueFull, silent };

// Who holds the name: the holder listens, and a connection tells its user ID. A holder that
// takes no calls (busy, stopped) lets them wait until its queue is full: it still listens.
Holder holderOf(const AbstractAddress &a, uid_t &uid) {
  const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (probe < 0)
    return Holder::silent;
  Holder holder = Holder::silent;
  ucred peer{};
  socklen_t size = sizeof peer;
  if (::connect(probe, reinterpret_cast<const sockaddr *>(&a.address), a.length) == 0) {
    if (::getsockopt(probe, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0) {
      uid = peer.uid;
      holder = peer.uid == ::geteuid() ? Holder::sameUser : Holder::otherUser;
    }
  } else if (errno == EAGAIN) {
    holder = Holder::queueFull;
  }
  ::close(probe);
  return holder;
}

// The holder named in a message.
std::string heldBy(const std::string &address) {
  const std::optional<SocketHolder> holder = socketHolder(address);
  return holder ? holderText(*holder) : "a process that has let it go since";
}

// The login manager's folder for this user alone where there is one; /tmp otherwise, where
// the folder is checked to be ours before it is used.
std::string userLockFolder() {
  const std::string uid = std::to_string(::geteuid());
  const std::string runtime = "/run/user/" + uid;
  struct stat st {};
  if (::lstat(runtime.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
      (st.st_mode & 077) == 0)
    return runtime + "/Calvoro";
  return "/tmp/Calvoro-" + uid;
}

// The network namespace's number, which scopes the abstract name too.
std::string networkNamespace() {
  char link[64];
  const ssize_t n = ::readlink("/proc/self/ns/net", link, sizeof link);
  std::string digits;
  for (ssize_t i = 0; i < n; ++i)
    if (link[i] >= '0' && link[i] <= '9')
      digits += link[i];
  return digits;
}

// Whether a process holds a lock on a file that had this path and has been deleted since: it
// still holds its lock, and a new file under the name would be a second one. /proc/locks
// names the processes that hold locks; their open files say which.
bool heldWhileDeleted(const std::string &path) {
  std::ifstream locks("/proc/locks");
  const std::string deleted = path + " (deleted)";
  for (std::string line; std::getline(locks, line);) {
    std::istringstream in(line);
    std::string number, kind, mode, access, pid;
    in >> number >> kind >> mode >> access >> pid;
    if (kind != "FLOCK" || pid.find_first_not_of("0123456789") != std::string::npos)
      continue;
    const std::string fds = "/proc/" + pid + "/fd";
    DIR *dir = ::opendir(fds.c_str());
    if (!dir)
      continue; // another user's
    bool found = false;
    while (const dirent *entry = ::readdir(dir)) {
      char target[PATH_MAX];
      const std::string fd = fds + "/" + entry->d_name;
      const ssize_t n = ::readlink(fd.c_str(), target, sizeof target);
      if (n > 0 && std::string(target, static_cast<size_t>(n)) == deleted) {
        found = true;
        break;
      }
    }
    ::closedir(dir);
    if (found)
      return true;
  }
  return false;
}

} // namespace

InstanceLock::InstanceLock(const std::string &name, std::string folder)
    : name_(name), folder_(std::move(folder)) {}

InstanceLock::~InstanceLock() {
  knocks_.reset();
  if (fd_ >= 0)
    ::close(fd_); // frees the name
  if (fileFd_ >= 0)
    ::close(fileFd_);
}

std::string InstanceLock::filePath() const {
  const std::string space = networkNamespace();
  return (folder_.empty() ? userLockFolder() : folder_) + "/" + name_ +
         (space.empty() ? "" : "-" + space) + ".lock";
}

InstanceLock::FileLock InstanceLock::lockFile(std::string &why) {
  const std::string path = filePath();
  const std::string folder = folderOf(path);
  if (const int err = createPrivateFolders(folder)) {
    why = "the folder " + folder + " cannot be made: " + std::strerror(err);
    return FileLock::failed;
  }
  // Never through a link, and only a folder of our own that nobody else can enter: nobody
  // else can hold the file or take it away.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  struct stat st {};
  if (dir < 0 || ::fstat(dir, &st) != 0 || st.st_uid != ::geteuid() || (st.st_mode & 077) != 0) {
    if (dir >= 0)
      ::close(dir);
    why = "the folder " + folder + " is not a private folder of this user";
    return FileLock::failed;
  }
  const std::string name = nameOf(path);
  FileLock result = FileLock::failed;
  why = "the file " + path + " keeps being replaced";
  // What gets locked must still be the file under the name: one deleted or replaced between
  // the opening and the lock is tried again.
  for (int attempt = 0; attempt < 8 && result == FileLock::failed; ++attempt) {
    const int fd = ::openat(dir, name.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
      why = "the file " + path + " cannot be opened: " + std::strerror(errno);
      break;
    }
    struct stat file {};
    struct stat now {};
    if (::fstat(fd, &file) != 0 || !S_ISREG(file.st_mode) || file.st_uid != ::geteuid()) {
      ::close(fd);
      why = "the file " + path + " is not a private file of this user";
      break;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int err = errno;
      ::close(fd);
      if (err == EWOULDBLOCK)
        result = FileLock::busy;
      else
        why = "the file " + path + " cannot be locked: " + std::strerror(err);
      break;
    }
    if (::fstatat(dir, name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 && now.st_dev == file.st_dev &&
        now.st_ino == file.st_ino) {
      fileFd_ = fd;
      result = FileLock::held;
    } else {
      ::close(fd);
    }
  }
  ::close(dir);
  return result;
}

std::string InstanceLock::address() const {
  return "@" + lockText(name_);
}

InstanceLock::Result InstanceLock::tryAcquire() {
  if (held())
    return Result::held;
  std::string fileWhy;
  switch (lockFile(fileWhy)) {
  case FileLock::busy:
    return Result::anotherCopy; // whatever state the holder is in
  case FileLock::held:
    if (heldWhileDeleted(filePath())) {
      ::close(fileFd_);
      fileFd_ = -1;
      return Result::anotherCopy;
    }
    break;
  case FileLock::failed:
    break;
  }
  const AbstractAddress a = abstractAddress(lockText(name_));
  const std::string what = "Calvoro cannot check whether it is already running: its lock, the "
                           "socket " +
                           address() + ", ";
  // The name is someone else's: the file alone is the lock, when we have it.
  const auto without = [&](const std::string &socketFailure) {
    if (holdsFile())
      return Result::held;
    failure_ = socketFailure + "; and " + fileWhy;
    return Result::failed;
  };
  // A holder between its bind and its listen does not answer yet: ask again for a while.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  for (;;) {
    // Close-on-exec: a child process must not keep the lock after we end.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
      return without(what + "cannot be made: " + std::strerror(errno));
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&a.address), a.length) == 0) {
      if (::listen(fd, 16) != 0) {
        const int err = errno;
        ::close(fd);
        return without(what + "does not listen: " + std::strerror(err));
      }
      fd_ = fd;
      answerKnocks();
      return Result::held;
    }
    const int err = errno;
    ::close(fd);
    if (err != EADDRINUSE)
      return without(what + "cannot be taken: " + std::strerror(err));
    uid_t uid = 0;
    switch (holderOf(a, uid)) {
    case Holder::sameUser:
      // A copy that holds the name but not the file (its file deleted, or an older build).
      if (holdsFile()) {
        ::close(fileFd_);
        fileFd_ = -1;
      }
      return Result::anotherCopy;
    case Holder::otherUser:
      return without(what + "is held by another user (" + heldBy(address()) + ")");
    case Holder::queueFull:
      // Someone listens and takes no calls: a copy that is stopped or busy, unless the file
      // says no copy runs.
      return holdsFile() ? Result::held : Result::anotherCopy;
    case Holder::silent:
      if (holdsFile())
        return Result::held;
      break;
    }
    if (std::chrono::steady_clock::now() > deadline)
      return without(what + "is held by " + heldBy(address()) + ", which does not answer");
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
