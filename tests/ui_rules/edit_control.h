// A column box's edit control of the backend under test, for the tests that
// every backend must pass alike: each backend's test glue defines
// MakeEditControl (the Qt one in tests/ui, the Windows one here).
#pragma once

#include <memory>

#include "ui/edit_lines.h"

namespace peruka::testing {

class EditControl {
 public:
  virtual ~EditControl() = default;
  // Without word wrap, as the columns are.
  virtual EditLines& Lines() = 0;
};

std::unique_ptr<EditControl> MakeEditControl();

}  // namespace peruka::testing
