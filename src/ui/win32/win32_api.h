// The Win32 headers, included after the window layer's own names: the layer
// defines VK_RETURN, VK_ESCAPE, MB_OK, IDOK and MessageBox itself, which
// windows.h turns into macros. Every file of the backend that needs the
// system's declarations includes this header instead of <windows.h>.
#pragma once

// clang-format off
#include "ui/classes.h"
#include "ui/message_box.h"

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
// clang-format on

// The layer's MessageBox, not the system's macro for MessageBoxW.
#undef MessageBox
