// Window icons from PNG images, and the application's icon that every form
// made afterwards takes.
#pragma once

#include <string_view>

#include "ui/win32/win32_api.h"

namespace peruka {

// An icon of the PNG image (the system reads PNG icon images itself); null
// when the image does not read. The caller owns it.
HICON IconFromPng(std::string_view png);

// The application's icon, null until it is set; the application owns it.
HICON ApplicationIcon();
void SetApplicationIcon(HICON icon);

}  // namespace peruka
