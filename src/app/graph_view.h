// The graph window as the main window sees it: each backend has its own
// (see app/qt/graph_window.h).
#pragma once

#include <functional>
#include <memory>

#include "app/window_placement.h"
#include "fit/exact_fit.h"
#include "plot/graph_data.h"

namespace peruka {

class TForm;

class GraphView {
 public:
  virtual ~GraphView() = default;
  virtual void SetData(std::shared_ptr<const GraphData> graph) = 0;
  // The exact fit of the data last set: the exact curve drawn beside the
  // fit, the bands and the intervals at the x entered come from it; null
  // gives none of them. New data forget it.
  virtual void SetExactFit(std::shared_ptr<const ExactFit> exact) = 0;
  // Whether anything shown needs the exact fit: the exact curve, a band or
  // an x entered (all of them off or empty in a new window).
  virtual bool ExactFitWanted() const = 0;
  // Raised when the user turns on something that needs it.
  virtual void OnExactFitWanted(std::function<void()> handler) = 0;
  virtual bool Shown() const = 0;
  // Shows the window, raised and active.
  virtual void Present() = 0;
};

// The graph window of the main window, placed beside it (see
// PlaceNextToMainWindow), keeping clear of its title bar and of `result`
// (in screen coordinates); hidden until presented. Backend.
std::unique_ptr<GraphView> CreateGraphView(TForm& mainWindow, const ScreenRect& result);

}  // namespace peruka
