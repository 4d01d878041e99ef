// The graph window as the main window sees it: each backend has its own
// (see app/qt/graph_window.h).
#pragma once

#include <functional>
#include <memory>

#include "app/window_placement.h"
#include "plot/graph_data.h"

namespace peruka {

class TForm;

class GraphView {
 public:
  virtual ~GraphView() = default;
  virtual void SetData(std::shared_ptr<const GraphData> graph) = 0;
  // The exact polynomial of the data last set, drawn beside the fit while
  // the exact option is on; null draws none. New data forget it.
  virtual void SetExactCurve(std::shared_ptr<const FitResult> exact) = 0;
  // Whether the exact option is on (it is off in a new window).
  virtual bool ExactCurveShown() const = 0;
  // Raised when the user turns the exact option on.
  virtual void OnExactCurveWanted(std::function<void()> handler) = 0;
  virtual bool Shown() const = 0;
  // Shows the window, raised and active.
  virtual void Present() = 0;
};

// The graph window of the main window, placed beside it (see
// PlaceNextToMainWindow), keeping clear of its title bar and of `result`
// (in screen coordinates); hidden until presented. Backend.
std::unique_ptr<GraphView> CreateGraphView(TForm& mainWindow, const ScreenRect& result);

}  // namespace peruka
