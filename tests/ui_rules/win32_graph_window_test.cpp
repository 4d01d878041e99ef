// The graph window on Windows, driven by the messages the system would
// post: Alt with a band option's key turns that band on and off and asks
// for the exact fit once, the x entry's key focuses the entry and the x
// typed there reads p(x) with its intervals, and the canvas's keys move its
// cursor, which the read-out under it follows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/win32/graph_window.h"
#include "fit/column.h"
#include "fit/exact_fit.h"
#include "fit/fit_polynomial.h"
#include "plot/graph_data.h"
#include "ui/win32/win32_api.h"
#include "ui/win32/win32_message_pump.h"
#include "window_driver.h"

namespace peruka::testing {
namespace {

void Pump() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) HandleMessage(message);
}

std::string Utf8TextOf(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  wide.resize(static_cast<std::size_t>(::GetWindowTextW(window, wide.data(), length + 1)));
  const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                          nullptr, nullptr);
  std::string text(static_cast<std::size_t>(bytes), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), bytes, nullptr,
                        nullptr);
  return text;
}

bool Checked(HWND option) { return ::SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// A key pressed and released in the focused control as the system posts it,
// with the modifiers held in the thread's key state meanwhile; with Alt, as
// the system keys it gives.
void PressKey(WORD key, bool alt = false, bool shift = false) {
  const HWND target = ::GetFocus();
  BYTE state[256] = {};
  ::GetKeyboardState(state);
  BYTE held[256];
  std::copy(std::begin(state), std::end(state), std::begin(held));
  if (alt) held[VK_MENU] = 0x80;
  if (shift) held[VK_SHIFT] = 0x80;
  ::SetKeyboardState(held);
  const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
  const LPARAM context = alt ? (LPARAM{1} << 29) : 0;
  ::PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 1 | scan | context);
  Pump();
  ::PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, key, 1 | scan | context | (LPARAM{3} << 30));
  Pump();
  ::SetKeyboardState(state);
  Pump();
}

class Win32GraphWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    driver_ = MakeWindowDriver();
    TMainForm& form = driver_->StartMainWindow();
    const std::vector<std::string> x{"0", "1", "2", "3"};
    const std::vector<std::string> y{"1", "3", "2", "5"};
    const Column xColumn = Column::FromLines(x);
    const Column yColumn = Column::FromLines(y);
    const FitResult fit = FitPolynomial(0, xColumn, yColumn);  // degree 1
    exact_ = std::make_shared<const ExactFit>(FitExactly(1, xColumn, yColumn));
    view_ = CreateGraphView(form, ScreenRect{});
    window_ = dynamic_cast<GraphWindow*>(view_.get());
    ASSERT_NE(window_, nullptr);
    view_->OnExactFitWanted([this] {
      ++asked_;
      view_->SetExactFit(exact_);
    });
    view_->SetData(std::make_shared<const GraphData>(MakeGraphData(fit, xColumn, yColumn)));
    view_->Present();
    Pump();
  }
  void TearDown() override {
    view_.reset();
    Pump();
  }

  std::unique_ptr<WindowDriver> driver_;
  std::shared_ptr<const ExactFit> exact_;
  std::unique_ptr<GraphView> view_;
  GraphWindow* window_ = nullptr;
  int asked_ = 0;
};

struct BandCase {
  const char* name;
  WORD key;
  bool mean;  // else the prediction band
};
void PrintTo(const BandCase& c, std::ostream* os) { *os << c.name; }

class BandKeysTest : public Win32GraphWindowTest, public ::testing::WithParamInterface<BandCase> {};

TEST_P(BandKeysTest, AltKeyTogglesTheBandAndAsksForTheExactFitOnce) {
  const BandCase& c = GetParam();
  const HWND option = c.mean ? window_->MeanBandOption() : window_->PredictionBandOption();
  const HWND other = c.mean ? window_->PredictionBandOption() : window_->MeanBandOption();
  const auto shown = [&] {
    return c.mean ? window_->Canvas().MeanBandShown() : window_->Canvas().PredictionBandShown();
  };
  ::SetFocus(window_->ResidualsOption());
  ASSERT_FALSE(view_->ExactFitWanted());

  PressKey(c.key, /*alt=*/true);
  EXPECT_TRUE(Checked(option));
  EXPECT_FALSE(Checked(other));
  EXPECT_TRUE(shown());
  EXPECT_TRUE(view_->ExactFitWanted());
  EXPECT_EQ(asked_, 1);
  EXPECT_EQ(window_->Canvas().BandFit(), exact_.get());

  PressKey(c.key, /*alt=*/true);
  EXPECT_FALSE(Checked(option));
  EXPECT_FALSE(shown());
  EXPECT_FALSE(view_->ExactFitWanted());
  EXPECT_EQ(asked_, 1);
}

INSTANTIATE_TEST_SUITE_P(Bands, BandKeysTest,
                         ::testing::Values(BandCase{"MeanBand", 'M', true},
                                           BandCase{"PredictionBand", 'N', false}),
                         [](const ::testing::TestParamInfo<BandCase>& info) { return info.param.name; });

struct EntryCase {
  const char* name;
  std::wstring typed;  // key by key into the entry
  std::string readoutStart;
  bool wanted;  // the exact fit
};
void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }

class EntryTest : public Win32GraphWindowTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(EntryTest, AltXFocusesTheEntryAndItsTextGivesTheReadout) {
  const EntryCase& c = GetParam();
  ::SetFocus(window_->Canvas().Handle());
  PressKey('X', /*alt=*/true);
  ASSERT_EQ(::GetFocus(), window_->XEntry());
  for (const wchar_t character : c.typed) PressKey(static_cast<WORD>(::VkKeyScanW(character) & 0xFF));
  const std::string readout = Utf8TextOf(window_->EntryReadout());
  if (c.readoutStart.empty()) {
    EXPECT_EQ(readout, "");
  } else {
    EXPECT_EQ(readout.substr(0, c.readoutStart.size()), c.readoutStart) << readout;
  }
  EXPECT_EQ(view_->ExactFitWanted(), c.wanted);
  EXPECT_EQ(asked_, c.wanted ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Entries, EntryTest,
                         // p(2.5) as peruka-fit --at 2.5 writes it for the same points.
                         ::testing::Values(EntryCase{"Value", L"2.5",
                                                     "p(2.5) = 3.8500000000000005 (厳密解)  95% 信頼区間: [",
                                                     true},
                                           EntryCase{"Blank", L" ", "", false}),
                         [](const ::testing::TestParamInfo<EntryCase>& info) { return info.param.name; });

// The canvas's cursor keys: where the cursor ends, in columns from the
// plot's left edge, or (negative) back from its right edge; none: away.
struct CursorCase {
  const char* name;
  std::vector<std::pair<WORD, bool>> keys;  // with Shift or not
  std::optional<int> column;
};
void PrintTo(const CursorCase& c, std::ostream* os) { *os << c.name; }

class CursorKeysTest : public Win32GraphWindowTest, public ::testing::WithParamInterface<CursorCase> {};

TEST_P(CursorKeysTest, KeysMoveTheCursorAndTheReadoutFollows) {
  const CursorCase& c = GetParam();
  ::SetFocus(window_->Canvas().Handle());
  Pump();
  for (const auto& [key, shift] : c.keys) PressKey(key, /*alt=*/false, shift);
  const PlotArea area = window_->Canvas().CurrentFrame().area;
  const int last = static_cast<int>(std::ceil(area.width)) - 1;
  const std::optional<double> at = window_->Canvas().CursorX();
  const std::string readout = Utf8TextOf(window_->CursorReadout());
  if (!c.column) {
    EXPECT_FALSE(at);
    EXPECT_EQ(readout, "");
    return;
  }
  ASSERT_TRUE(at);
  const int column = *c.column >= 0 ? *c.column : last + 1 + *c.column;
  EXPECT_DOUBLE_EQ(*at, area.left + column + 0.5);
  EXPECT_EQ(readout.rfind("カーソル位置  x = ", 0), 0u) << readout;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CursorKeysTest,
    ::testing::Values(CursorCase{"HomeRight", {{VK_HOME, false}, {VK_RIGHT, false}}, 1},
                      CursorCase{"HomeShiftRight", {{VK_HOME, false}, {VK_RIGHT, true}}, 10},
                      CursorCase{"HomeLeftStaysIn", {{VK_HOME, false}, {VK_LEFT, false}}, 0},
                      CursorCase{"EndShiftLeft", {{VK_END, false}, {VK_LEFT, true}}, -11},
                      CursorCase{"HomeThenTabAway", {{VK_HOME, false}, {VK_TAB, false}}, std::nullopt}),
    [](const ::testing::TestParamInfo<CursorCase>& info) { return info.param.name; });

// The pointer over the plot puts the cursor in the column under it; leaving
// the unfocused canvas takes it away, and the read-out with it.
TEST_F(Win32GraphWindowTest, PointerMovesTheCursorAndLeavingTakesItAway) {
  ::SetFocus(window_->XEntry());
  const HWND canvas = window_->Canvas().Handle();
  const PlotArea area = window_->Canvas().CurrentFrame().area;
  const int x = static_cast<int>(area.left + area.width / 3.0);
  const int y = static_cast<int>(area.top + area.height / 2.0);
  ::PostMessageW(canvas, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  Pump();
  ASSERT_TRUE(window_->Canvas().CursorX());
  EXPECT_DOUBLE_EQ(*window_->Canvas().CursorX(), std::floor(x + 0.5 - area.left) + area.left + 0.5);
  EXPECT_EQ(Utf8TextOf(window_->CursorReadout()).rfind("カーソル位置  x = ", 0), 0u);

  ::PostMessageW(canvas, WM_MOUSELEAVE, 0, 0);
  Pump();
  EXPECT_FALSE(window_->Canvas().CursorX());
  EXPECT_EQ(Utf8TextOf(window_->CursorReadout()), "");
}

}  // namespace
}  // namespace peruka::testing
