// The graph on the screen, in an image or as an SVG document: one drawing
// (see plot/graph_drawing.h) laid out once per size and data and kept, so a
// repaint only paints it; on the screen, a cursor to read the curve with.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "fit/exact_fit.h"
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
  // The exact fit the bands come from, and which of them are drawn; new
  // data forget the fit.
  void SetBandFit(std::shared_ptr<const ExactFit> exact);
  void SetBandsShown(bool mean, bool prediction);

  // The cursor's pixel column (none: away), which the canvas marks with a
  // thin line on the screen only. The pointer moves it over the plot, and
  // with the keyboard focus Left and Right move it by a column (with Shift
  // by ten), Home and End to the plot's ends. Raised at every move.
  std::optional<double> CursorX() const { return cursorX_; }
  void OnCursorMoved(std::function<void()> handler) { cursorMoved_ = std::move(handler); }

  // The heading as text ("次数 3 の多項式  R² = 0.998765"), empty without data.
  QString Heading() const;

  // Where the data land at a size: the plot area and the visible ranges.
  struct Frame {
    PlotArea area;
    GraphRanges ranges;
  };
  Frame FrameAt(QSize size) const;
  // The same for the canvas's own size, from the drawing kept for it.
  Frame CurrentFrame() const;

  // The graph at a size, as an image and as an SVG document.
  QImage RenderImage(QSize size) const;
  QByteArray RenderSvg(QSize size) const;

  QSize sizeHint() const override { return {640, 440}; }
  QSize minimumSizeHint() const override { return {320, 220}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  GraphPicture LayOut(QSize size) const;
  // The kept drawing for the widget's size, laid out if it is not.
  const GraphPicture& Kept() const;
  void MoveCursor(std::optional<double> x);

  std::shared_ptr<const GraphData> data_;
  bool residuals_ = false;
  std::shared_ptr<const FitResult> exact_;
  bool exactShown_ = false;
  std::shared_ptr<const ExactFit> bandFit_;
  bool meanBand_ = false;
  bool predictionBand_ = false;
  std::optional<double> cursorX_;
  std::function<void()> cursorMoved_;
  mutable std::optional<GraphPicture> cached_;  // for the widget's own size
};

// Paints a drawing with the font (its pixel size set per text run).
void PaintDrawing(QPainter& painter, const Drawing& drawing, const QFont& font);

}  // namespace peruka
