#include "ui/win32/win32_keys.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "ui/win32/win32_api.h"

namespace peruka {

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
  return lower;
}

struct NamedKey {
  std::string_view name;  // lower case
  Word key;
};

constexpr NamedKey kNamedKeys[] = {
    {"del", VK_DELETE},  {"delete", VK_DELETE},  {"ins", VK_INSERT},    {"insert", VK_INSERT},
    {"home", VK_HOME},   {"end", VK_END},        {"pgup", VK_PRIOR},    {"pageup", VK_PRIOR},
    {"pgdown", VK_NEXT}, {"pagedown", VK_NEXT},  {"left", VK_LEFT},     {"up", VK_UP},
    {"right", VK_RIGHT}, {"down", VK_DOWN},      {"esc", VK_ESCAPE},    {"escape", VK_ESCAPE},
    {"tab", VK_TAB},     {"backspace", VK_BACK}, {"return", VK_RETURN}, {"enter", VK_RETURN},
    {"space", VK_SPACE},
};

// The virtual-key code of a key's name, 0 for none.
Word KeyOfName(std::string_view name) {
  if (name.size() == 1) {
    const auto c = static_cast<unsigned char>(name[0]);
    if (std::isalpha(c)) return static_cast<Word>(std::toupper(c));
    if (std::isdigit(c)) return static_cast<Word>(c);
    return 0;
  }
  const std::string lower = Lower(name);
  if (lower.size() >= 2 && lower[0] == 'f' && std::all_of(lower.begin() + 1, lower.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
      })) {
    const int number = std::stoi(lower.substr(1));
    if (lower[1] != '0' && number >= 1 && number <= 24) return static_cast<Word>(VK_F1 + number - 1);
    return 0;
  }
  for (const NamedKey& named : kNamedKeys)
    if (named.name == lower) return named.key;
  return 0;
}

}  // namespace

KeyChord ParseKeyChord(std::string_view text) {
  KeyChord chord;
  while (!text.empty()) {
    const std::size_t plus = text.find('+');
    const std::string_view part = text.substr(0, plus);
    const bool last = plus == std::string_view::npos;
    if (part.empty()) return {};
    if (!last) {
      const std::string modifier = Lower(part);
      if (modifier == "ctrl") {
        chord.shift |= ssCtrl;
      } else if (modifier == "shift") {
        chord.shift |= ssShift;
      } else if (modifier == "alt") {
        chord.shift |= ssAlt;
      } else {
        return {};
      }
      text.remove_prefix(plus + 1);
      if (text.empty()) return {};
      continue;
    }
    chord.key = KeyOfName(part);
    if (chord.key == 0) return {};
    return chord;
  }
  return {};
}

TShiftState KeyMessageShiftState(bool altInKeyData) {
  TShiftState state = 0;
  if (::GetKeyState(VK_SHIFT) < 0) state |= ssShift;
  if (::GetKeyState(VK_CONTROL) < 0) state |= ssCtrl;
  if (altInKeyData || ::GetKeyState(VK_MENU) < 0) state |= ssAlt;
  return state;
}

}  // namespace peruka
