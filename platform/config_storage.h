#pragma once
// The configuration file on the disk. A save replaces the file atomically: a temporary file
// beside it is written, flushed to disk and renamed over it, so a crash at any moment leaves
// the old file or the new one, never a part.
//   - A symbolic link stays a link: the save goes to the file it points to. A folder, device,
//     pipe or socket there is refused, unread and unwritten.
//   - When the file may be written but not replaced (its folder takes no new files, or is
//     sticky and the file another user's), the file is rewritten in place instead; a
//     rewrite that fails leaves the old bytes.
//   - Temporary files that killed saves left behind (".Calvoro.ini.<pid>-<n>-<t>.tmp" that
//     no save holds locked, whatever the process number) are removed at the next save.
//   - The user's configuration folder (user_folders.h) is created, mode 700, at the first
//     save; no other folder is ever created ("Invalid filename" when one is missing).

#include "core/config_file.h"

namespace platform {

class PosixConfigStorage : public core::ConfigStorage {
public:
  bool exists(const std::string &path) override;
  std::string readHead(const std::string &path, size_t maxBytes) override;
  void replace(const std::string &path, std::string_view bytes) override;
};

// The disk's storage; every environment carries it unless a test gives another.
PosixConfigStorage &systemConfigStorage();

} // namespace platform
