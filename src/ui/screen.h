// The screen object: the screen's pixels per inch and size, for the scaling
// and the placing of windows.
#pragma once

#include "ui/classes.h"

namespace peruka {

class TScreen : public TComponent {
 public:
  explicit TScreen(TComponent* owner);  // backend
  // Read once, when the screen object is created.
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int pixelsPerInch) { pixelsPerInch_ = pixelsPerInch; }
  // Asked each time. Backend.
  int Width() const;
  int Height() const;

 private:
  int pixelsPerInch_;
};

// The one screen object, made when the window layer starts.
extern TScreen* Screen;

}  // namespace peruka
