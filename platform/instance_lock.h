#pragma once
// The single-instance marker: one holder per user and name at a time. The kernel releases it
// when the holder ends, however it ends, so it never goes stale.

#include <string>

namespace platform {

class InstanceLock {
public:
  // A lock file named after `name` in the user's runtime folder ($XDG_RUNTIME_DIR), or in
  // the user's configuration folder (created, mode 700) when there is none. Never in a
  // folder that others can write into, where another user could take the name first.
  explicit InstanceLock(const std::string &name = "Calvoro");
  // A lock on the given file.
  struct AtPath {
    std::string path;
  };
  explicit InstanceLock(AtPath path);
  ~InstanceLock();

  InstanceLock(const InstanceLock &) = delete;
  InstanceLock &operator=(const InstanceLock &) = delete;

  // True when this process now holds the lock (or held it already); false when another
  // process holds it, or the lock file cannot be opened or belongs to another user.
  bool tryAcquire();
  bool held() const { return fd_ >= 0; }
  const std::string &path() const { return path_; }

  static std::string defaultPath(const std::string &name);

private:
  std::string path_;
  int fd_ = -1;
};

} // namespace platform
