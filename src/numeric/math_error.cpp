#include "numeric/math_error.h"

#include <cerrno>
#include <cstdio>

namespace peruka {

namespace {

MathErrorHookFunction g_hook = &DefaultMathErrorHook;

RuntimeMessagePresenter& Presenter() {
  static RuntimeMessagePresenter presenter;
  return presenter;
}

const char* KindName(MathErrorKind kind) {
  switch (kind) {
    case MathErrorKind::Domain:
      return "DOMAIN";
    case MathErrorKind::Singularity:
      return "SING";
    case MathErrorKind::Overflow:
      return "OVERFLOW";
    case MathErrorKind::Underflow:
      return "UNDERFLOW";
    case MathErrorKind::TotalLoss:
      return "TLOSS";
    case MathErrorKind::PartialLoss:
      return "PLOSS";
  }
  return "UNKNOWN";
}

}  // namespace

std::int32_t DefaultMathErrorHook(MathErrorRecord& record) {
  switch (record.kind) {
    case MathErrorKind::Underflow:
      record.returnValue = 0.0;
      return 1;
    case MathErrorKind::TotalLoss:
      return 1;
    default:
      return 0;
  }
}

MathErrorHookFunction MathErrorHook() { return g_hook; }

void SetMathErrorHook(MathErrorHookFunction hook) { g_hook = hook ? hook : &DefaultMathErrorHook; }

Extended ReportMathError(MathErrorKind kind, const char* functionName, Extended x, Extended y,
                         Extended substitute) {
  MathErrorRecord record{kind, functionName, x, y, substitute};
  if (g_hook(record) != 0) return record.returnValue;

  const bool rangeError = kind == MathErrorKind::Singularity || kind == MathErrorKind::Overflow ||
                          kind == MathErrorKind::Underflow;
  errno = rangeError ? ERANGE : EDOM;
  std::string text = std::string(functionName) + ": " + KindName(kind) + " error";
  ShowRuntimeMessage(text);
  return record.returnValue;
}

void ShowRuntimeMessage(std::string_view text) {
  const RuntimeMessagePresenter& presenter = Presenter();
  if (presenter) {
    presenter(text, ExecutableFileName());
    return;
  }
  std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
}

RuntimeMessagePresenter SetRuntimeMessagePresenter(RuntimeMessagePresenter presenter) {
  RuntimeMessagePresenter previous = std::move(Presenter());
  Presenter() = std::move(presenter);
  return previous;
}

}  // namespace peruka
