// The graph on the screen, in an image or as an SVG document: one drawing
// (see plot/graph_drawing.h) laid out once per size and data and kept, so a
// repaint only paints it.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "plot/graph_data.h"
#include "plot/graph_drawing.h"

class QPainter;

namespace peruka {

class GraphCanvas : public QWidget {
 public:
  explicit GraphCanvas(QWidget* parent = nullptr);

  void SetData(std::shared_ptr<const GraphData> graph);
  const GraphData* Data() const { return data_.get(); }
  void SetResidualsShown(bool shown);
  bool ResidualsShown() const { return residuals_; }
  // The exact polynomial, drawn over the fit while shown; new data forget it.
  void SetExactCurve(std::shared_ptr<const FitResult> exact);
  const FitResult* ExactCurve() const { return exact_.get(); }
  void SetExactShown(bool shown);
  bool ExactShown() const { return exactShown_; }

  // The heading as text ("次数 3 の多項式  R² = 0.998765"), empty without data.
  QString Heading() const;

  // Where the data land at a size: the plot area and the visible ranges.
  struct Frame {
    PlotArea area;
    GraphRanges ranges;
  };
  Frame FrameAt(QSize size) const;

  // The graph at a size, as an image and as an SVG document.
  QImage RenderImage(QSize size) const;
  QByteArray RenderSvg(QSize size) const;

  QSize sizeHint() const override { return {640, 440}; }
  QSize minimumSizeHint() const override { return {320, 220}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  GraphPicture LayOut(QSize size) const;

  std::shared_ptr<const GraphData> data_;
  bool residuals_ = false;
  std::shared_ptr<const FitResult> exact_;
  bool exactShown_ = false;
  mutable std::optional<GraphPicture> cached_;  // for the widget's own size
};

// Paints a drawing with the font (its pixel size set per text run).
void PaintDrawing(QPainter& painter, const Drawing& drawing, const QFont& font);

}  // namespace peruka
