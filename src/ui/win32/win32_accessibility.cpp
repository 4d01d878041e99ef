#include "ui/win32/win32_accessibility.h"

// clang-format off
#include "ui/win32/win32_api.h"
#include <initguid.h>
#include <oleacc.h>
// clang-format on

#include "ui/win32/win32_text.h"

namespace peruka {

void PublishAccessibleName(const NativeWidget& native) {
  if (!native.window) return;
  // The services are an in-process COM object: the thread joins the
  // single-threaded apartment its windows live in (a second call only
  // counts up).
  if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return;
  IAccPropServices* services = nullptr;
  if (SUCCEEDED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                   reinterpret_cast<void**>(&services)))) {
    const std::wstring name = ToWide(native.accessibleName);
    services->SetHwndPropStr(native.window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                             name.c_str());
    services->Release();
  }
  ::CoUninitialize();
}

}  // namespace peruka
