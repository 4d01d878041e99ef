// A command of a context menu, with its keys: the backend's menu item. Its
// control owns it.
#pragma once

namespace peruka {

class TMenuCommand {
 public:
  virtual ~TMenuCommand() = default;
  virtual bool Enabled() const = 0;
  // A disabled command shows greyed in its menu and its keys do nothing.
  virtual void SetEnabled(bool enabled) = 0;
};

}  // namespace peruka
