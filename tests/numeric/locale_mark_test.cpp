// The decimal mark taken from the locale.
#include "numeric/locale_mark.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace peruka {
namespace {

TEST(DecimalMarkFromLocaleText, OneByteTakenOtherwisePoint) {
  struct Row {
    const char* text;
    char mark;
  };
  const Row rows[] = {
      {".", '.'}, {",", ','},  {"'", '\''},           {" ", ' '},        {"\xA5", '\xA5'},
      {"", '.'},  {",,", '.'}, {"\xE2\x80\xAF", '.'}, {"\xD9\xAB", '.'}, {nullptr, '.'},
  };
  for (const auto& row : rows)
    EXPECT_EQ(DecimalMarkFromLocaleText(row.text), row.mark) << (row.text ? row.text : "(null)");
}

// Sets an environment variable for the length of a test.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value, 1);
  }
  ~ScopedEnvironment() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(LoadLocaleSettings, PlainLocalesGiveThePoint) {
  for (const char* locale : {"C", "POSIX", "C.UTF-8"}) {
    ScopedEnvironment all("LC_ALL", locale);
    SetLocaleDecimalMark(',');
    LoadLocaleSettings();
    EXPECT_EQ(LocaleDecimalMark(), '.') << locale;
  }
}

TEST(LoadLocaleSettings, LocaleThatCannotBeLoadedGivesThePoint) {
  ScopedEnvironment all("LC_ALL", "xx_NOWHERE.NOCODESET");
  SetLocaleDecimalMark(',');
  LoadLocaleSettings();
  EXPECT_EQ(LocaleDecimalMark(), '.');
}

}  // namespace
}  // namespace peruka
