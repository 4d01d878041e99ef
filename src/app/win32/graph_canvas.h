// The graph on the screen, in a bitmap or as an SVG document, on Windows:
// a child window that paints the drawing of plot/graph_drawing.h with GDI+.
// The drawing is laid out and rendered once per size and data and kept, so
// a repaint only copies it; on the screen, a cursor to read the curve with.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/win32/gdiplus_painter.h"
#include "fit/exact_fit.h"
#include "plot/graph_data.h"
#include "plot/graph_drawing.h"

struct HWND__;
struct HBITMAP__;

namespace peruka {

class GraphCanvas {
 public:
  // The canvas window, a child of `parent` and a tab stop, in the window
  // layer's default font at the screen's pixels per inch.
  explicit GraphCanvas(HWND__* parent);
  ~GraphCanvas();
  GraphCanvas(const GraphCanvas&) = delete;
  GraphCanvas& operator=(const GraphCanvas&) = delete;

  HWND__* Handle() const { return window_; }
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
  const ExactFit* BandFit() const { return bandFit_.get(); }
  void SetBandsShown(bool mean, bool prediction);
  bool MeanBandShown() const { return meanBand_; }
  bool PredictionBandShown() const { return predictionBand_; }

  // The cursor's pixel column centre (none: away), which the canvas marks
  // with a thin dotted line on the screen only. The pointer moves it over
  // the plot, and with the keyboard focus Left and Right move it by a
  // column (with Shift by ten), Home and End to the plot's ends. Leaving
  // the canvas unfocused, or losing the focus, takes it away. The handler
  // runs at every move.
  std::optional<double> CursorX() const { return cursorX_; }
  void OnCursorMoved(std::function<void()> handler) { cursorMoved_ = std::move(handler); }

  // The heading as text (UTF-8), empty without data.
  std::string Heading() const;
  // The canvas's client size.
  int Width() const;
  int Height() const;

  // Where the data land at the canvas's own size, from the drawing kept
  // for it.
  struct Frame {
    PlotArea area;
    GraphRanges ranges;
  };
  Frame CurrentFrame() const;

  GraphPicture LayOut(int width, int height) const;
  GdiplusBitmap RenderImage(int width, int height) const;
  std::string RenderSvg(int width, int height) const;

 private:
  friend struct CanvasProcedure;  // the window's messages
  void Paint();
  void Forget();  // the kept drawing and its rendering
  // The kept drawing for the window's size, laid out if it is not.
  const GraphPicture& Kept() const;
  void MoveCursor(std::optional<double> x);
  void OnMouseMove(int x, int y);
  void OnMouseLeave();
  bool OnKey(unsigned key);
  void OnFocusChange(bool focused);

  GdiplusSession session_;  // before anything GDI+ makes, after it goes
  GdiplusFont font_;
  int pixelSize_ = 12;
  std::shared_ptr<const GraphData> data_;
  bool residuals_ = false;
  std::shared_ptr<const FitResult> exact_;
  bool exactShown_ = false;
  std::shared_ptr<const ExactFit> bandFit_;
  bool meanBand_ = false;
  bool predictionBand_ = false;
  std::optional<double> cursorX_;
  std::function<void()> cursorMoved_;
  bool tracking_ = false;  // asked for the mouse's leaving
  HWND__* window_ = nullptr;
  mutable std::optional<GraphPicture> picture_;  // for the window's own size
  mutable HBITMAP__* kept_ = nullptr;            // picture_ rendered
};

}  // namespace peruka
