#include "app/window_placement.h"

#include <algorithm>
#include <array>
#include <optional>

namespace peruka {

namespace {

int Clamped(int value, int lo, int hi) { return std::max(lo, std::min(value, hi)); }

enum class Side { kRight, kLeft, kBelow, kAbove };

// The window on one side of the main window, as large as the room there and
// the preferred size allow; none when not even the minimum size fits.
std::optional<ScreenRect> OnSide(Side side, const PlacementRequest& r, ScreenSize largest,
                                 ScreenSize smallest) {
  const ScreenRect& a = r.available;
  const ScreenRect& m = r.main;
  const bool horizontal = side == Side::kRight || side == Side::kLeft;
  const int room = side == Side::kRight   ? a.Right() - m.Right() - kWindowGap
                   : side == Side::kLeft  ? m.left - kWindowGap - a.left
                   : side == Side::kBelow ? a.Bottom() - m.Bottom() - kWindowGap
                                          : m.top - kWindowGap - a.top;
  ScreenRect placed{0, 0, largest.width, largest.height};
  if (horizontal) {
    placed.width = std::min(largest.width, room);
    if (placed.width < smallest.width) return std::nullopt;
    placed.left = side == Side::kRight ? m.Right() + kWindowGap : m.left - kWindowGap - placed.width;
    placed.top = Clamped(m.top, a.top, a.Bottom() - placed.height);
  } else {
    placed.height = std::min(largest.height, room);
    if (placed.height < smallest.height) return std::nullopt;
    placed.top = side == Side::kBelow ? m.Bottom() + kWindowGap : m.top - kWindowGap - placed.height;
    placed.left = Clamped(m.left, a.left, a.Right() - placed.width);
  }
  return placed;
}

long long Area(const ScreenRect& r) { return static_cast<long long>(r.width) * r.height; }

// Overlapping: the smallest size, at the position inside the screen that
// keeps clear of the title bar and the result and covers the main window
// least (where no position keeps clear, the one that covers them least).
ScreenRect Overlapping(const PlacementRequest& r, ScreenSize size) {
  const ScreenRect& a = r.available;
  const ScreenRect& m = r.main;
  const std::array<int, 6> lefts{a.left, a.Right() - size.width, m.Right(), m.left - size.width,
                                 m.left, m.Right() - size.width};
  const std::array<int, 8> tops{a.top,
                                a.Bottom() - size.height,
                                m.Bottom(),
                                m.top - size.height,
                                r.titleBar.Bottom(),
                                r.result.top - size.height,
                                r.result.Bottom(),
                                m.top};
  ScreenRect best{};
  long long bestKept = -1;
  long long bestCover = 0;
  for (const int top : tops) {
    for (const int left : lefts) {
      const ScreenRect placed{Clamped(left, a.left, a.Right() - size.width),
                              Clamped(top, a.top, a.Bottom() - size.height), size.width, size.height};
      const long long kept = OverlapArea(placed, r.titleBar) + OverlapArea(placed, r.result);
      const long long cover = OverlapArea(placed, m);
      if (bestKept < 0 || kept < bestKept || (kept == bestKept && cover < bestCover)) {
        best = placed;
        bestKept = kept;
        bestCover = cover;
      }
    }
  }
  return best;
}

}  // namespace

long long OverlapArea(const ScreenRect& a, const ScreenRect& b) {
  const int width = std::min(a.Right(), b.Right()) - std::max(a.left, b.left);
  const int height = std::min(a.Bottom(), b.Bottom()) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? static_cast<long long>(width) * height : 0;
}

ScreenRect PlaceNextToMainWindow(const PlacementRequest& r) {
  const ScreenRect& a = r.available;
  // No window is larger than the screen's available area.
  const ScreenSize largest{std::min(r.preferred.width, a.width), std::min(r.preferred.height, a.height)};
  const ScreenSize smallest{std::min(r.minimum.width, largest.width),
                            std::min(r.minimum.height, largest.height)};
  constexpr std::array<Side, 4> kSides{Side::kRight, Side::kLeft, Side::kBelow, Side::kAbove};
  // The first side with room for the whole window, else the side where the
  // shrunk window is largest.
  std::optional<ScreenRect> shrunk;
  for (const Side side : kSides) {
    const std::optional<ScreenRect> placed = OnSide(side, r, largest, smallest);
    if (!placed) continue;
    if (placed->width == largest.width && placed->height == largest.height) return *placed;
    if (!shrunk || Area(*placed) > Area(*shrunk)) shrunk = placed;
  }
  if (shrunk) return *shrunk;
  return Overlapping(r, smallest);
}

}  // namespace peruka
