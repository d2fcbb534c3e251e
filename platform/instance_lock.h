#pragma once
// The single-instance marker: one holder per user at a time. It is an abstract Unix socket
// named after the lock and the user ID: no file or folder, nothing the environment chooses,
// nothing to delete, and the kernel frees the name when the holder ends, however it ends.
// Abstract names belong to a network namespace: copies started in different ones (a
// sandbox without network, a test desktop) do not see each other.
//
// Anyone may bind an abstract name. When another user (or a process that does not answer)
// took ours first, the lock falls back to a file lock in the user's own folder, mode 700,
// which no other user can reach; a copy that holds the socket also gives way to a copy
// that runs on that fallback.

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

  // `fallbackFolder`: where the fallback lock file goes, the user's configuration folder
  // when empty.
  explicit InstanceLock(const std::string &name = "Calvoro", std::string fallbackFolder = {});
  ~InstanceLock();

  InstanceLock(const InstanceLock &) = delete;
  InstanceLock &operator=(const InstanceLock &) = delete;

  Result tryAcquire();
  bool held() const { return fd_ >= 0 || fileFd_ >= 0; }
  // Whether it is held through the fallback file, and that file.
  bool onFallback() const { return fd_ < 0 && fileFd_ >= 0; }
  std::string fallbackPath() const;
  // The socket's name as tools show it: "@Calvoro/1000".
  std::string address() const;
  // After Result::failed: a sentence for the user.
  const std::string &failure() const { return failure_; }

private:
  enum class FileLock { held, busy, absent, failed };
  // Locks the fallback file; creates it (and its folder) only when `create`.
  FileLock lockFile(bool create, std::string &why);
  Result tryFallback(const std::string &socketFailure);
  void answerKnocks();

  std::string name_;
  std::string fallbackFolder_;
  int fd_ = -1;
  int fileFd_ = -1;
  std::string failure_;
  std::unique_ptr<QSocketNotifier> knocks_;
};

} // namespace platform
