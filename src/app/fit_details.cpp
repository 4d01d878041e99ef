#include "app/fit_details.h"

#include <cstddef>
#include <utility>

#include "app/window_texts.h"
#include "numeric/shortest_decimal.h"

namespace peruka {

namespace {

std::string Figure(const std::optional<double>& value, char decimalMark) {
  return value ? ShortestDecimal(*value, decimalMark) : std::string(TextOf(WindowText::Undefined));
}

std::string Text(WindowText id) { return std::string(TextOf(id)); }

// "警告: x^10 の係数は有効数字 2 桁、定数項は 3 桁しか信頼できません。"
std::string Warning(const std::vector<LowTrust>& low) {
  std::string text = Text(WindowText::WarningLead);
  for (std::size_t i = 0; i < low.size(); ++i) {
    if (i > 0) text += TextOf(WindowText::ListSeparator);
    if (low[i].power == 0) {
      text += TextOf(WindowText::ConstantTerm);
    } else {
      text += "x^" + std::to_string(low[i].power);
      text += TextOf(WindowText::CoefficientOf);
    }
    text += i == 0 ? TextOf(WindowText::DigitsLead) : " ";
    text += std::to_string(low[i].digits);
    text += TextOf(WindowText::DigitsTail);
  }
  return text + Text(WindowText::WarningTail);
}

}  // namespace

FitDetails DescribeFit(const FitResult& described, const ExactFit& exact, char decimalMark) {
  FitDetails details;
  details.headings = {Text(WindowText::PowerHeading), Text(WindowText::DescribedHeading)};
  const auto coefficient = [&](int k) { return described.coefficients[static_cast<std::size_t>(k)]; };
  if (!exact.Unique()) {
    for (int k = described.degree; k >= 0; --k)
      details.rows.push_back({std::to_string(k), ShortestDecimal(coefficient(k), decimalMark)});
    details.note = Text(WindowText::NotUniqueLead) + std::to_string(described.degree + 1) +
                   Text(WindowText::NotUniqueMiddle) + std::to_string(described.degree) +
                   Text(WindowText::NotUniqueTail);
    return details;
  }
  for (const WindowText heading :
       {WindowText::ExactHeading, WindowText::TrustedHeading, WindowText::StandardErrorHeading,
        WindowText::LowerHeading, WindowText::UpperHeading})
    details.headings.push_back(Text(heading));
  for (int k = described.degree; k >= 0; --k) {
    const std::optional<Interval> interval = exact.ConfidenceInterval(k);
    details.rows.push_back({std::to_string(k), ShortestDecimal(coefficient(k), decimalMark),
                            ShortestDecimal(exact.Coefficient(k), decimalMark),
                            std::to_string(exact.TrustedDigits(k, coefficient(k))),
                            Figure(exact.StandardError(k), decimalMark),
                            Figure(interval ? std::optional(interval->lower) : std::nullopt, decimalMark),
                            Figure(interval ? std::optional(interval->upper) : std::nullopt, decimalMark)});
  }
  details.figures = {
      {Text(WindowText::RSquaredName), Figure(exact.RSquared(), decimalMark)},
      {Text(WindowText::AdjustedRSquaredName), Figure(exact.AdjustedRSquared(), decimalMark)},
      {Text(WindowText::ResidualDeviationName), Figure(exact.ResidualStandardDeviation(), decimalMark)}};
  const std::vector<LowTrust> low = LowTrustCoefficients(exact, described);
  if (!low.empty()) {
    details.note = Warning(low);
    details.warning = true;
  }
  return details;
}

std::string DetailsTsv(const FitDetails& details) {
  std::string text;
  const auto line = [&text](const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i > 0) text += '\t';
      text += cells[i];
    }
    text += '\n';
  };
  line(details.headings);
  for (const std::vector<std::string>& row : details.rows) line(row);
  for (const FitFigure& figure : details.figures) line({figure.name, figure.value});
  if (!details.note.empty()) line({details.note});
  return text;
}

}  // namespace peruka
