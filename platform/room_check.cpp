#include "platform/room_check.h"

#include <dirent.h>
#include <pthread.h>
#include <sys/mman.h>
#include <sys/resource.h>

#include <array>
#include <cstddef>

namespace platform {

namespace {

// What the program opens while it runs: the display, the event loop's wakeups, the lock, the
// signal pipe, a save's file, its temporary file and its folder, with a margin.
constexpr rlim_t kDescriptorsNeeded = 12;
// Address space the windows, their pictures and Qt's threads take after start.
constexpr size_t kMemoryNeeded = size_t{128} << 20;
// Qt's own threads (the display's event reader among them), each with a default stack.
constexpr int kThreadsNeeded = 2;

rlim_t openDescriptors() {
  rlim_t count = 0;
  if (DIR *dir = ::opendir("/proc/self/fd")) {
    while (const dirent *entry = ::readdir(dir))
      count += entry->d_name[0] != '.';
    ::closedir(dir);
    --count; // the listing's own
  }
  return count;
}

std::string descriptorFailure() {
  rlimit limit{};
  if (::getrlimit(RLIMIT_NOFILE, &limit) != 0)
    return {};
  if (limit.rlim_cur < limit.rlim_max) {
    limit.rlim_cur = limit.rlim_max;
    (void)::setrlimit(RLIMIT_NOFILE, &limit);
    (void)::getrlimit(RLIMIT_NOFILE, &limit);
  }
  const rlim_t open = openDescriptors();
  if (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur >= open + kDescriptorsNeeded)
    return {};
  return "too few file descriptors: " + std::to_string(limit.rlim_cur - open) + " of the " +
         std::to_string(limit.rlim_cur) + " allowed (ulimit -n) are free, and " +
         std::to_string(kDescriptorsNeeded) + " are needed";
}

void *idle(void *) {
  return nullptr;
}

// Maps the room the program will need and starts its threads in it; all is given back.
bool addressSpaceHasRoom() {
  void *room =
      ::mmap(nullptr, kMemoryNeeded, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (room == MAP_FAILED)
    return false;
  std::array<pthread_t, kThreadsNeeded> threads{};
  int started = 0;
  while (started < kThreadsNeeded &&
         ::pthread_create(&threads[static_cast<size_t>(started)], nullptr, idle, nullptr) == 0)
    ++started;
  for (int i = 0; i < started; ++i)
    ::pthread_join(threads[static_cast<size_t>(i)], nullptr);
  ::munmap(room, kMemoryNeeded);
  return started == kThreadsNeeded;
}

std::string memoryFailure() {
  rlimit limit{};
  if (::getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
      addressSpaceHasRoom())
    return {};
  return "not enough memory: the address space is limited to " +
         std::to_string(limit.rlim_cur / 1024) + " kB (ulimit -v)";
}

} // namespace

std::string roomFailure() {
  std::string failure = descriptorFailure();
  return failure.empty() ? memoryFailure() : failure;
}

} // namespace platform
