// Start-up and shut-down of the window layer: while it exists the
// platform's windowing is up (on Qt: one widget style for every platform,
// Qt's Japanese texts, the font substitutions, the layer's default font as
// the application font), with the screen object and the application object.
// Destroying it destroys them (and every form) again.
#pragma once

#include <memory>
#include <string_view>

namespace peruka {

class WindowLayer {
 public:
  // The command line goes to the platform only as far as it needs it (the
  // program's name); the application id names the program to the desktop,
  // which matches its windows to its entry and icon by it. Backend.
  WindowLayer(int argc, const char* const* argv, std::string_view applicationId = {});
  ~WindowLayer();  // backend
  WindowLayer(const WindowLayer&) = delete;
  WindowLayer& operator=(const WindowLayer&) = delete;

 private:
  struct Native;
  std::unique_ptr<Native> native_;
};

}  // namespace peruka
