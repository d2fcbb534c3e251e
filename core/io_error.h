#pragma once
// The runtime's texts for failed file operations.
#include <string>

#include "core/errors.h"

namespace core {

// "File not found" (ENOENT), "Invalid filename" (ENOTDIR, ENAMETOOLONG, ELOOP),
// "Too many open files" (EMFILE, ENFILE), "File access denied" (EACCES, EPERM,
// EISDIR, EROFS, ETXTBSY, and something that is not a regular file), "Disk
// full" (ENOSPC, EDQUOT), otherwise "I/O error <number>".
std::string ioErrorText(int systemError);

// The error for a system error number, with its text.
EInOutError inOutError(int systemError);

// "Invalid filename", for a path whose folder does not exist.
EInOutError invalidFilenameError(int systemError);

// The error with the path it failed on.
EInOutError inOutError(int systemError, const std::string &path);

} // namespace core
