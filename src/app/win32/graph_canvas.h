// The graph on the screen, in a bitmap or as an SVG document, on Windows:
// a child window that paints the drawing of plot/graph_drawing.h with GDI+.
// The drawing is laid out and rendered once per size and data and kept, so
// a repaint only copies it.
#pragma once

#include <memory>
#include <string>

#include "app/win32/gdiplus_painter.h"
#include "plot/graph_data.h"
#include "plot/graph_drawing.h"

struct HWND__;
struct HBITMAP__;

namespace peruka {

class GraphCanvas {
 public:
  // The canvas window, a child of `parent`, in the window layer's default
  // font at the screen's pixels per inch.
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

  // The heading as text (UTF-8), empty without data.
  std::string Heading() const;
  // The canvas's client size.
  int Width() const;
  int Height() const;

  GraphPicture LayOut(int width, int height) const;
  GdiplusBitmap RenderImage(int width, int height) const;
  std::string RenderSvg(int width, int height) const;

 private:
  friend struct CanvasProcedure;  // the window's messages
  void Paint();
  void Forget();  // the kept rendering

  GdiplusSession session_;  // before anything GDI+ makes, after it goes
  GdiplusFont font_;
  int pixelSize_ = 12;
  std::shared_ptr<const GraphData> data_;
  bool residuals_ = false;
  std::shared_ptr<const FitResult> exact_;
  bool exactShown_ = false;
  HWND__* window_ = nullptr;
  HBITMAP__* kept_ = nullptr;  // the rendering at keptWidth_ x keptHeight_
  int keptWidth_ = 0;
  int keptHeight_ = 0;
};

}  // namespace peruka
