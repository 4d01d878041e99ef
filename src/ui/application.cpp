#include "ui/application.h"

#include <cxxabi.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "numeric/exceptions.h"
#include "numeric/extended.h"
#include "numeric/math_error.h"
#include "text/shift_jis.h"
#include "ui/form.h"
#include "ui/message_box.h"

namespace peruka {

TApplication* Application = nullptr;

namespace {

// ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ
constexpr std::string_view kGenericCaption = "\xb1\xcc\xdf\xd8\xb9\xb0\xbc\xae\xdd\x20\xb4\xd7\xb0";
// %sがﾓｼﾞｭｰﾙ %s の\n%p で発生しました。\n%s%s\n
constexpr const char* kGenericFormat =
    "%s\x82\xaa\xd3\xbc\xde\xad\xb0\xd9 %s \x82\xcc\n%p "
    "\x82\xc5\x94\xad\x90\xb6\x82\xb5\x82\xdc\x82\xb5\x82\xbd"
    "\x81\x42\n%s%s\n";

constexpr std::size_t kTitleLimit = 255;

std::string ClassNameOf(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
  return status == 0 && demangled ? std::string(demangled.get()) : std::string(type.name());
}

void ShowGenericReport(const std::string& className, const void* address) {
  std::string fileName = std::string(CutShiftJis(ExecutableFileName(), 63));
  char text[1024];
  std::snprintf(text, sizeof text, kGenericFormat, className.c_str(), fileName.c_str(), address, "", "");
  MessageBox(text, kGenericCaption, MB_TASKMODAL | MB_ICONSTOP);
}

}  // namespace

std::string DefaultTitle(std::string_view fileName) {
  if (const auto slash = fileName.find_last_of('/'); slash != std::string_view::npos)
    fileName = fileName.substr(slash + 1);
  if (const auto dot = fileName.find('.'); dot != std::string_view::npos) fileName = fileName.substr(0, dot);
  std::string title(fileName);
  for (std::size_t i = 1; i < title.size(); ++i) {
    if (IsShiftJisLeadByte(static_cast<unsigned char>(title[i]))) {
      ++i;
      continue;
    }
    const auto byte = static_cast<unsigned char>(title[i]);
    if (byte < 0x80) title[i] = static_cast<char>(std::tolower(byte));
  }
  return title;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
  title_ = std::string(CutShiftJis(DefaultTitle(ExecutableFileName()), kTitleLimit));
  StartNative();
  SetExceptionSink(this);
}

TApplication::~TApplication() {
  DestroyComponents();
  StopNative();
  if (ExceptionSink() == this) SetExceptionSink(nullptr);
  if (Application == this) Application = nullptr;
}

void TApplication::SetTitle(std::string_view title) { title_ = std::string(CutShiftJis(title, kTitleLimit)); }

void TApplication::AddForm(TForm* form) {
  form->AfterConstruction();
  if (!mainForm_) mainForm_ = form;
}

void TApplication::ShowException(const Exception& error) {
  MessageBox(error.Message() + ".", Title(), MB_OK | MB_ICONSTOP);
}

void TApplication::HandleException(std::exception_ptr error) {
  ReleaseMouseCapture();
  try {
    std::rethrow_exception(error);
  } catch (const EAbort&) {
    // A silent exception: nothing is shown.
  } catch (const EMathError& e) {
    // The arithmetic is left in its default state for the next calculation.
    EnsureExtendedPrecision();
    ShowException(e);
  } catch (const Exception& e) {
    ShowException(e);
  } catch (const std::exception& e) {
    ShowGenericReport(ClassNameOf(typeid(e)), &e);
  } catch (...) {
    ShowGenericReport("?", nullptr);
  }
}

}  // namespace peruka
