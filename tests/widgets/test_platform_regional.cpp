// Regional short-date settings from the date locale.

#include "core/date_text.h"
#include "platform/regional_settings.h"

#include <QByteArray>

#include <gtest/gtest.h>

namespace {

using core::DateOrder;
using platform::regionalSettingsFor;

TEST(RegionalSettings, CAndPosixLocalesMeanDayMonthYearWithSlash) {
  for (const char *name : {"C", "POSIX", "C.UTF-8", "", "xx_YY", "qq"}) {
    SCOPED_TRACE(name);
    const core::RegionalDateFormat f = regionalSettingsFor(name).date;
    EXPECT_EQ(f.order, DateOrder::DMY);
    EXPECT_EQ(f.separator, '/');
    EXPECT_EQ(f.shortDateFormat, "dd/mm/yyyy");
  }
}

TEST(RegionalSettings, LocalesGiveTheirOrderSeparatorAndShortFormat) {
  struct Case {
    const char *locale;
    DateOrder order;
    char separator;
    const char *written; // 12 May 2024 in the short format
  };
  const Case cases[] = {
      {"en_GB.UTF-8", DateOrder::DMY, '/', "12/05/2024"},
      {"de_DE.UTF-8", DateOrder::DMY, '.', "12.05.24"},
      {"de_DE@euro", DateOrder::DMY, '.', "12.05.24"},
      {"en_US", DateOrder::MDY, '/', "5/12/24"},
      {"ja_JP.UTF-8", DateOrder::YMD, '/', "2024/05/12"},
      {"hu_HU", DateOrder::YMD, '.', "2024. 05. 12"}, // trailing "." dropped
      {"bg_BG", DateOrder::DMY, '.', "12.05.24"},     // quoted year word dropped
      {"ar_EG", DateOrder::DMY, '/', "12/5/2024"},    // direction marks dropped
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.locale);
    const core::RegionalDateFormat f = regionalSettingsFor(c.locale).date;
    EXPECT_EQ(f.order, c.order);
    EXPECT_EQ(f.separator, c.separator);
    EXPECT_EQ(core::formatShortDate(core::Date{2024, 5, 12}, f), c.written);
  }
}

TEST(RegionalSettings, PatternsThatNameTheMonthBecomeNumeric) {
  const core::RegionalDateFormat f = platform::dateFormatFromQtPattern("d MMM yyyy");
  EXPECT_EQ(f.order, DateOrder::DMY);
  EXPECT_EQ(f.shortDateFormat, "dd/mm/yyyy");
  const core::RegionalDateFormat g = platform::dateFormatFromQtPattern("yyyy-MM-dd");
  EXPECT_EQ(g.order, DateOrder::YMD);
  EXPECT_EQ(g.separator, '-');
  EXPECT_EQ(g.shortDateFormat, "yyyy/mm/dd");
}

// Sets an environment variable for one scope (unset when `value` is null).
class EnvVar {
public:
  EnvVar(const char *name, const char *value) : name_(name) {
    had_ = qEnvironmentVariableIsSet(name);
    old_ = qgetenv(name);
    if (value)
      qputenv(name, value);
    else
      qunsetenv(name);
  }
  ~EnvVar() {
    if (had_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }

private:
  const char *name_;
  bool had_;
  QByteArray old_;
};

TEST(RegionalSettings, LcAllOverridesLcTimeWhichOverridesLang) {
  {
    EnvVar all("LC_ALL", "de_DE.UTF-8"), time("LC_TIME", "en_US.UTF-8"), lang("LANG", "en_GB");
    EXPECT_EQ(platform::timeLocaleName(), "de_DE.UTF-8");
    EXPECT_EQ(platform::regionalSettings().date.separator, '.');
  }
  {
    EnvVar all("LC_ALL", ""), time("LC_TIME", "en_US.UTF-8"), lang("LANG", "de_DE");
    EXPECT_EQ(platform::timeLocaleName(), "en_US.UTF-8");
    EXPECT_EQ(platform::regionalSettings().date.order, DateOrder::MDY);
  }
  {
    EnvVar all("LC_ALL", nullptr), time("LC_TIME", nullptr), lang("LANG", "de_DE");
    EXPECT_EQ(platform::timeLocaleName(), "de_DE");
  }
  {
    EnvVar all("LC_ALL", nullptr), time("LC_TIME", nullptr), lang("LANG", nullptr);
    EXPECT_EQ(platform::timeLocaleName(), "C");
    EXPECT_EQ(platform::regionalSettings().date.shortDateFormat, "dd/mm/yyyy");
  }
}

} // namespace
