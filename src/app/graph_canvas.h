// The graph itself: the points, the fitted polynomial, optionally the
// residuals, the axes with their ticks and numbers, and a heading with the
// degree and R², painted with a QPainter onto the window, an image or an SVG
// drawing alike. The window's geometry is laid out once per size and data
// and kept, so a repaint only draws.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "plot/axis_ticks.h"
#include "plot/graph_data.h"

class QPainter;

namespace peruka {

// The colours of the graph's parts.
inline constexpr QRgb kCurveColor = 0xFF1F5FBF;
inline constexpr QRgb kMarkColor = 0xFFD04010;
inline constexpr QRgb kResidualColor = 0xFF30A030;

// Up to this many marks are drawn as round dots; more as small squares.
inline constexpr std::size_t kMaxRoundMarks = 4000;

class GraphCanvas : public QWidget {
 public:
  explicit GraphCanvas(QWidget* parent = nullptr);

  void SetData(std::shared_ptr<const GraphData> graph);
  const GraphData* Data() const { return data_.get(); }
  void SetResidualsShown(bool shown);
  bool ResidualsShown() const { return residuals_; }

  // The heading as text ("次数 3 の多項式  R² = 0.998765"), empty without data.
  QString Heading() const;

  // Where the data land at a size: the plot area and the visible ranges.
  struct Frame {
    PlotArea area;
    GraphRanges ranges;
  };
  Frame FrameAt(QSize size) const;

  // The graph at a size, as an image and as an SVG drawing.
  QImage RenderImage(QSize size) const;
  QByteArray RenderSvg(QSize size) const;

  QSize sizeHint() const override { return {640, 440}; }
  QSize minimumSizeHint() const override { return {320, 220}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Layout {
    QSize size;
    bool residuals = false;
    PlotArea area;
    GraphRanges ranges;
    AxisTicks xTicks;
    AxisTicks yTicks;
    std::vector<QString> xLabels;
    std::vector<QString> yLabels;
    GraphGeometry geometry;
  };
  Layout LayOut(QSize size) const;
  void Paint(QPainter& painter, const Layout& layout) const;
  void PaintHeading(QPainter& painter, const Layout& layout) const;

  std::shared_ptr<const GraphData> data_;
  bool residuals_ = false;
  mutable std::optional<Layout> cached_;  // for the widget's own size
};

}  // namespace peruka
