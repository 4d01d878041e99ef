#include "app/win32/graph_window.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/graph_readout.h"
#include "app/win32/dialog_keys.h"
#include "app/win32/gdiplus_image.h"
#include "app/window_texts.h"
#include "fit/fitted_value.h"
#include "numeric/locale_mark.h"
#include "text/accelerator.h"
#include "ui/classes.h"
#include "ui/event_guard.h"
#include "ui/message_form.h"
#include "ui/save_file.h"
#include "ui/win32/win32_api.h"
#include "ui/win32/win32_text.h"

namespace peruka {

namespace {

constexpr wchar_t kWindowClass[] = L"PerukaGraphWindow";
// The controls' ids; none is IDOK or IDCANCEL.
constexpr int kResidualsId = 101, kSavePngId = 102, kSaveSvgId = 103, kCopyImageId = 104, kExactId = 105;
constexpr int kMeanBandId = 106, kPredictionBandId = 107, kXEntryId = 108;
// The canvas's preferred and least size, and the spacing, at 96 pixels per inch.
constexpr int kCanvasWidth = 640, kCanvasHeight = 440, kCanvasMinimumWidth = 320, kCanvasMinimumHeight = 220;
constexpr int kSpacing = 6;
// The x entry's least width, at 96 pixels per inch.
constexpr int kEntryWidth = 120;

std::wstring CaptionOf(WindowText text) { return ToWide(TextOf(text)); }

// The entry's read-out as a tool of the tip window.
TTTOOLINFOW ReadoutTool(HWND window, HWND readout) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window;
  tool.uId = reinterpret_cast<UINT_PTR>(readout);
  return tool;
}

}  // namespace

bool GraphWindow::HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                                std::intptr_t&) {
  switch (message) {
    case WM_SIZE:
      LayOutControls(LOWORD(lParam), HIWORD(lParam));
      return true;
    case WM_GETMINMAXINFO: {
      int minimumWidth = 0, minimumHeight = 0, preferredWidth = 0, preferredHeight = 0;
      ClientSizes(minimumWidth, minimumHeight, preferredWidth, preferredHeight);
      const ScreenSize frame = FrameSize(minimumWidth, minimumHeight);
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {frame.width, frame.height};
      return true;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && lParam)
        Command(LOWORD(wParam));
      else if (HIWORD(wParam) == EN_CHANGE && LOWORD(wParam) == kXEntryId)
        DispatchEvent([this] { ShowEntryValue(); });
      return true;
    case WM_NEXTDLGCTL: {
      // How the dialog keys move the focus: to a control, or on from the
      // focused one (the x entry's name gives it on to the entry).
      HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                   : ::GetNextDlgTabItem(window_, ::GetFocus(), wParam != 0);
      if (target && ::IsChild(window_, target)) {
        if (::SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
          ::SendMessageW(target, EM_SETSEL, 0, -1);
        ::SetFocus(target);
      }
      return true;
    }
    default:
      return false;
  }
}

GraphWindow::GraphWindow(TForm& owner) : ToolWindow(owner) {
  if (!CreateToolWindow(kWindowClass, CaptionOf(WindowText::GraphTitle))) return;
  CreateControls();
  int minimumWidth = 0, minimumHeight = 0, preferredWidth = 0, preferredHeight = 0;
  ClientSizes(minimumWidth, minimumHeight, preferredWidth, preferredHeight);
  const ScreenSize frame = FrameSize(preferredWidth, preferredHeight);
  ::SetWindowPos(window_, nullptr, 0, 0, frame.width, frame.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RouteDialogKeys(window_);
}

// The canvas's window goes before the graph window's.
GraphWindow::~GraphWindow() { canvas_.reset(); }

// The tab order is the order made: the canvas, the x entry (after its
// name, so that the name's key focuses it), the options, the buttons.
void GraphWindow::CreateControls() {
  canvas_ = std::make_unique<GraphCanvas>(window_);
  canvas_->OnCursorMoved([this] { DispatchEvent([this] { ShowCursorValue(); }); });
  xName_ = AddControl(0, L"STATIC", CaptionOf(WindowText::XEntryName), SS_LEFTNOWORDWRAP, 0);
  xEntry_ = AddControl(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, kXEntryId);
  const auto control = [&](WindowText text, DWORD style, int id) {
    return AddControl(0, L"BUTTON", CaptionOf(text), WS_TABSTOP | style, id);
  };
  residuals_ = control(WindowText::ShowResidualsOption, BS_AUTOCHECKBOX, kResidualsId);
  exact_ = control(WindowText::ShowExactOption, BS_AUTOCHECKBOX, kExactId);
  meanBand_ = control(WindowText::MeanBandOption, BS_AUTOCHECKBOX, kMeanBandId);
  predictionBand_ = control(WindowText::PredictionBandOption, BS_AUTOCHECKBOX, kPredictionBandId);
  savePng_ = control(WindowText::SavePngCommand, BS_PUSHBUTTON, kSavePngId);
  saveSvg_ = control(WindowText::SaveSvgCommand, BS_PUSHBUTTON, kSaveSvgId);
  copyImage_ = control(WindowText::CopyImageCommand, BS_PUSHBUTTON, kCopyImageId);
  // The read-outs never widen the window: the entry's, cut at its edge
  // when long, shows whole in its tip (so it takes the mouse).
  entryReadout_ = AddControl(0, L"STATIC", L"", SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY, 0);
  cursorReadout_ = AddControl(0, L"STATIC", L"", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0);
  tip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                           ::GetModuleHandleW(nullptr), nullptr);
  if (tip_) {
    TTTOOLINFOW tool = ReadoutTool(window_, entryReadout_);
    wchar_t none[] = L"";
    tool.lpszText = none;
    ::SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  FocusFirst(canvas_->Handle());
}

namespace {

constexpr int kOptionCount = 4;
constexpr int kButtonCount = 3;

// The sizes of the rows under the canvas, in the controls' font: a line of
// text (the read-outs and the entry's name), the entry's and the buttons'
// height, and the widths of the entry's name, the options and the buttons.
struct Rows {
  int line = 0;
  int height = 0;
  int name = 0;
  int entry = 0;
  int options[kOptionCount] = {};
  int buttons[kButtonCount] = {};
  // The bottom row: the options at the left, the buttons at the right, at
  // least three spacings apart.
  int Width(int spacing) const {
    int width = (kOptionCount + kButtonCount + 1) * spacing;
    for (const int option : options) width += option;
    for (const int button : buttons) width += button;
    return width;
  }
};

int TextWidth(HDC dc, const std::wstring& text) {
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

int TextWidth(HDC dc, WindowText text) {
  return TextWidth(dc, WithoutAccelerators<wchar_t>(CaptionOf(text)));
}

Rows MeasureRows(HWND window, HFONT font, int pixelsPerInch) {
  Rows rows;
  HDC dc = ::GetDC(window);
  HGDIOBJ previous = ::SelectObject(dc, font);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  rows.line = static_cast<int>(metrics.tmHeight);
  rows.height = std::max(MulDiv(23, pixelsPerInch, 96), rows.line + MulDiv(8, pixelsPerInch, 96));
  rows.name = TextWidth(dc, WindowText::XEntryName) + MulDiv(2, pixelsPerInch, 96);
  // Room for about fourteen digits, and the edge and margins around them.
  rows.entry = std::max(MulDiv(kEntryWidth, pixelsPerInch, 96),
                        TextWidth(dc, std::wstring(14, L'0')) + MulDiv(10, pixelsPerInch, 96));
  const WindowText options[kOptionCount] = {WindowText::ShowResidualsOption, WindowText::ShowExactOption,
                                            WindowText::MeanBandOption, WindowText::PredictionBandOption};
  for (int i = 0; i < kOptionCount; ++i)
    rows.options[i] =
        TextWidth(dc, options[i]) + ::GetSystemMetrics(SM_CXMENUCHECK) + MulDiv(8, pixelsPerInch, 96);
  const WindowText buttons[kButtonCount] = {WindowText::SavePngCommand, WindowText::SaveSvgCommand,
                                            WindowText::CopyImageCommand};
  for (int i = 0; i < kButtonCount; ++i)
    rows.buttons[i] =
        std::max(MulDiv(75, pixelsPerInch, 96), TextWidth(dc, buttons[i]) + MulDiv(20, pixelsPerInch, 96));
  ::SelectObject(dc, previous);
  ::ReleaseDC(window, dc);
  return rows;
}

std::wstring TextOfWindow(HWND window) {
  std::wstring text(static_cast<std::size_t>(std::max(0, ::GetWindowTextLengthW(window))) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

bool Blank(std::wstring_view text) {
  return text.find_first_not_of(L" \t\r\n\v\f\u00A0\u3000") == std::wstring_view::npos;
}

}  // namespace

// Under the canvas: the cursor's read-out, the x entry's row and the row of
// options and buttons, with the spacing between and around them all.
void GraphWindow::ClientSizes(int& minimumWidth, int& minimumHeight, int& preferredWidth,
                              int& preferredHeight) const {
  const int spacing = Scaled(kSpacing);
  const Rows rows = MeasureRows(window_, Font(), PixelsPerInch());
  const int around = 2 * spacing;
  const int entryRow = rows.name + spacing + rows.entry;
  const int under = rows.line + 2 * rows.height + 3 * spacing;
  minimumWidth = std::max({Scaled(kCanvasMinimumWidth), rows.Width(spacing), entryRow}) + around;
  minimumHeight = Scaled(kCanvasMinimumHeight) + under + around;
  preferredWidth = std::max({Scaled(kCanvasWidth), rows.Width(spacing), entryRow}) + around;
  preferredHeight = Scaled(kCanvasHeight) + under + around;
}

void GraphWindow::LayOutControls(int clientWidth, int clientHeight) {
  if (!canvas_) return;
  const int spacing = Scaled(kSpacing);
  const Rows rows = MeasureRows(window_, Font(), PixelsPerInch());
  const int width = std::max(0, clientWidth - 2 * spacing);
  const int rowTop = clientHeight - spacing - rows.height;
  const int entryTop = rowTop - spacing - rows.height;
  const int lineTop = entryTop - spacing - rows.line;
  ::MoveWindow(canvas_->Handle(), spacing, spacing, width, std::max(0, lineTop - 2 * spacing), TRUE);
  ::MoveWindow(cursorReadout_, spacing, lineTop, width, rows.line, TRUE);
  const int entryTextTop = entryTop + (rows.height - rows.line) / 2;
  int left = spacing;
  ::MoveWindow(xName_, left, entryTextTop, rows.name, rows.line, TRUE);
  left += rows.name + spacing;
  ::MoveWindow(xEntry_, left, entryTop, rows.entry, rows.height, TRUE);
  left += rows.entry + spacing;
  ::MoveWindow(entryReadout_, left, entryTextTop, std::max(0, clientWidth - spacing - left), rows.line, TRUE);
  left = spacing;
  HWND options[kOptionCount] = {residuals_, exact_, meanBand_, predictionBand_};
  for (int i = 0; i < kOptionCount; ++i) {
    ::MoveWindow(options[i], left, rowTop, rows.options[i], rows.height, TRUE);
    left += rows.options[i] + spacing;
  }
  int right = clientWidth - spacing;
  HWND buttons[kButtonCount] = {savePng_, saveSvg_, copyImage_};
  for (int i = kButtonCount - 1; i >= 0; --i) {
    right -= rows.buttons[i];
    ::MoveWindow(buttons[i], right, rowTop, rows.buttons[i], rows.height, TRUE);
    right -= spacing;
  }
}

void GraphWindow::SetData(std::shared_ptr<const GraphData> graph) {
  canvas_->SetData(std::move(graph));
  exactFit_.reset();
  ShowEntryValue();
  ShowCursorValue();
}

void GraphWindow::SetExactFit(std::shared_ptr<const ExactFit> exact) {
  exactFit_ = std::move(exact);
  const std::optional<FitResult> polynomial = exactFit_ ? ExactPolynomial(*exactFit_) : std::nullopt;
  canvas_->SetExactCurve(polynomial ? std::make_shared<const FitResult>(*polynomial) : nullptr);
  canvas_->SetBandFit(exactFit_);
  ShowEntryValue();
}

bool GraphWindow::Checked(HWND option) const {
  return option && ::SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool GraphWindow::ExactFitWanted() const {
  return Checked(exact_) || Checked(meanBand_) || Checked(predictionBand_) ||
         (xEntry_ && !Blank(TextOfWindow(xEntry_)));
}

void GraphWindow::WantExactFit() {
  if (!exactFit_ && ExactFitWanted() && exactWanted_) DispatchEvent([this] { exactWanted_(); });
}

void GraphWindow::ShowBands() {
  canvas_->SetBandsShown(Checked(meanBand_), Checked(predictionBand_));
  WantExactFit();
}

void GraphWindow::ShowEntryValue() {
  if (!xEntry_) return;
  WantExactFit();
  const GraphData* graph = canvas_->Data();
  const std::string readout = graph
                                  ? peruka::EntryReadout(*graph, exactFit_.get(),
                                                         FromWide(TextOfWindow(xEntry_)), LocaleDecimalMark())
                                  : std::string();
  // Cut at the window's edge when long, and whole in its tip.
  std::wstring shown = WideFromUtf8(readout);
  ::SetWindowTextW(entryReadout_, shown.c_str());
  if (tip_) {
    TTTOOLINFOW tool = ReadoutTool(window_, entryReadout_);
    tool.lpszText = shown.data();
    ::SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void GraphWindow::ShowCursorValue() {
  if (!cursorReadout_) return;
  const GraphData* graph = canvas_->Data();
  const std::optional<double> at = canvas_->CursorX();
  std::optional<CursorReading> reading;
  if (graph && at) {
    const GraphCanvas::Frame frame = canvas_->CurrentFrame();
    reading = ReadCursor(*graph, frame.ranges, frame.area, *at);
  }
  const std::string readout = reading ? peruka::CursorReadout(*reading, LocaleDecimalMark()) : std::string();
  ::SetWindowTextW(cursorReadout_, WideFromUtf8(readout).c_str());
}

std::unique_ptr<GraphView> CreateGraphView(TForm& mainWindow, const ScreenRect& result) {
  auto graph = std::make_unique<GraphWindow>(mainWindow);
  graph->PlaceBeside(result);
  return graph;
}

void GraphWindow::PlaceBeside(const ScreenRect& result) {
  int minimumWidth = 0, minimumHeight = 0, preferredWidth = 0, preferredHeight = 0;
  ClientSizes(minimumWidth, minimumHeight, preferredWidth, preferredHeight);
  PlaceWindowBeside(window_, owner_, result, FrameSize(preferredWidth, preferredHeight),
                    FrameSize(minimumWidth, minimumHeight));
}

void GraphWindow::Command(int id) {
  DispatchEvent([this, id] {
    switch (id) {
      case kResidualsId:
        canvas_->SetResidualsShown(::SendMessageW(residuals_, BM_GETCHECK, 0, 0) == BST_CHECKED);
        break;
      case kExactId:
        canvas_->SetExactShown(Checked(exact_));
        WantExactFit();
        break;
      case kMeanBandId:
      case kPredictionBandId:
        ShowBands();
        break;
      case kSavePngId:
        SavePng();
        break;
      case kSaveSvgId:
        SaveSvg();
        break;
      case kCopyImageId:
        CopyImage();
        break;
      default:
        break;
    }
  });
}

void GraphWindow::SavePng() {
  const GdiplusBitmap image = canvas_->RenderImage(canvas_->Width(), canvas_->Height());
  static constexpr SaveFileType kPngFile{TextOf(WindowText::PngFileType), "png", "peruka-graph.png"};
  Save(TextOf(WindowText::SavePngCommand), kPngFile, EncodePng(image.get()));
}

void GraphWindow::SaveSvg() {
  static constexpr SaveFileType kSvgFile{TextOf(WindowText::SvgFileType), "svg", "peruka-graph.svg"};
  Save(TextOf(WindowText::SaveSvgCommand), kSvgFile, canvas_->RenderSvg(canvas_->Width(), canvas_->Height()));
}

void GraphWindow::CopyImage() {
  const GdiplusBitmap image = canvas_->RenderImage(canvas_->Width(), canvas_->Height());
  PutBitmapOnClipboard(window_, image.get());
}

void GraphWindow::Save(std::string_view caption, const SaveFileType& type, std::string_view bytes) {
  std::string name;
  const std::string dialogCaption = CommandName<char>(caption);
  // The dialog belongs to the main window: this one takes no input meanwhile.
  struct Disabled {
    HWND window;
    explicit Disabled(HWND w) : window(w) { ::EnableWindow(window, FALSE); }
    ~Disabled() {
      ::EnableWindow(window, TRUE);
      ::SetForegroundWindow(window);
    }
  } disabled(window_);
  if (SaveToChosenFile(owner_, dialogCaption, type, bytes, name) == SaveOutcome::kFailed)
    ShowNotice(name + std::string(TextOf(WindowText::FileNotWrittenNotice)));
}

}  // namespace peruka
