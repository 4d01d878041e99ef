// The window layer's layout arithmetic, on integer pixels and knowing no
// toolkit: scaling a window definition to the screen and centring a window.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

namespace peruka {

struct Bounds {
  int left, top, width, height;
  bool operator==(const Bounds&) const = default;
};

struct ScreenPosition {
  int left, top;
  bool operator==(const ScreenPosition&) const = default;
};

// The scaling of a definition: font height by the screen's pixels per inch,
// then every position and size by M / D, where M is the height of "0" in the
// scaled font and D the definition's text height. Right and bottom edges are
// scaled, so adjoining controls stay adjoining.
int ScaledFontHeight(int fontHeight, int screenPixelsPerInch, int definitionPixelsPerInch);
Bounds ScaleBounds(const Bounds& bounds, int m, int d);

// How a form is centred on the screen by its outer size, frame included;
// each division truncates. The main window (poScreenCenter) takes half the
// difference of the sizes, never below 0; the notice box takes half its
// size from half the screen's and is not clamped.
enum class TCentring { kScreenCenter, kNotice };
ScreenPosition CentredPosition(TCentring rule, int screenWidth, int screenHeight, int outerWidth,
                               int outerHeight);

// A form centred at `placed` before the window manager had reported its
// frame is centred again, by its outer size, once the frame is known: the
// position for its frame, given its client area and frame as now reported.
// Nothing while no frame is reported (the frame is the client area), nor
// while the form is elsewhere (neither its client area nor its frame is at
// `placed`): moved meanwhile, or at a passing position.
std::optional<ScreenPosition> CentredOnceFramed(TCentring rule, int screenWidth, int screenHeight,
                                                ScreenPosition placed, const Bounds& client,
                                                const Bounds& frame);

struct TextSize {
  int width = 0;
  int height = 0;
  bool operator==(const TextSize&) const = default;
};

// The auto-size rule of a label: its new bounds for a caption, where
// `measure` is the backend's measure of a text with the label's drawing
// flags (the widest line, the lines times the line height). An empty
// caption, or a lone "&" while "&" marks accelerators, measures as one
// blank, so the label stays one line high. Top stays; Left stays, but for a
// right-justified label, whose right edge stays.
Bounds AutoSizedLabelBounds(const Bounds& bounds, std::string_view caption, bool showAccelChar,
                            bool rightJustified, const std::function<TextSize(std::string_view)>& measure);

}  // namespace peruka
