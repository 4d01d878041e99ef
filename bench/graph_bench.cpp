// The graph window at 10^6 points: building its data after a calculation,
// drawing it from scratch (laying out the reduced geometry and painting, as
// a resize or an export does; with the residuals or with both 95% bands of
// the degree-20 fit) and repainting it at an unchanged size.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <array>
#include <memory>
#include <string>

#include "app/qt/graph_canvas.h"
#include "fit/column.h"
#include "fit/exact_fit.h"
#include "plot/graph_data.h"
#include "ui/qt/qt_widget.h"

namespace peruka {
namespace {

constexpr int kPoints = 1000000;
const QSize kGraphSize(640, 440);

// y = 3x² − 2x + 0.5 with noise of ±0.05 over x in (0, 1], and a degree-20
// polynomial near it, so every point takes all 20 Horner steps.
FitResult NearFit() {
  FitResult fit;
  fit.degree = 20;
  for (int k = 0; k <= 20; ++k) fit.coefficients[static_cast<std::size_t>(k)] = 1e-6;
  fit.coefficients[0] = 0.5;
  fit.coefficients[1] = -2.0;
  fit.coefficients[2] = 3.0;
  return fit;
}

double Noisy(int i) {
  const double x = i * 1e-6;
  return 3.0 * x * x - 2.0 * x + 0.5 + static_cast<double>((i * 7919LL) % 1001 - 500) * 1e-4;
}

const std::string& ColumnText(bool x) {
  static const std::array<std::string, 2> texts = [] {
    std::string xs;
    std::string ys;
    for (int i = 1; i <= kPoints; ++i) {
      xs += std::to_string(i * 1e-6) + "\n";
      ys += std::to_string(Noisy(i)) + "\n";
    }
    return std::array<std::string, 2>{xs, ys};
  }();
  return texts[x ? 0 : 1];
}

std::shared_ptr<const GraphData> MillionPoints() {
  static const auto data = [] {
    std::vector<double> x(kPoints);
    std::vector<double> y(kPoints);
    for (int i = 1; i <= kPoints; ++i) {
      x[static_cast<std::size_t>(i - 1)] = i * 1e-6;
      y[static_cast<std::size_t>(i - 1)] = Noisy(i);
    }
    return std::make_shared<const GraphData>(MakeGraphData(NearFit(), std::move(x), std::move(y)));
  }();
  return data;
}

// From the calculation's columns to the graph's data: conversion, the fit's
// values and R².
void BM_GraphDataMillionPoints(benchmark::State& state) {
  const Column x = Column::Viewing(ColumnText(true));
  const Column y = Column::Viewing(ColumnText(false));
  for (auto _ : state) benchmark::DoNotOptimize(MakeGraphData(NearFit(), x, y).rSquared);
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_GraphDataMillionPoints)->Unit(benchmark::kMillisecond);

// The exact degree-20 fit of the million points, which the bands need.
std::shared_ptr<const ExactFit> MillionPointsExactly() {
  static const auto exact = std::make_shared<const ExactFit>(
      FitExactly(20, Column::Viewing(ColumnText(true)), Column::Viewing(ColumnText(false))));
  return exact;
}

void BM_DrawGraphMillionPoints(benchmark::State& state) {
  GraphCanvas canvas;
  canvas.SetData(MillionPoints());
  canvas.SetResidualsShown(state.range(0) != 0);
  if (state.range(1) != 0) {
    canvas.SetBandFit(MillionPointsExactly());
    canvas.SetBandsShown(true, true);
  }
  for (auto _ : state) benchmark::DoNotOptimize(canvas.RenderImage(kGraphSize).constBits());
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_DrawGraphMillionPoints)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->ArgNames({"residuals", "bands"})
    ->Unit(benchmark::kMillisecond);

void BM_RepaintGraphMillionPoints(benchmark::State& state) {
  GraphCanvas canvas;
  canvas.SetData(MillionPoints());
  canvas.resize(kGraphSize);
  QImage image(kGraphSize, QImage::Format_ARGB32_Premultiplied);
  canvas.render(&image);  // lays the geometry out once
  for (auto _ : state) {
    canvas.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_RepaintGraphMillionPoints)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace peruka
