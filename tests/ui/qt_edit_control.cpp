// The Qt backend's column box for the shared tests of tests/ui_rules.
#include "edit_control.h"
#include "ui_test_support.h"

namespace peruka::testing {
namespace {

class QtEditControl final : public EditControl {
 public:
  EditLines& Lines() override { return column_.memo->EditControl(); }

 private:
  ColumnMemo column_ = MakeColumnMemo();
};

}  // namespace

std::unique_ptr<EditControl> MakeEditControl() { return std::make_unique<QtEditControl>(); }

}  // namespace peruka::testing
