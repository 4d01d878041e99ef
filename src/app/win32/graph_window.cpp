#include "app/win32/graph_window.h"

#include <algorithm>
#include <string>
#include <utility>

#include "app/win32/dialog_keys.h"
#include "app/win32/gdiplus_image.h"
#include "app/window_texts.h"
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

std::wstring CaptionOf(WindowText text) { return ToWide(TextOf(text)); }

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
      if (HIWORD(wParam) == BN_CLICKED && lParam) Command(LOWORD(wParam));
      return true;
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

void GraphWindow::CreateControls() {
  canvas_ = std::make_unique<GraphCanvas>(window_);
  const auto control = [&](WindowText text, DWORD style, int id) {
    return AddControl(0, L"BUTTON", CaptionOf(text), WS_TABSTOP | style, id);
  };
  residuals_ = control(WindowText::ShowResidualsOption, BS_AUTOCHECKBOX, kResidualsId);
  exact_ = control(WindowText::ShowExactOption, BS_AUTOCHECKBOX, kExactId);
  savePng_ = control(WindowText::SavePngCommand, BS_PUSHBUTTON, kSavePngId);
  saveSvg_ = control(WindowText::SaveSvgCommand, BS_PUSHBUTTON, kSaveSvgId);
  copyImage_ = control(WindowText::CopyImageCommand, BS_PUSHBUTTON, kCopyImageId);
  FocusFirst(residuals_);
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
  const int spacing = Scaled(kSpacing);
  const Row row = MeasureRow(window_, Font(), PixelsPerInch());
  const int around = 2 * spacing;
  minimumWidth = std::max(Scaled(kCanvasMinimumWidth), row.Width(spacing)) + around;
  minimumHeight = Scaled(kCanvasMinimumHeight) + row.height + around + spacing;
  preferredWidth = std::max(Scaled(kCanvasWidth), row.Width(spacing)) + around;
  preferredHeight = Scaled(kCanvasHeight) + row.height + around + spacing;
}

void GraphWindow::LayOutControls(int clientWidth, int clientHeight) {
  if (!canvas_) return;
  const int spacing = Scaled(kSpacing);
  const Row row = MeasureRow(window_, Font(), PixelsPerInch());
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
