#include "cli/report.h"

#include <cerrno>
#include <cstring>

#include "cli/exit_status.h"
#include "fit/result_text.h"
#include "text/shift_jis.h"

namespace peruka::cli {

namespace {

std::string Lines(std::size_t count) { return std::to_string(count) + (count == 1 ? " line" : " lines"); }

const std::string& PlaceFile(const Place& place, const InputNames& names) {
  return place.inY ? names.y : names.x;
}

int StatusOf(OutcomeKind kind) {
  switch (kind) {
    case OutcomeKind::Result:
      return kExitSuccess;
    case OutcomeKind::Notice:
      return kExitNotice;
    default:
      return kExitError;
  }
}

// Writes `text` on `out` after what `err` holds; a failed write is reported
// on `err` and gives kExitIoError instead of `status`.
int WriteOut(std::string_view text, int status, std::FILE* out, std::FILE* err) {
  std::fflush(err);
  Write(out, text);
  if (std::fflush(out) != 0 || std::ferror(out)) {
    Write(err, std::string(kProgram) + ": cannot write the result: " + std::strerror(errno) + "\n");
    return kExitIoError;
  }
  return status;
}

int ReportText(const Outcome& outcome, const InputNames& names, std::FILE* out, std::FILE* err) {
  if (outcome.kind == OutcomeKind::Result)
    return WriteOut(ShiftJisToUtf8(ResultText(outcome.fit)) + "\n", kExitSuccess, out, err);
  std::string text;
  if (outcome.place) text = LocationPrefix(PlaceFile(*outcome.place, names), outcome.place->line);
  text += ShiftJisToUtf8(outcome.message);
  if (outcome.check == ColumnCheck::CountsDiffer)
    text += " (x: " + Lines(outcome.xCount) + ", y: " + Lines(outcome.yCount) + ")";
  if (outcome.kind != OutcomeKind::Notice) text += '.';  // as the error box shows it
  Write(err, text + "\n");
  return StatusOf(outcome.kind);
}

}  // namespace

void Write(std::FILE* stream, std::string_view text) {
  if (!text.empty()) std::fwrite(text.data(), 1, text.size(), stream);
}

std::string LocationPrefix(std::string_view name, std::size_t line) {
  const std::string_view shown = name == kStandardInputName ? std::string_view("standard input") : name;
  return std::string(kProgram) + ": " + std::string(shown) + ":" + std::to_string(line) + ": ";
}

int Report(const Outcome& outcome, const InputNames& names, std::FILE* out, std::FILE* err) {
  return ReportText(outcome, names, out, err);
}

}  // namespace peruka::cli
