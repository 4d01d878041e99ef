#include "app/graph_texts.h"

#include <charconv>
#include <string>
#include <utility>

#include "app/window_texts.h"
#include "text/shift_jis.h"

namespace peruka {

namespace {

std::string FixedSix(double value, char decimalMark) {
  char buffer[400];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  if (error != std::errc()) return {};
  std::string text(buffer, end);
  for (char& c : text)
    if (c == '.') c = decimalMark;
  return text;
}

}  // namespace

GraphTexts GraphTextsOf(const GraphData& data, char decimalMark) {
  std::string lead = ShiftJisToUtf8(TextOf(WindowText::GraphDegreeLead)) + std::to_string(data.fit.degree) +
                     ShiftJisToUtf8(TextOf(WindowText::GraphDegreeTail));
  std::string exponent;
  std::string tail;
  if (data.rSquared) {
    lead.append("  R");
    exponent.push_back('2');
    tail = " = " + FixedSix(*data.rSquared, decimalMark);
  }
  std::string heading = lead;
  if (!exponent.empty()) heading.append("\u00B2");
  heading.append(tail);
  return GraphTexts{ShiftJisToUtf8(TextOf(WindowText::GraphTitle)),
                    std::move(heading),
                    std::move(lead),
                    std::move(exponent),
                    std::move(tail),
                    ShiftJisToUtf8(TextOf(WindowText::ResultName)),
                    ShiftJisToUtf8(TextOf(WindowText::ExactLegend)),
                    ShiftJisToUtf8(TextOf(WindowText::MeanBandLegend)),
                    ShiftJisToUtf8(TextOf(WindowText::PredictionBandLegend))};
}

}  // namespace peruka
