// The column box's line store as the edit control of the line-list tests
// that every backend passes.
#include "edit_control.h"
#include "ui/line_store.h"

namespace peruka::testing {

namespace {

class StoreEditControl final : public EditControl {
 public:
  EditLines& Lines() override { return store_; }

 private:
  LineStore store_;
};

}  // namespace

std::unique_ptr<EditControl> MakeEditControl() { return std::make_unique<StoreEditControl>(); }

}  // namespace peruka::testing
