// Where a second window opens next to the main window: beside, below or
// above it where there is room (shrunk toward its minimum size where that
// makes room), else where it covers the main window least, never over its
// title bar or its result, and always inside the screen's available area.
// Plain integer geometry, in the screen's logical pixels.
#pragma once

namespace peruka {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int Right() const { return left + width; }  // one past the last column
  int Bottom() const { return top + height; }
  bool operator==(const ScreenRect&) const = default;
};

struct ScreenSize {
  int width = 0;
  int height = 0;
};

struct PlacementRequest {
  ScreenRect available;  // the screen less its panels
  ScreenRect main;       // the main window's frame
  ScreenRect titleBar;   // parts of the main window never to be covered
  ScreenRect result;
  ScreenSize preferred;  // the new window's frame sizes
  ScreenSize minimum;
};

// The gap left between the two windows.
inline constexpr int kWindowGap = 8;

// The new window's frame.
ScreenRect PlaceNextToMainWindow(const PlacementRequest& request);

// The area two rectangles share (0 when they do not meet).
long long OverlapArea(const ScreenRect& a, const ScreenRect& b);

}  // namespace peruka
