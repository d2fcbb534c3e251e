#pragma once
// The user's regional short-date settings, read from the locale that governs dates
// (LC_ALL, else LC_TIME, else LANG).

#include "core/date_text.h"

#include <QString>

namespace platform {

struct RegionalSettings {
  core::RegionalDateFormat date; // field order, separator, short format, two-digit years
};

// The locale name that governs dates: the first of LC_ALL, LC_TIME and LANG that is set and
// not empty; "C" when none is.
QString timeLocaleName();

// The settings for a locale name such as "en_GB.UTF-8". The C and POSIX locales, and names
// no locale data exists for, give day/month/year with "/" and "dd/mm/yyyy".
RegionalSettings regionalSettingsFor(const QString &localeName);

// The settings of this process's date locale.
RegionalSettings regionalSettings();

// The short-date settings written by a Qt date pattern such as "dd.MM.yy".
core::RegionalDateFormat dateFormatFromQtPattern(const QString &qtPattern);

} // namespace platform
