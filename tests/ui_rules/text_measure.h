// The backend's text measuring in the window's font, for the label tests
// that every backend must pass alike: each backend's test glue defines
// MakeTextMeasure.
#pragma once

#include <memory>
#include <string_view>

#include "ui/layout_rules.h"

namespace peruka::testing {

class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  // As a label measures its caption (no word wrap, "&" an accelerator mark
  // when `prefix`).
  virtual TextSize Measure(std::string_view shiftJis, bool prefix) const = 0;
  // One line without any rule, and the height of a line.
  virtual int PlainWidth(std::string_view shiftJis) const = 0;
  virtual int LineHeight() const = 0;
};

std::unique_ptr<TextMeasure> MakeTextMeasure();

}  // namespace peruka::testing
