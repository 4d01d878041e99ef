// Start-up and shut-down of the window layer.
#pragma once

#include <memory>

class QApplication;

namespace peruka {

// Starts Qt with one widget style for every platform (Fusion, its drop-down
// lists opening below the control), installs the font substitutions, makes
// the layer's default font the application font, and creates the screen
// object and the application object. Destroying it destroys them (and every
// form) again.
class WindowLayer {
 public:
  WindowLayer(int& argc, char** argv);
  ~WindowLayer();
  WindowLayer(const WindowLayer&) = delete;
  WindowLayer& operator=(const WindowLayer&) = delete;

 private:
  std::unique_ptr<QApplication> qtApplication_;
};

}  // namespace peruka
