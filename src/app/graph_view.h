// The graph window as the main window sees it: each backend has its own
// (see app/qt/graph_window.h).
#pragma once

#include <memory>

#include "app/window_placement.h"
#include "plot/graph_data.h"

namespace peruka {

class TForm;

class GraphView {
 public:
  virtual ~GraphView() = default;
  virtual void SetData(std::shared_ptr<const GraphData> graph) = 0;
  virtual bool Shown() const = 0;
  // Shows the window, raised and active.
  virtual void Present() = 0;
};

// The graph window of the main window, placed beside it (see
// PlaceNextToMainWindow), keeping clear of its title bar and of `result`
// (in screen coordinates); hidden until presented. Backend.
std::unique_ptr<GraphView> CreateGraphView(TForm& mainWindow, const ScreenRect& result);

}  // namespace peruka
