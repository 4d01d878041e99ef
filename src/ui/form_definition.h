// Window definitions: the stored properties a form and its controls are
// built from, at the definition's pixels per inch, and their scaling to the
// screen.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/classes.h"
#include "ui/combo_box.h"
#include "ui/layout_rules.h"
#include "ui/memo.h"

namespace peruka {

// ＭＳ Ｐゴシック, in Shift-JIS: the default font of forms, and the main
// window's.
inline constexpr std::string_view kDefaultFontName =
    "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };

// Border icons.
using TBorderIcons = unsigned;
inline constexpr TBorderIcons biSystemMenu = 1;
inline constexpr TBorderIcons biMinimize = 2;
inline constexpr TBorderIcons biMaximize = 4;

// One control of a window definition. Positions and sizes are pixels at the
// definition's pixels per inch; texts are Shift-JIS.
struct ControlDefinition {
  std::string_view name;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::optional<std::string_view> caption;  // labels and buttons
  std::vector<std::string_view> lines;      // memos
  std::vector<std::string_view> items;      // drop-down lists
  std::optional<bool> autoSize;
  std::optional<TImeMode> imeMode;
  std::optional<TComboBoxStyle> style;
  std::optional<int> itemHeight;
  int tabOrder = -1;
  // A label names this control for screen readers (its caption).
  std::string_view focusControl;
  // The accessible name of a control without a caption of its own.
  std::string_view accessibleName;
  std::string_view onClick;
  std::string_view onKeyUp;
};

struct FormDefinition {
  std::string_view name;
  int left = 0;
  int top = 0;
  int clientWidth = 0;
  int clientHeight = 0;
  std::string_view caption;
  TFormBorderStyle borderStyle = bsSizeable;
  TBorderIcons borderIcons = biSystemMenu | biMinimize | biMaximize;
  TPosition position = poDesigned;
  std::string_view fontName;
  int fontHeight = -11;  // negative: character height in pixels
  int pixelsPerInch = 96;
  int textHeight = 13;       // height of "0" in the font at pixelsPerInch
  std::string_view iconPng;  // the window's icon, a PNG image
  std::string_view onCreate;
  std::vector<ControlDefinition> controls;
};

// The handlers a definition can name, by name.
struct DefinitionHandlers {
  std::map<std::string, TNotifyEvent, std::less<>> notify;
  std::map<std::string, TKeyEvent, std::less<>> key;
};

// Applies one control's definition to the owner's component of that name
// (nothing when there is none), scaling its bounds by m / d.
void ApplyControlDefinition(TComponent& owner, const ControlDefinition& definition,
                            const DefinitionHandlers& handlers, int m, int d);

}  // namespace peruka
