#pragma once
// Who holds an abstract Unix socket name, for messages that name what was found: a listener
// tells its process through the connection's credentials; one that only took the name is
// looked up in /proc (the processes of other users stay hidden from a user who is not root).

#include <optional>
#include <string>
#include <sys/types.h>

namespace platform {

struct SocketHolder {
  pid_t pid = 0; // 0 when the holding process cannot be seen
  uid_t uid = 0;
  std::string command; // the process's name, as /proc/<pid>/comm gives it
  bool listening = false;
};

// The holder of `address` ("@Calvoro/1000"); none when nobody holds it.
std::optional<SocketHolder> socketHolder(const std::string &address);

// "process 1234 (nc) of user ID 1000", or "a process that this user cannot see".
std::string holderText(const SocketHolder &holder);

// The name this process runs under, as holders' names are given.
std::string ownCommand();

// When a process running another program than this one listens on `address`: a sentence that
// names it ("... is held by process 1234 (nc) of user ID 1000, which is not Calvoro."); else
// empty.
std::string otherProgramHolding(const std::string &address);

} // namespace platform
