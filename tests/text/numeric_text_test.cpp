// The character rule for column values.
#include "text/numeric_text.h"

#include <gtest/gtest.h>

#include <string>

namespace peruka {
namespace {

TEST(IsNumericText, Table) {
  struct Row {
    std::string text;
    bool pass;
  };
  const Row rows[] = {
      {"12", true},
      {"-3.25", true},
      {"0.5", true},
      {".5", true},
      {"5.", true},
      {"-", true},
      {".", true},
      {"-.", true},
      {"", true},
      {"0123456789", true},
      {"-.5", true},
      {"1.2.3", false},
      {"..", false},
      {"1-2", false},
      {"1-", false},
      {"--1", false},
      {"+1", false},
      {"1e5", false},
      {"1E5", false},
      {" 12", false},
      {"12 ", false},
      {"\t12", false},
      {"\x82\x50\x82\x51", false},  // full-width "12"
      {"1\x81\x40", false},         // full-width blank
      {"1,5", false},
      {std::string("1\0", 2), false},
      {"/", false},
      {":", false},
      // The result does not depend on where the failure is.
      {"x1.5", false},
      {"1.5x", false},
      {"1.5.", false},
      {std::string(5000, '7') + "." + std::string(5000, '7'), true},
  };
  for (const auto& row : rows) EXPECT_EQ(IsNumericText(row.text), row.pass) << "[" << row.text << "]";
}

}  // namespace
}  // namespace peruka
