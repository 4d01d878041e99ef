#include "cli/stats_report.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "cli/json_text.h"

namespace peruka::cli {

namespace {

// Ten significant digits: enough to read, and the figures are estimates.
std::string Figure(double value) {
  if (!std::isfinite(value)) return "∞";
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

std::string Defined(const std::optional<double>& value, const char* whyNot) {
  return value ? Figure(*value) : std::string("定義されません (") + whyNot + ")";
}

std::string JsonFigure(const std::optional<double>& value) {
  return value && std::isfinite(*value) ? JsonNumber(*value) : std::string("null");
}

// The exact figures are correctly rounded: all their digits are shown, as
// the shortest text that reads back.
std::string Exact(const std::optional<double>& value) {
  if (!value) return "定義されません";
  return std::isfinite(*value) ? JsonNumber(*value) : std::string(*value < 0 ? "-∞" : "∞");
}

std::string PowerName(int power) { return power == 0 ? std::string("定数項") : "x^" + std::to_string(power); }

// Columns of the table: a text is padded to its width in terminal cells
// (a character of three UTF-8 bytes or more takes two).
std::string Padded(const std::string& text, std::size_t width) {
  std::size_t cells = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    cells += length >= 3 ? 2 : 1;
    i += length;
  }
  return text + std::string(cells < width ? width - cells : 1, ' ');
}

// "[lower<separator>upper]", appended piece by piece.
std::string Bracketed(const std::string& lower, const char* separator, const std::string& upper) {
  std::string text(1, '[');
  text.append(lower).append(separator).append(upper).append(1, ']');
  return text;
}

constexpr std::size_t kPowerWidth = 8;
constexpr std::size_t kNumberWidth = 26;
constexpr std::size_t kDigitsWidth = 10;

std::string ExactBlock(const ExactFit& exact, const FitResult* described) {
  std::string text = "--- 厳密解 (入力された10進数の値の最小二乗解) ---\n";
  const std::string count = std::to_string(exact.Degree() + 1);
  if (!exact.Unique()) {
    text += "x の値が " + count + " 種類より少ないので、" + std::to_string(exact.Degree()) +
            " 次の最小二乗多項式は一つに決まりません。表示の結果は無数にある解の一つです。\n";
    return text;
  }
  text += Padded("項", kPowerWidth) + Padded("厳密解の係数", kNumberWidth);
  if (described != nullptr) text += Padded("正しい桁数", kDigitsWidth);
  text += Padded("標準誤差", kNumberWidth) + "95% 信頼区間\n";
  for (int k = exact.Degree(); k >= 0; --k) {
    text += Padded(PowerName(k), kPowerWidth) + Padded(Exact(exact.Coefficient(k)), kNumberWidth);
    if (described != nullptr)
      text +=
          Padded(std::to_string(exact.TrustedDigits(k, described->coefficients[static_cast<std::size_t>(k)])),
                 kDigitsWidth);
    text += Padded(Exact(exact.StandardError(k)), kNumberWidth);
    const std::optional<Interval> interval = exact.ConfidenceInterval(k);
    text += interval ? Bracketed(Exact(interval->lower), ", ", Exact(interval->upper)) : "定義されません";
    text += '\n';
  }
  text += "決定係数 R²: " + Exact(exact.RSquared()) + "\n";
  text += "自由度調整済み決定係数: " + Exact(exact.AdjustedRSquared()) + "\n";
  text += "残差標準偏差: " + Exact(exact.ResidualStandardDeviation()) + "\n";
  text += "残差平方和: " + Exact(exact.ResidualSumOfSquares()) + "\n";
  return text;
}

// Named coefficients when some are not to be trusted; a high condition
// number alone is said together with what it came to.
std::string TrustWarning(const FitQuality& quality, const ExactFit& exact, const FitResult& described) {
  const std::vector<LowTrust> low = LowTrustCoefficients(exact, described);
  if (low.empty() && !quality.conditionWarning) return {};
  std::string text = "警告: ";
  if (quality.conditionWarning) text += "条件数が 1e12 を超えています。";
  const std::string digits = std::to_string(kTrustedDigitsWarning);
  if (low.empty())
    return text + "ただし、表示の係数はどれも有効数字 " + digits + " 桁以上が厳密解と一致しています。\n";
  text += "表示の係数のうち ";
  for (std::size_t i = 0; i < low.size(); ++i) {
    if (i > 0) text += ", ";
    text += PowerName(low[i].power) + " (" + std::to_string(low[i].digits) + " 桁)";
  }
  return text + " は、有効数字 " + digits +
         " 桁未満しか厳密解と一致しません。厳密解の係数は下の表にあります。\n";
}

}  // namespace

std::string StatsText(const FitQuality& quality, const ExactFit* exact, const FitResult* described) {
  const char* const noFreedom = "点の数が次数 + 1 以下です";
  std::string text = "--- 当てはまりの統計 ---\n";
  text += "決定係数 R²: " + Defined(quality.rSquared, "y がすべて同じ値です") + "\n";
  text += "自由度調整済み決定係数: " +
          Defined(quality.adjustedRSquared, quality.rSquared ? noFreedom : "y がすべて同じ値です") + "\n";
  text += "残差標準誤差: " + Defined(quality.residualStandardError, noFreedom) + "\n";
  text += "最大絶対残差 (点 " + std::to_string(quality.maxResidualPoint + 1) +
          "): " + Figure(quality.maxAbsResidual) + "\n";
  text += "正規方程式の条件数: " + Figure(quality.condition);
  if (std::isinf(quality.condition)) text += " (行列が特異か、拡張精度の範囲を超えています)";
  text += "\n";
  if (exact == nullptr) {
    if (quality.conditionWarning)
      text +=
          "警告: 条件数が 1e12 を超えています。double の有効数字は約16桁なので、係数の有効数字が失われている"
          "おそれがあります。\n";
    return text;
  }
  if (described != nullptr && exact->Unique()) text += TrustWarning(quality, *exact, *described);
  return text + ExactBlock(*exact, described);
}

std::string StatsJson(const FitQuality& quality) {
  return "{\"r_squared\":" + JsonFigure(quality.rSquared) +
         ",\"adjusted_r_squared\":" + JsonFigure(quality.adjustedRSquared) +
         ",\"residual_standard_error\":" + JsonFigure(quality.residualStandardError) +
         ",\"max_abs_residual\":" + JsonFigure(quality.maxAbsResidual) +
         ",\"max_residual_point\":" + std::to_string(quality.maxResidualPoint + 1) +
         ",\"condition_number\":" + JsonFigure(quality.condition) +
         ",\"condition_warning\":" + (quality.conditionWarning ? "true" : "false") + "}";
}

std::string CoefficientStatsJson(const ExactFit& exact, const FitResult* described, int k) {
  if (!exact.Unique()) return {};
  std::string json = ",\"exact\":" + JsonFigure(exact.Coefficient(k));
  if (described != nullptr)
    json += ",\"trusted_digits\":" +
            std::to_string(exact.TrustedDigits(k, described->coefficients[static_cast<std::size_t>(k)]));
  json += ",\"standard_error\":" + JsonFigure(exact.StandardError(k));
  const std::optional<Interval> interval = exact.ConfidenceInterval(k);
  json += ",\"interval\":" +
          (interval ? Bracketed(JsonFigure(interval->lower), ",", JsonFigure(interval->upper)) : "null");
  return json;
}

std::string ExactStatsJson(const ExactFit& exact, const FitResult* described) {
  std::string json = std::string("{\"unique\":") + (exact.Unique() ? "true" : "false");
  if (exact.Unique()) {
    json += ",\"residual_sum_of_squares\":" + JsonFigure(exact.ResidualSumOfSquares()) +
            ",\"r_squared\":" + JsonFigure(exact.RSquared()) +
            ",\"adjusted_r_squared\":" + JsonFigure(exact.AdjustedRSquared()) +
            ",\"residual_standard_deviation\":" + JsonFigure(exact.ResidualStandardDeviation()) +
            ",\"t_quantile\":" + JsonFigure(exact.TQuantile());
    if (described != nullptr) {
      json += ",\"low_trust\":[";
      const std::vector<LowTrust> low = LowTrustCoefficients(exact, *described);
      for (std::size_t i = 0; i < low.size(); ++i) {
        if (i > 0) json += ',';
        json += "{\"power\":" + std::to_string(low[i].power) +
                ",\"digits\":" + std::to_string(low[i].digits) + "}";
      }
      json += "]";
    }
  }
  return json + "}";
}

}  // namespace peruka::cli
