#pragma once
// What the error report says for an error that ended a handler: the error's own text, and for
// a failed file operation also the file or folder and what the system said about it, so that
// the user knows what to mend.

#include <QString>

#include <exception>

namespace platform {

QString errorText(const std::exception_ptr &error);

} // namespace platform
