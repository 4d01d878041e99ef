// A context menu command over a Qt action.
#pragma once

#include <QAction>
#include <QPointer>

#include "ui/menu_command.h"

namespace peruka {

class QtMenuCommand final : public TMenuCommand {
 public:
  explicit QtMenuCommand(QAction* action) : action_(action) {}
  ~QtMenuCommand() override { delete action_.data(); }

  bool Enabled() const override { return action_ && action_->isEnabled(); }
  void SetEnabled(bool enabled) override {
    if (action_) action_->setEnabled(enabled);
  }
  QAction* Action() const { return action_; }

 private:
  QPointer<QAction> action_;
};

}  // namespace peruka
