#include "core/io_error.h"

#include <cerrno>

namespace core {

std::string ioErrorText(int systemError) {
  switch (systemError) {
  case ENOENT:
    return "File not found";
  case ENOTDIR:
  case ENAMETOOLONG:
  case ELOOP:
    return "Invalid filename";
  case EMFILE:
  case ENFILE:
    return "Too many open files";
  case EACCES:
  case EPERM:
  case EISDIR:
  case EROFS:
  case ETXTBSY:
  case EInOutError::kNotARegularFile:
    return "File access denied";
  case ENOSPC:
#ifdef EDQUOT
  case EDQUOT:
#endif
    return "Disk full";
  default:
    return "I/O error " + std::to_string(systemError);
  }
}

EInOutError inOutError(int systemError) {
  return EInOutError(ioErrorText(systemError), systemError);
}

EInOutError invalidFilenameError(int systemError) {
  return EInOutError("Invalid filename", systemError);
}

EInOutError inOutError(int systemError, const std::string &path) {
  EInOutError error = inOutError(systemError);
  error.setPath(path);
  return error;
}

} // namespace core
