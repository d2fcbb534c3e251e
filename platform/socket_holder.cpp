#include "platform/socket_holder.h"

#include <dirent.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace platform {

namespace {

std::string commandOf(const std::string &pid) {
  std::ifstream in("/proc/" + pid + "/comm");
  std::string name;
  std::getline(in, name);
  return name;
}

// A listener answers a connection with its credentials.
std::optional<SocketHolder> listenerOf(const std::string &address) {
  sockaddr_un a{};
  a.sun_family = AF_UNIX;
  const std::string name = address.substr(1);
  const size_t n = std::min(name.size(), sizeof a.sun_path - 1);
  std::memcpy(a.sun_path + 1, name.data(), n);
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + n);
  const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (probe < 0)
    return std::nullopt;
  std::optional<SocketHolder> holder;
  ucred peer{};
  socklen_t size = sizeof peer;
  if (::connect(probe, reinterpret_cast<const sockaddr *>(&a), length) == 0 &&
      ::getsockopt(probe, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0)
    holder = SocketHolder{peer.pid, peer.uid, commandOf(std::to_string(peer.pid)), true};
  ::close(probe);
  return holder;
}

// The inodes of the sockets bound to the name: "Num RefCount Protocol Flags Type St Inode Path".
std::vector<std::string> inodesOf(const std::string &address) {
  std::vector<std::string> inodes;
  std::ifstream table("/proc/net/unix");
  std::string line;
  std::getline(table, line);
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    std::string num, refs, protocol, flags, type, state, inode, path;
    if (fields >> num >> refs >> protocol >> flags >> type >> state >> inode >> path &&
        path == address)
      inodes.push_back(inode);
  }
  return inodes;
}

// The process with one of the sockets open, among those this user may look into.
SocketHolder processWith(const std::vector<std::string> &inodes) {
  SocketHolder holder;
  DIR *proc = ::opendir("/proc");
  if (!proc)
    return holder;
  while (const dirent *entry = ::readdir(proc)) {
    const std::string pid = entry->d_name;
    if (pid.find_first_not_of("0123456789") != std::string::npos || holder.pid != 0)
      continue;
    const std::string fdFolder = "/proc/" + pid + "/fd";
    DIR *fds = ::opendir(fdFolder.c_str());
    if (!fds)
      continue;
    while (const dirent *fd = ::readdir(fds)) {
      char target[64] = {};
      const std::string link = fdFolder + "/" + fd->d_name;
      if (::readlink(link.c_str(), target, sizeof target - 1) <= 0)
        continue;
      for (const std::string &inode : inodes)
        if (std::string(target) == "socket:[" + inode + "]") {
          struct stat st {};
          holder.pid = static_cast<pid_t>(std::stol(pid));
          holder.uid = ::stat(("/proc/" + pid).c_str(), &st) == 0 ? st.st_uid : 0;
          holder.command = commandOf(pid);
        }
    }
    ::closedir(fds);
  }
  ::closedir(proc);
  return holder;
}

} // namespace

std::optional<SocketHolder> socketHolder(const std::string &address) {
  if (address.size() < 2 || address.front() != '@')
    return std::nullopt;
  if (auto listener = listenerOf(address))
    return listener;
  const std::vector<std::string> inodes = inodesOf(address);
  if (inodes.empty())
    return std::nullopt;
  return processWith(inodes);
}

std::string holderText(const SocketHolder &holder) {
  if (holder.pid == 0)
    return "a process that this user cannot see (another user's)";
  return "process " + std::to_string(holder.pid) + " (" + holder.command + ") of user ID " +
         std::to_string(holder.uid);
}

std::string ownCommand() {
  return commandOf("self");
}

std::string otherProgramHolding(const std::string &address) {
  const std::optional<SocketHolder> holder = socketHolder(address);
  if (!holder || !holder->listening || holder->command == ownCommand())
    return {};
  return "Calvoro cannot check whether it is already running: its lock, the socket " + address +
         ", is held by " + holderText(*holder) + ", which is not Calvoro.";
}

} // namespace platform
