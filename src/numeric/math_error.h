// Error reports of the math functions: a replaceable hook decides whether an
// error is reported; a replaceable presenter shows the report (a message box
// in the window, a line on standard error in the command).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "numeric/extended.h"

namespace peruka {

enum class MathErrorKind : std::int32_t {
  Domain = 1,
  Singularity = 2,
  Overflow = 3,
  Underflow = 4,
  TotalLoss = 5,
  PartialLoss = 6,
};

struct MathErrorRecord {
  MathErrorKind kind;
  const char* functionName;
  Extended x;
  Extended y;
  Extended returnValue;  // the substitute result; the hook may change it
};

// Returns non-zero when the error is handled and must not be reported.
using MathErrorHookFunction = std::int32_t (*)(MathErrorRecord& record);

// The default hook: underflow is handled with +0, total loss is handled as it
// stands, every other kind is reported.
std::int32_t DefaultMathErrorHook(MathErrorRecord& record);

// The process-wide hook; DefaultMathErrorHook unless replaced.
MathErrorHookFunction MathErrorHook();
void SetMathErrorHook(MathErrorHookFunction hook);

// Fills the record, consults the hook and, when it declines, sets errno (ERANGE
// for singularity, overflow and underflow, EDOM otherwise) and shows
// "<name>: <KIND> error" with ShowRuntimeMessage. Returns the record's value.
Extended ReportMathError(MathErrorKind kind, const char* functionName, Extended x, Extended y,
                         Extended substitute);

// Shows a runtime error text titled with the executable's file name and
// returns when it has been acknowledged.
using RuntimeMessagePresenter = std::function<void(std::string_view text, std::string_view title)>;
void ShowRuntimeMessage(std::string_view text);

// Replaces the presenter; returns the previous one. Without a presenter the
// text goes to standard error.
RuntimeMessagePresenter SetRuntimeMessagePresenter(RuntimeMessagePresenter presenter);

// The running executable's file name without its folder.
std::string ExecutableFileName();

}  // namespace peruka
