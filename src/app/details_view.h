// The detail window as the main window sees it: each backend has its own
// (see app/qt/details_window.h).
#pragma once

#include <memory>

#include "app/fit_details.h"
#include "app/window_placement.h"

namespace peruka {

class TForm;

class DetailsView {
 public:
  virtual ~DetailsView() = default;
  virtual void SetDetails(const FitDetails& details) = 0;
  virtual bool Shown() const = 0;
  // Shows the window, raised and active.
  virtual void Present() = 0;
};

// The detail window of the main window, placed beside it as the graph
// window is (see CreateGraphView); hidden until presented. Backend.
std::unique_ptr<DetailsView> CreateDetailsView(TForm& mainWindow, const ScreenRect& result);

}  // namespace peruka
