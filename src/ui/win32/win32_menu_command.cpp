#include "ui/win32/win32_menu_command.h"

#include <utility>

#include "ui/event_guard.h"
#include "ui/win32/win32_text.h"

namespace peruka {

Win32MenuCommand::Win32MenuCommand(std::string_view caption, std::string_view keys, std::function<void()> run)
    : menuText_(ToWide(caption)), keys_(ParseKeyChord(keys)), run_(std::move(run)) {
  if (keys_.key != 0) menuText_ += L"\t" + ToWide(keys);
}

void Win32MenuCommand::Run() const {
  if (enabled_ && run_) DispatchEvent(run_);
}

const Win32MenuCommand* AsWin32(const TMenuCommand* command) {
  return dynamic_cast<const Win32MenuCommand*>(command);
}

void ShowPopupMenu(HWND owner, POINT at, const std::vector<MenuItem>& items) {
  const HMENU menu = ::CreatePopupMenu();
  if (!menu) return;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const MenuItem& item = items[i];
    if (item.text.empty()) {
      ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      // Item ids from 1: 0 is what the menu answers when nothing is chosen.
      const UINT flags = item.enabled ? UINT{MF_STRING | MF_ENABLED} : UINT{MF_STRING | MF_GRAYED};
      ::AppendMenuW(menu, flags, i + 1, item.text.c_str());
    }
  }
  const auto chosen = static_cast<std::size_t>(
      ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr));
  ::DestroyMenu(menu);
  if (chosen == 0 || chosen > items.size()) return;
  const MenuItem& item = items[chosen - 1];
  if (item.enabled && item.run) DispatchEvent(item.run);
}

void AppendCommandItems(std::vector<MenuItem>& items, const std::vector<const TMenuCommand*>& commands,
                        bool separate) {
  bool first = true;
  for (const TMenuCommand* command : commands) {
    const Win32MenuCommand* win32 = AsWin32(command);
    if (!win32) continue;
    if (first && separate) items.push_back({});
    first = false;
    items.push_back({win32->MenuText(), win32->Enabled(), [win32] { win32->Run(); }});
  }
}

}  // namespace peruka
