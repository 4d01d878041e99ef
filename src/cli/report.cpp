#include "cli/report.h"

#include <cerrno>
#include <cstring>

#include "cli/exit_status.h"
#include "cli/json_text.h"
#include "cli/stats_report.h"
#include "fit/result_text.h"
#include "numeric/format_fixed.h"
#include "text/shift_jis.h"

namespace peruka::cli {

namespace {

// The coefficient text of the result (see ResultText).
constexpr int kCoefficientDigits = 15;
constexpr int kCoefficientDecimals = 15;

std::string Lines(std::size_t count) { return std::to_string(count) + (count == 1 ? " line" : " lines"); }

const std::string& PlaceFile(const Place& place, const InputNames& names) {
  return place.inY ? names.y : names.x;
}

// The calculation's own result, when that is the one shown.
const FitResult* Described(const Outcome& outcome) { return outcome.exactResult ? nullptr : &outcome.fit; }

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

int ReportText(const Outcome& outcome, const InputNames& names, std::FILE* out, std::FILE* err,
               const ResultExtras& extras) {
  if (outcome.kind == OutcomeKind::Result) {
    std::string text = extras.equation ? EquationText(outcome.fit, *extras.equation)
                                       : ShiftJisToUtf8(ResultText(outcome.fit)) + "\n";
    if (extras.at != nullptr) text += EvaluationsText(outcome, *extras.at);
    const int status = WriteOut(text, kExitSuccess, out, err);
    if (extras.stats != nullptr && status == kExitSuccess)
      Write(err, StatsText(*extras.stats, outcome.exact ? &*outcome.exact : nullptr, Described(outcome)));
    return status;
  }
  std::string text;
  if (outcome.place) text = LocationPrefix(PlaceFile(*outcome.place, names), outcome.place->line);
  text += ShiftJisToUtf8(outcome.message);
  if (outcome.check == ColumnCheck::CountsDiffer)
    text += " (x: " + Lines(outcome.xCount) + ", y: " + Lines(outcome.yCount) + ")";
  if (outcome.kind != OutcomeKind::Notice) text += '.';  // as the error box shows it
  Write(err, text + "\n");
  return StatusOf(outcome.kind);
}

std::string_view KindName(OutcomeKind kind) {
  switch (kind) {
    case OutcomeKind::Result:
      return "result";
    case OutcomeKind::Notice:
      return "notice";
    case OutcomeKind::Convert:
      return "convert";
    case OutcomeKind::InvalidOp:
      return "invalid";
    case OutcomeKind::Overflow:
      return "overflow";
    case OutcomeKind::OtherError:
      break;
  }
  return "error";
}

std::string JsonResultFields(const Outcome& outcome, bool withStats) {
  const FitResult& fit = outcome.fit;
  std::string json =
      ",\"degree\":" + std::to_string(fit.degree) + ",\"points\":" + std::to_string(outcome.xCount);
  if (outcome.exactResult) json += ",\"exact\":true";
  json += ",\"coefficients\":[";
  for (int k = fit.degree; k >= 0; --k) {
    const double value = fit.coefficients[static_cast<std::size_t>(k)];
    if (k != fit.degree) json += ',';
    json += "{\"power\":" + std::to_string(k) + ",\"value\":" + JsonNumber(value) + ",\"text\":" +
            JsonString(ShiftJisToUtf8(FormatFixed(value, kCoefficientDigits, kCoefficientDecimals)));
    if (withStats && outcome.exact) json += CoefficientStatsJson(*outcome.exact, Described(outcome), k);
    json += "}";
  }
  return json + "]";
}

std::string JsonFailureFields(const Outcome& outcome, const InputNames& names) {
  std::string json = ",\"message\":" + JsonString(ShiftJisToUtf8(outcome.message));
  if (outcome.place) {
    json += ",\"file\":" + JsonString(PlaceFile(*outcome.place, names)) +
            ",\"line\":" + std::to_string(outcome.place->line) +
            ",\"text\":" + JsonString(ShiftJisToUtf8(outcome.place->text));
  }
  if (outcome.check == ColumnCheck::CountsDiffer)
    json +=
        ",\"x_lines\":" + std::to_string(outcome.xCount) + ",\"y_lines\":" + std::to_string(outcome.yCount);
  return json;
}

int ReportJson(const Outcome& outcome, const InputNames& names, std::FILE* out, std::FILE* err,
               const ResultExtras& extras) {
  const FitQuality* const stats = extras.stats;
  const std::vector<AtPoint>* const at = extras.at;
  std::string json = "{\"kind\":" + JsonString(KindName(outcome.kind));
  const bool withStats = stats != nullptr && outcome.kind == OutcomeKind::Result;
  json += outcome.kind == OutcomeKind::Result ? JsonResultFields(outcome, withStats)
                                              : JsonFailureFields(outcome, names);
  if (extras.equation && outcome.kind == OutcomeKind::Result)
    json += ",\"equation\":" + JsonString(EquationText(outcome.fit, *extras.equation));
  if (at != nullptr && outcome.kind == OutcomeKind::Result) json += EvaluationsJson(outcome, *at);
  if (withStats) {
    json += ",\"stats\":" + StatsJson(*stats);
    if (outcome.exact) json += ",\"exact_fit\":" + ExactStatsJson(*outcome.exact, Described(outcome));
  }
  json += ",\"domain_reports\":" + std::to_string(outcome.domainReports) + "}\n";
  return WriteOut(json, StatusOf(outcome.kind), out, err);
}

}  // namespace

void Write(std::FILE* stream, std::string_view text) {
  if (!text.empty()) std::fwrite(text.data(), 1, text.size(), stream);
}

std::string LocationPrefix(std::string_view name, std::size_t line) {
  const std::string_view shown = name == kStandardInputName ? std::string_view("standard input") : name;
  return std::string(kProgram) + ": " + std::string(shown) + ":" + std::to_string(line) + ": ";
}

int Report(const Outcome& outcome, const InputNames& names, OutputFormat format, std::FILE* out,
           std::FILE* err, const ResultExtras& extras) {
  return format == OutputFormat::Json ? ReportJson(outcome, names, out, err, extras)
                                      : ReportText(outcome, names, out, err, extras);
}

}  // namespace peruka::cli
