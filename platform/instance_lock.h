#pragma once
// The single-instance marker: one holder per user at a time. It is an abstract Unix socket
// named after the lock and the user ID: no file or folder, nothing the environment chooses,
// nothing to delete, and the kernel frees the name when the holder ends, however it ends.
// Abstract names belong to a network namespace: copies started in different ones (a
// sandbox without network, a test desktop) do not see each other.

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

  explicit InstanceLock(const std::string &name = "Calvoro");
  ~InstanceLock();

  InstanceLock(const InstanceLock &) = delete;
  InstanceLock &operator=(const InstanceLock &) = delete;

  Result tryAcquire();
  bool held() const { return fd_ >= 0; }
  // The socket's name as tools show it: "@Calvoro/1000".
  std::string address() const;
  // After Result::failed: a sentence for the user.
  const std::string &failure() const { return failure_; }

private:
  void answerKnocks();

  std::string name_;
  int fd_ = -1;
  std::string failure_;
  std::unique_ptr<QSocketNotifier> knocks_;
};

} // namespace platform
