#include "platform/error_text.h"

#include "core/errors.h"
#include "platform/error_report.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <new>

namespace platform {

namespace {

QString tr(const char *text) {
  return QCoreApplication::translate("platform::ErrorText", text);
}

// What was found at the path, or the system's own words for the error.
QString reasonOf(int errorCode) {
  switch (errorCode) {
  case EISDIR:
    return tr("it is a folder, not a file");
  case core::EInOutError::kNotARegularFile:
    return tr("it is not a regular file");
  default:
    return QString::fromLocal8Bit(std::strerror(errorCode));
  }
}

QString inOutText(const core::EInOutError &error) {
  QString text = QString::fromUtf8(error.what());
  if (error.path().empty())
    return text;
  return tr("%1 (%2: %3)")
      .arg(text, QString::fromLocal8Bit(error.path().c_str()), reasonOf(error.errorCode()));
}

} // namespace

QString errorText(const std::exception_ptr &error) {
  try {
    std::rethrow_exception(error);
  } catch (const core::EInOutError &e) {
    return inOutText(e);
  } catch (const std::bad_alloc &) {
    return tr("Out of memory");
  } catch (const std::exception &e) {
    return QString::fromUtf8(e.what());
  } catch (...) {
    return unknownErrorText();
  }
}

} // namespace platform
