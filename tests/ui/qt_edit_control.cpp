// The Qt backend's column box for the shared tests of tests/ui_rules: a memo
// without word wrap, with both scroll bars, in a shown form of its own.
#include "edit_control.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/memo.h"

namespace peruka::testing {
namespace {

class QtEditControl final : public EditControl {
 public:
  QtEditControl() : form_(std::make_unique<TForm>(Application)) {
    form_->SetClientWidth(400);
    form_->SetClientHeight(300);
    memo_ = new TMemo(form_.get());
    memo_->SetBounds(0, 0, 200, 150);
    memo_->SetWordWrap(false);
    memo_->SetScrollBars(ssBoth);
    form_->Show();
  }

  EditLines& Lines() override { return memo_->EditControl(); }

 private:
  std::unique_ptr<TForm> form_;
  TMemo* memo_ = nullptr;
};

}  // namespace

std::unique_ptr<EditControl> MakeEditControl() { return std::make_unique<QtEditControl>(); }

}  // namespace peruka::testing
