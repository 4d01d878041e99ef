#include "cli/evaluations.h"

#include <cerrno>

#include "cli/json_text.h"
#include "cli/line_reader.h"
#include "fit/fitted_value.h"
#include "numeric/decimal_parse.h"
#include "numeric/locale_mark.h"
#include "text/numeric_text.h"
#include "text/shift_jis.h"
#include "text/trim.h"

namespace peruka::cli {

namespace {

constexpr std::string_view kAtOption = "--at";

// Checks and converts one x text as a data line is checked and converted.
AtPoint Take(std::string name, std::size_t line, std::string_view raw) {
  const std::string_view text = TrimmedView(raw);
  AtPoint point{std::move(name), line, std::string(text), 0.0};
  Outcome outcome;
  outcome.place = Place{false, line, point.text};
  if (!IsNumericText(text)) {
    outcome.kind = OutcomeKind::Notice;
    outcome.check = ColumnCheck::NotNumeric;
    outcome.message = std::string(NoticeText(ColumnCheck::NotNumeric));
    throw AtPointError{std::move(outcome), point.name};
  }
  try {
    point.x = ParseDecimal(text);
  } catch (const Exception& error) {
    SetError(error, outcome);
    if (outcome.kind != OutcomeKind::Convert) outcome.place.reset();
    throw AtPointError{std::move(outcome), point.name};
  }
  return point;
}

std::string IntervalJson(const std::optional<Interval>& interval) {
  if (!interval) return "null";
  std::string json(1, '[');
  json.append(JsonNumber(interval->lower)).append(1, ',').append(JsonNumber(interval->upper)).append(1, ']');
  return json;
}

}  // namespace

std::vector<AtPoint> ReadAtPoints(const Options& options, std::FILE* in, std::size_t maxLineLength) {
  std::vector<AtPoint> points;
  for (std::size_t i = 0; i < options.at.size(); ++i)
    points.push_back(Take(std::string(kAtOption), i + 1, Utf8ToShiftJis(options.at[i])));
  if (options.atFile.empty()) return points;
  std::FILE* stream = in;
  if (options.atFile != kStandardInputName) {
    stream = std::fopen(options.atFile.c_str(), "rb");
    if (stream == nullptr) throw ReadError{options.atFile, errno, {}};
  }
  struct Closer {
    std::FILE* stream;
    bool owned;
    ~Closer() {
      if (owned) std::fclose(stream);
    }
  } closer{stream, stream != in};
  ColumnLineReader lines(stream, options.atFile, options.shiftJis, kReadBlockSize, maxLineLength);
  std::string_view line;
  for (std::size_t number = 1; lines.Next(line); ++number)
    points.push_back(Take(options.atFile, number, line));
  return points;
}

FittedValue Evaluate(const Outcome& result, const AtPoint& point) {
  return EvaluateFit(result.fit, result.exact ? &*result.exact : nullptr, point.x, point.text,
                     LocaleDecimalMark());
}

std::string EvaluationsText(const Outcome& result, const std::vector<AtPoint>& points) {
  std::string text;
  for (const AtPoint& point : points) {
    text.append(FittedValueText(ShiftJisToUtf8(point.text), Evaluate(result, point), '.')).append(1, '\n');
  }
  return text;
}

std::string EvaluationsJson(const Outcome& result, const std::vector<AtPoint>& points) {
  std::string json = ",\"evaluations\":[";
  for (std::size_t i = 0; i < points.size(); ++i) {
    const FittedValue e = Evaluate(result, points[i]);
    if (i > 0) json += ',';
    json += "{\"x\":" + JsonString(ShiftJisToUtf8(points[i].text)) + ",\"value\":" + JsonNumber(e.value) +
            ",\"from\":" + (e.fromExact ? "\"exact\"" : "\"calculated\"") +
            ",\"mean_interval\":" + IntervalJson(e.mean) +
            ",\"prediction_interval\":" + IntervalJson(e.prediction) + "}";
  }
  return json + "]";
}

}  // namespace peruka::cli
