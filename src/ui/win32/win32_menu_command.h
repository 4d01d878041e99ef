// A command of a context menu over Win32: its item's text, its keys and
// what it runs; and the pop-up menus the backend opens.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/menu_command.h"
#include "ui/win32/win32_api.h"
#include "ui/win32/win32_keys.h"

namespace peruka {

class Win32MenuCommand final : public TMenuCommand {
 public:
  // The caption and keys are Shift-JIS and portable key text.
  Win32MenuCommand(std::string_view caption, std::string_view keys, std::function<void()> run);

  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  const KeyChord& Keys() const { return keys_; }
  // The item's text: the caption, then a tab and the keys when it has any.
  const std::wstring& MenuText() const { return menuText_; }
  // Runs the command through the event guard; nothing while disabled.
  void Run() const;

 private:
  std::wstring menuText_;
  KeyChord keys_;
  std::function<void()> run_;
  bool enabled_ = true;
};

// The command behind a layer's menu command, or null.
const Win32MenuCommand* AsWin32(const TMenuCommand* command);

// One item of a pop-up menu; an item without text is a separator.
struct MenuItem {
  std::wstring text;
  bool enabled = true;
  std::function<void()> run;
};

// Opens the menu at the screen point, owned by the window, and runs the
// chosen item (through the event guard) once the menu has closed.
void ShowPopupMenu(HWND owner, POINT at, const std::vector<MenuItem>& items);

// The items of the commands, with a separator before them when `separate`
// and there are any.
void AppendCommandItems(std::vector<MenuItem>& items, const std::vector<const TMenuCommand*>& commands,
                        bool separate);

}  // namespace peruka
