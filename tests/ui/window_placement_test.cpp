// Where the graph window opens over a table of screens and main-window
// positions: beside, below or above the main window where it fits (shrunk
// where that makes it fit), else over it where it covers it least, never
// over its title bar or result; always inside the screen.
#include "app/window_placement.h"

#include <gtest/gtest.h>

#include <ostream>

namespace peruka {
namespace {

struct PlacementCase {
  const char* name;
  ScreenRect available;
  ScreenRect main;
  // Where the window must land, when one place is the only right one.
  ScreenRect expected;
};
void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

constexpr ScreenSize kPreferred{672, 530};
constexpr ScreenSize kMinimum{452, 300};
constexpr int kTitleBarHeight = 30;
constexpr int kResultHeight = 40;
constexpr ScreenRect kAnywhere{};

PlacementRequest RequestFor(const PlacementCase& c) {
  const ScreenRect& m = c.main;
  return PlacementRequest{c.available,
                          m,
                          {m.left, m.top, m.width, kTitleBarHeight},
                          {m.left, m.Bottom() - kResultHeight, m.width, kResultHeight},
                          kPreferred,
                          kMinimum};
}

// What the window may cover of the title bar and the result, and of the
// main window, at the best position for its size, found by trying every
// position inside the screen.
std::pair<long long, long long> LeastCover(const PlacementRequest& r, ScreenSize size) {
  std::pair<long long, long long> least{-1, -1};
  for (int top = r.available.top; top + size.height <= r.available.Bottom(); ++top) {
    for (int left = r.available.left; left + size.width <= r.available.Right(); ++left) {
      const ScreenRect at{left, top, size.width, size.height};
      const std::pair<long long, long long> cover{OverlapArea(at, r.titleBar) + OverlapArea(at, r.result),
                                                  OverlapArea(at, r.main)};
      if (least.first < 0 || cover < least) least = cover;
    }
  }
  return least;
}

class WindowPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(WindowPlacementTest, StaysInsideTheScreenAndClearOfTheMainWindowWherePossible) {
  const PlacementCase& c = GetParam();
  const PlacementRequest request = RequestFor(c);
  const ScreenRect placed = PlaceNextToMainWindow(request);
  const ScreenRect& a = c.available;
  EXPECT_GE(placed.left, a.left);
  EXPECT_GE(placed.top, a.top);
  EXPECT_LE(placed.Right(), a.Right());
  EXPECT_LE(placed.Bottom(), a.Bottom());
  EXPECT_LE(placed.width, kPreferred.width);
  EXPECT_LE(placed.height, kPreferred.height);
  EXPECT_GE(placed.width, std::min(kMinimum.width, a.width));
  EXPECT_GE(placed.height, std::min(kMinimum.height, a.height));
  if (!(c.expected == kAnywhere)) {
    EXPECT_EQ(placed, c.expected) << placed.left << "," << placed.top << " " << placed.width << "x"
                                  << placed.height;
  }
  if (OverlapArea(placed, c.main) == 0) return;
  // Over the main window only when no side had room even at the minimum
  // size, and then at the smallest size and where it covers least.
  EXPECT_EQ(placed.width, std::min(kMinimum.width, a.width));
  EXPECT_EQ(placed.height, std::min(kMinimum.height, a.height));
  const std::pair<long long, long long> cover{
      OverlapArea(placed, request.titleBar) + OverlapArea(placed, request.result),
      OverlapArea(placed, request.main)};
  EXPECT_EQ(cover, LeastCover(request, {placed.width, placed.height}));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, WindowPlacementTest,
    ::testing::Values(
        // Whole, to the right.
        PlacementCase{"WideScreen", {0, 0, 1920, 1050}, {777, 395, 366, 290}, {1151, 395, 672, 530}},
        // Whole, to the left, when the main window is at the right edge.
        PlacementCase{"MainAtTheRightEdge", {0, 0, 1920, 1050}, {1554, 100, 366, 290}, {874, 100, 672, 530}},
        // 1280 wide: shrunk rather than over it, below (where it is largest).
        PlacementCase{"Screen1280x1024", {0, 0, 1280, 1024}, {457, 367, 366, 290}, {457, 665, 672, 359}},
        PlacementCase{"Screen1280x800WithAPanel", {0, 27, 1280, 773}, {457, 255, 366, 290}, kAnywhere},
        // Whole, below, when the main window is at the top of a narrow screen.
        PlacementCase{"NarrowScreenMainAtTop", {0, 0, 800, 1280}, {217, 0, 366, 290}, {128, 298, 672, 530}},
        // Above when only the top has room, shrunk to fit it.
        PlacementCase{
            "NarrowScreenMainAtBottom", {0, 0, 800, 900}, {217, 560, 366, 290}, {128, 22, 672, 530}},
        PlacementCase{"ShortRoomAbove", {0, 0, 800, 800}, {217, 460, 366, 290}, {128, 0, 672, 452}},
        // 2x scale on 1920 x 1200: 960 x 600 logical pixels, no room around.
        PlacementCase{"Scale2On1920x1200", {0, 0, 960, 600}, {297, 155, 366, 290}, kAnywhere},
        PlacementCase{"Screen800x600", {0, 0, 800, 600}, {217, 155, 366, 290}, kAnywhere},
        // A screen smaller than the window's minimum size.
        PlacementCase{"TinyScreen", {0, 0, 400, 300}, {17, 5, 366, 290}, kAnywhere},
        // The main window partly off the screen, dragged there by the user.
        PlacementCase{"MainPartlyOffScreen", {0, 0, 1366, 768}, {-200, 600, 366, 290}, kAnywhere}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace peruka
