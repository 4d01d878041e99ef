// The program's icon as the window shows it: the 32 x 32 rendering of the
// application's SVG icon, embedded at build time.
#pragma once

#include <string_view>

#include "peruka_window_icon.h"

namespace peruka {

inline std::string_view WindowIconPng() {
  return {reinterpret_cast<const char*>(kPerukaWindowIconPng), sizeof kPerukaWindowIconPng};
}

}  // namespace peruka
