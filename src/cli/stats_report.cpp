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

}  // namespace

std::string StatsText(const FitQuality& quality) {
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
  if (quality.conditionWarning)
    text +=
        "警告: 条件数が 1e12 を超えています。double の有効数字は約16桁なので、係数の有効数字が失われている"
        "おそれがあります。\n";
  return text;
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

}  // namespace peruka::cli
