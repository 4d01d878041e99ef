#include "app/win32/graph_window.h"

#include <algorithm>
#include <string>
#include <utility>

#include "app/win32/dialog_keys.h"
#include "app/win32/gdiplus_image.h"
#include "app/window_placement.h"
#include "app/window_texts.h"
#include "text/accelerator.h"
#include "ui/classes.h"
#include "ui/event_guard.h"
#include "ui/form.h"
#include "ui/form_definition.h"
#include "ui/message_form.h"
#include "ui/save_file.h"
#include "ui/screen.h"
#include "ui/win32/win32_api.h"
#include "ui/win32/win32_text.h"
#include "ui/win32/win32_widget.h"

namespace peruka {

namespace {

constexpr wchar_t kWindowClass[] = L"PerukaGraphWindow";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;
// The controls' ids; none is IDOK or IDCANCEL.
constexpr int kResidualsId = 101;
constexpr int kSavePngId = 102;
constexpr int kSaveSvgId = 103;
constexpr int kCopyImageId = 104;
constexpr int kExactId = 105;
// The canvas's preferred and least size, and the spacing, at 96 pixels per inch.
constexpr int kCanvasWidth = 640;
constexpr int kCanvasHeight = 440;
constexpr int kCanvasMinimumWidth = 320;
constexpr int kCanvasMinimumHeight = 220;
constexpr int kSpacing = 6;

ScreenRect RectOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

// The outer size of a client size.
SIZE FrameSize(int clientWidth, int clientHeight) {
  RECT r{0, 0, clientWidth, clientHeight};
  ::AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
  return {r.right - r.left, r.bottom - r.top};
}

std::wstring CaptionOf(WindowText text) { return ToWide(TextOf(text)); }

}  // namespace

struct GraphWindowProcedure {
  static LRESULT CALLBACK Run(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* graph = reinterpret_cast<GraphWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!graph) return ::DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
      case WM_SIZE:
        graph->LayOutControls(LOWORD(lParam), HIWORD(lParam));
        return 0;
      case WM_GETMINMAXINFO: {
        int minimumWidth = 0, minimumHeight = 0, preferredWidth = 0, preferredHeight = 0;
        graph->ClientSizes(minimumWidth, minimumHeight, preferredWidth, preferredHeight);
        const SIZE frame = FrameSize(minimumWidth, minimumHeight);
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {frame.cx, frame.cy};
        return 0;
      }
      case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {  // Escape
          ::ShowWindow(window, SW_HIDE);
          return 0;
        }
        if (HIWORD(wParam) == BN_CLICKED && lParam) graph->Command(LOWORD(wParam));
        return 0;
      case WM_CLOSE:
        ::ShowWindow(window, SW_HIDE);
        return 0;
      case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
          HWND focus = ::GetFocus();
          if (focus && ::IsChild(window, focus)) graph->lastFocus_ = focus;
        } else {
          ::SetFocus(graph->lastFocus_ ? graph->lastFocus_ : graph->residuals_);
        }
        return 0;
      case WM_NCDESTROY:
        StopRoutingDialogKeys(window);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        graph->window_ = nullptr;
        break;
      default:
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
};

GraphWindow::GraphWindow(TForm& owner)
    : owner_(owner), pixelsPerInch_(Screen ? Screen->PixelsPerInch() : 96) {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  static const bool registered = [instance] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = GraphWindowProcedure::Run;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    return ::RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
  font_ = ::CreateFontW(-MulDiv(9, pixelsPerInch_, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                        SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, ToWide(kDefaultFontName).c_str());
  window_ = ::CreateWindowExW(kExStyle, kWindowClass, CaptionOf(WindowText::GraphTitle).c_str(), kStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Win32Window(&owner),
                              nullptr, instance, this);
  if (!window_) return;
  // The program's icon resource, in both sizes the title bar and the task switcher use.
  for (const auto& [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
    const int size = ::GetSystemMetrics(metric);
    if (HANDLE icon = ::LoadImageW(instance, L"MAINICON", IMAGE_ICON, size, size, LR_SHARED))
      ::SendMessageW(window_, WM_SETICON, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(icon));
  }
  CreateControls();
  int minimumWidth = 0, minimumHeight = 0, preferredWidth = 0, preferredHeight = 0;
  ClientSizes(minimumWidth, minimumHeight, preferredWidth, preferredHeight);
  const SIZE frame = FrameSize(preferredWidth, preferredHeight);
  ::SetWindowPos(window_, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RouteDialogKeys(window_);
}

GraphWindow::~GraphWindow() {
  canvas_.reset();
  if (window_) ::DestroyWindow(window_);
  if (font_) ::DeleteObject(font_);
}

void GraphWindow::CreateControls() {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  canvas_ = std::make_unique<GraphCanvas>(window_);
  const auto control = [&](WindowText text, DWORD style, int id) {
    HWND child = ::CreateWindowExW(0, L"BUTTON", CaptionOf(text).c_str(),
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 0, 0, 0, 0, window_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return child;
  };
  residuals_ = control(WindowText::ShowResidualsOption, BS_AUTOCHECKBOX, kResidualsId);
  exact_ = control(WindowText::ShowExactOption, BS_AUTOCHECKBOX, kExactId);
  savePng_ = control(WindowText::SavePngCommand, BS_PUSHBUTTON, kSavePngId);
  saveSvg_ = control(WindowText::SaveSvgCommand, BS_PUSHBUTTON, kSaveSvgId);
  copyImage_ = control(WindowText::CopyImageCommand, BS_PUSHBUTTON, kCopyImageId);
}

namespace {

// The bottom row: the options at the left, the buttons at the right, in the
// controls' font.
struct Row {
  int height = 0;
  int options[2] = {};
  int buttons[3] = {};
  int Width(int spacing) const {
    return options[0] + options[1] + 4 * spacing + buttons[0] + buttons[1] + buttons[2];
  }
};

int TextWidth(HDC dc, WindowText text) {
  const std::wstring shown = WithoutAccelerators<wchar_t>(CaptionOf(text));
  SIZE size{};
  ::GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
  return size.cx;
}

Row MeasureRow(HWND window, HFONT font, int pixelsPerInch) {
  Row row;
  HDC dc = ::GetDC(window);
  HGDIOBJ previous = ::SelectObject(dc, font);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  row.height = std::max(MulDiv(23, pixelsPerInch, 96),
                        static_cast<int>(metrics.tmHeight) + MulDiv(8, pixelsPerInch, 96));
  const WindowText options[2] = {WindowText::ShowResidualsOption, WindowText::ShowExactOption};
  for (int i = 0; i < 2; ++i)
    row.options[i] =
        TextWidth(dc, options[i]) + ::GetSystemMetrics(SM_CXMENUCHECK) + MulDiv(8, pixelsPerInch, 96);
  const WindowText buttons[3] = {WindowText::SavePngCommand, WindowText::SaveSvgCommand,
                                 WindowText::CopyImageCommand};
  for (int i = 0; i < 3; ++i)
    row.buttons[i] =
        std::max(MulDiv(75, pixelsPerInch, 96), TextWidth(dc, buttons[i]) + MulDiv(20, pixelsPerInch, 96));
  ::SelectObject(dc, previous);
  ::ReleaseDC(window, dc);
  return row;
}

}  // namespace

void GraphWindow::ClientSizes(int& minimumWidth, int& minimumHeight, int& preferredWidth,
                              int& preferredHeight) const {
  const int spacing = MulDiv(kSpacing, pixelsPerInch_, 96);
  const Row row = MeasureRow(window_, font_, pixelsPerInch_);
  const int around = 2 * spacing;
  minimumWidth = std::max(MulDiv(kCanvasMinimumWidth, pixelsPerInch_, 96), row.Width(spacing)) + around;
  minimumHeight = MulDiv(kCanvasMinimumHeight, pixelsPerInch_, 96) + row.height + around + spacing;
  preferredWidth = std::max(MulDiv(kCanvasWidth, pixelsPerInch_, 96), row.Width(spacing)) + around;
  preferredHeight = MulDiv(kCanvasHeight, pixelsPerInch_, 96) + row.height + around + spacing;
}

void GraphWindow::LayOutControls(int clientWidth, int clientHeight) {
  if (!canvas_) return;
  const int spacing = MulDiv(kSpacing, pixelsPerInch_, 96);
  const Row row = MeasureRow(window_, font_, pixelsPerInch_);
  const int rowTop = clientHeight - spacing - row.height;
  ::MoveWindow(canvas_->Handle(), spacing, spacing, std::max(0, clientWidth - 2 * spacing),
               std::max(0, rowTop - 2 * spacing), TRUE);
  ::MoveWindow(residuals_, spacing, rowTop, row.options[0], row.height, TRUE);
  ::MoveWindow(exact_, 2 * spacing + row.options[0], rowTop, row.options[1], row.height, TRUE);
  int right = clientWidth - spacing;
  HWND buttons[3] = {savePng_, saveSvg_, copyImage_};
  for (int i = 2; i >= 0; --i) {
    right -= row.buttons[i];
    ::MoveWindow(buttons[i], right, rowTop, row.buttons[i], row.height, TRUE);
    right -= spacing;
  }
}

void GraphWindow::SetData(std::shared_ptr<const GraphData> graph) { canvas_->SetData(std::move(graph)); }

void GraphWindow::SetExactCurve(std::shared_ptr<const FitResult> exact) {
  canvas_->SetExactCurve(std::move(exact));
}

bool GraphWindow::ExactCurveShown() const {
  return exact_ && ::SendMessageW(exact_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool GraphWindow::Shown() const { return window_ && ::IsWindowVisible(window_); }

void GraphWindow::Present() {
  if (!window_) return;
  ::ShowWindow(window_, ::IsIconic(window_) ? SW_RESTORE : SW_SHOW);
  ::SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ::SetForegroundWindow(window_);
  ::SetActiveWindow(window_);
}

std::unique_ptr<GraphView> CreateGraphView(TForm& mainWindow, const ScreenRect& result) {
  auto graph = std::make_unique<GraphWindow>(mainWindow);
  graph->PlaceBeside(result);
  return graph;
}

void GraphWindow::PlaceBeside(const ScreenRect& result) {
  int minimumWidth = 0, minimumHeight = 0, preferredWidth = 0, preferredHeight = 0;
  ClientSizes(minimumWidth, minimumHeight, preferredWidth, preferredHeight);
  const SIZE preferred = FrameSize(preferredWidth, preferredHeight);
  const SIZE minimum = FrameSize(minimumWidth, minimumHeight);
  PlaceWindowBeside(window_, owner_, result, {preferred.cx, preferred.cy}, {minimum.cx, minimum.cy});
}

void PlaceWindowBeside(HWND window, TForm& owner, const ScreenRect& result, ScreenSize preferred,
                       ScreenSize minimum) {
  HWND main = Win32Window(&owner);
  if (!window || !main) return;
  RECT frame{};
  ::GetWindowRect(main, &frame);
  POINT clientTop{0, 0};
  ::ClientToScreen(main, &clientTop);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!::GetMonitorInfoW(::MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  PlacementRequest request;
  request.available = RectOf(monitor.rcWork);
  request.main = RectOf(frame);
  request.titleBar = {frame.left, frame.top, frame.right - frame.left, clientTop.y - frame.top};
  request.result = result;
  request.preferred = preferred;
  request.minimum = minimum;
  const ScreenRect placed = PlaceNextToMainWindow(request);
  ::SetWindowPos(window, nullptr, placed.left, placed.top, placed.width, placed.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void GraphWindow::Command(int id) {
  DispatchEvent([this, id] {
    switch (id) {
      case kResidualsId:
        canvas_->SetResidualsShown(::SendMessageW(residuals_, BM_GETCHECK, 0, 0) == BST_CHECKED);
        break;
      case kExactId:
        canvas_->SetExactShown(ExactCurveShown());
        if (ExactCurveShown() && exactWanted_) exactWanted_();
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
