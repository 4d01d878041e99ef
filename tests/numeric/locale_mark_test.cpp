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
    Set(name, value);
  }
  ~ScopedEnvironment() {
    if (old_) {
      Set(name_, old_->c_str());
    } else {
      Unset(name_);
    }
  }

 private:
#ifdef _WIN32
  static void Set(const char* name, const char* value) { _putenv_s(name, value); }
  static void Unset(const char* name) { _putenv_s(name, ""); }
#else
  static void Set(const char* name, const char* value) { setenv(name, value, 1); }
  static void Unset(const char* name) { unsetenv(name); }
#endif

  const char* name_;
  std::optional<std::string> old_;
};

// The mark of the locale that the environment names.
class LocaleFromEnvironment : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef _WIN32
    GTEST_SKIP() << "Windows takes the mark from the system's default locale, not from the environment";
#endif
  }
};

TEST_F(LocaleFromEnvironment, PlainLocalesGiveThePoint) {
  for (const char* locale : {"C", "POSIX", "C.UTF-8"}) {
    ScopedEnvironment all("LC_ALL", locale);
    SetLocaleDecimalMark(',');
    LoadLocaleSettings();
    EXPECT_EQ(LocaleDecimalMark(), '.') << locale;
  }
}

TEST_F(LocaleFromEnvironment, LocaleThatCannotBeLoadedGivesThePoint) {
  ScopedEnvironment all("LC_ALL", "xx_NOWHERE.NOCODESET");
  SetLocaleDecimalMark(',');
  LoadLocaleSettings();
  EXPECT_EQ(LocaleDecimalMark(), '.');
}

}  // namespace
}  // namespace peruka
