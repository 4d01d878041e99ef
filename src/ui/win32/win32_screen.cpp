#include "ui/screen.h"
#include "ui/win32/win32_api.h"

namespace peruka {

TScreen::TScreen(TComponent* owner) : TComponent(owner) {
  const HDC screen = ::GetDC(nullptr);
  pixelsPerInch_ = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ::ReleaseDC(nullptr, screen);
}

int TScreen::Width() const { return ::GetSystemMetrics(SM_CXSCREEN); }

int TScreen::Height() const { return ::GetSystemMetrics(SM_CYSCREEN); }

}  // namespace peruka
