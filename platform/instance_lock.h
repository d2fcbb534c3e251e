#pragma once
// The single-instance marker: one holder per user at a time, whatever state the holder is in
// (busy, stopped, its queue full). It is two locks taken together, in this order:
//
// - `flock` on a file in the user's own lock folder: /run/user/<uid>/Calvoro, which the login
//   manager makes for the user alone, or /tmp/Calvoro-<uid> (mode 700, checked to be ours)
//   where there is none. The place follows from the user ID only, not from the environment,
//   so copies started with other XDG_* values still meet there. A busy file is a holder,
//   even one that cannot answer; so is a process of the user that still holds a lock on a
//   file of that name that has been deleted.
// - the abstract Unix socket "@<name>/<uid>": no file to delete, and tools and older copies
//   find the holder there; a copy of this user holding it is a holder.
//
// Both are freed by the kernel when the holder ends, however it ends. Abstract names belong
// to a network namespace; the file is named after the namespace too, so the two locks have
// the same reach: copies started in different namespaces (a sandbox without network, a test
// desktop) do not see each other.
//
// Anyone may bind an abstract name: a name held by another user or by a process that does not
// answer leaves the file alone as the lock. Only when neither can be had is the lock refused.

#include <memory>
#include <string>

class QSocketNotifier;

namespace platform {

class InstanceLock {
public:
  enum class Result {
    held,        // this process holds the lock
    anotherCopy, // another process of this user holds it
    failed,      // it cannot be taken, and failure() says why and where
  };

  // `folder`: where the lock file goes, the user's own lock folder when empty.
  explicit InstanceLock(const std::string &name = "Calvoro", std::string folder = {});
  ~InstanceLock();

  InstanceLock(const InstanceLock &) = delete;
  InstanceLock &operator=(const InstanceLock &) = delete;

  Result tryAcquire();
  bool held() const { return fd_ >= 0 || fileFd_ >= 0; }
  // Which of the two this process holds.
  bool holdsSocket() const { return fd_ >= 0; }
  bool holdsFile() const { return fileFd_ >= 0; }
  std::string filePath() const;
  // The socket's name as tools show it: "@Calvoro/1000".
  std::string address() const;
  // After Result::failed: a sentence for the user.
  const std::string &failure() const { return failure_; }

private:
  enum class FileLock { held, busy, failed };
  FileLock lockFile(std::string &why);
  void answerKnocks();

  std::string name_;
  std::string folder_;
  int fd_ = -1;
  int fileFd_ = -1;
  std::string failure_;
  std::unique_ptr<QSocketNotifier> knocks_;
};

} // namespace platform
