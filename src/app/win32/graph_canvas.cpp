#include "app/win32/graph_canvas.h"

#include <utility>

#include "app/graph_texts.h"
#include "app/window_texts.h"
#include "numeric/locale_mark.h"
#include "plot/svg_writer.h"
#include "ui/classes.h"
#include "ui/form_definition.h"
#include "ui/screen.h"
#include "ui/win32/win32_api.h"
#include "ui/win32/win32_text.h"
// GDI+ builds on windows.h.
#include <gdiplus.h>

namespace peruka {

namespace {

constexpr wchar_t kCanvasClass[] = L"PerukaGraphCanvas";

}  // namespace

struct CanvasProcedure {
  static LRESULT CALLBACK Run(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* canvas = reinterpret_cast<GraphCanvas*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
      case WM_ERASEBKGND:
        return 1;  // the painting covers every pixel
      case WM_PAINT:
        if (canvas) {
          canvas->Paint();
          return 0;
        }
        break;
      case WM_NCDESTROY:
        if (canvas) canvas->window_ = nullptr;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
      default:
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
};

GraphCanvas::GraphCanvas(HWND parent)
    : font_({ToWide(kDefaultFontName), L"Yu Gothic UI", L"Meiryo UI", L"MS UI Gothic"}),
      pixelSize_(MulDiv(9, Screen ? Screen->PixelsPerInch() : 96, 72)) {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = CanvasProcedure::Run;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kCanvasClass;
    return ::RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
  window_ = ::CreateWindowExW(0, kCanvasClass, ToWide(TextOf(WindowText::GraphTitle)).c_str(),
                              WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr, ::GetModuleHandleW(nullptr),
                              this);
}

GraphCanvas::~GraphCanvas() {
  Forget();
  if (window_) ::DestroyWindow(window_);
}

void GraphCanvas::Forget() {
  if (kept_) ::DeleteObject(kept_);
  kept_ = nullptr;
}

void GraphCanvas::SetData(std::shared_ptr<const GraphData> graph) {
  data_ = std::move(graph);
  exact_.reset();
  Forget();
  if (window_) {
    ::SetWindowTextW(window_, WideFromUtf8(Heading()).c_str());
    ::InvalidateRect(window_, nullptr, FALSE);
  }
}

void GraphCanvas::SetResidualsShown(bool shown) {
  if (shown == residuals_) return;
  residuals_ = shown;
  Forget();
  if (window_) ::InvalidateRect(window_, nullptr, FALSE);
}

void GraphCanvas::SetExactCurve(std::shared_ptr<const FitResult> exact) {
  exact_ = std::move(exact);
  Forget();
  if (window_) ::InvalidateRect(window_, nullptr, FALSE);
}

void GraphCanvas::SetExactShown(bool shown) {
  if (shown == exactShown_) return;
  exactShown_ = shown;
  Forget();
  if (window_) ::InvalidateRect(window_, nullptr, FALSE);
}

std::string GraphCanvas::Heading() const {
  return data_ ? GraphTextsOf(*data_, LocaleDecimalMark()).heading : std::string();
}

int GraphCanvas::Width() const {
  RECT client{};
  if (window_) ::GetClientRect(window_, &client);
  return client.right - client.left;
}

int GraphCanvas::Height() const {
  RECT client{};
  if (window_) ::GetClientRect(window_, &client);
  return client.bottom - client.top;
}

GraphPicture GraphCanvas::LayOut(int width, int height) const {
  const GraphTexts texts = data_ ? GraphTextsOf(*data_, LocaleDecimalMark()) : GraphTexts{};
  GraphPicture picture = DrawGraph(data_.get(), width, height, residuals_, texts, font_, pixelSize_,
                                   LocaleDecimalMark(), exactShown_ ? exact_.get() : nullptr);
  picture.drawing.fontFamily = font_.FamilyName();
  return picture;
}

GdiplusBitmap GraphCanvas::RenderImage(int width, int height) const {
  return RenderDrawing(LayOut(width, height).drawing, font_);
}

std::string GraphCanvas::RenderSvg(int width, int height) const {
  return WriteSvg(LayOut(width, height).drawing);
}

void GraphCanvas::Paint() {
  PAINTSTRUCT paint;
  HDC target = ::BeginPaint(window_, &paint);
  const int width = Width();
  const int height = Height();
  if (kept_ && (keptWidth_ != width || keptHeight_ != height)) Forget();
  if (!kept_ && width > 0 && height > 0) {
    const GdiplusBitmap image = RenderImage(width, height);
    HBITMAP bitmap = nullptr;
    if (image &&
        Gdiplus::DllExports::GdipCreateHBITMAPFromBitmap(image.get(), &bitmap, 0xFFFFFFFFu) == Gdiplus::Ok) {
      kept_ = bitmap;
      keptWidth_ = width;
      keptHeight_ = height;
    }
  }
  if (kept_) {
    HDC source = ::CreateCompatibleDC(target);
    HGDIOBJ previous = ::SelectObject(source, kept_);
    ::BitBlt(target, 0, 0, width, height, source, 0, 0, SRCCOPY);
    ::SelectObject(source, previous);
    ::DeleteDC(source);
  } else {
    ::FillRect(target, &paint.rcPaint, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  }
  ::EndPaint(window_, &paint);
}

}  // namespace peruka
