#include "app/win32/graph_canvas.h"

#include <cmath>
#include <utility>

#include "app/graph_readout.h"
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

COLORREF ColorRefOf(Rgb rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

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
      case WM_GETDLGCODE:
        // The arrows move the cursor; letters are not the other controls' keys.
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
      case WM_LBUTTONDOWN:
        ::SetFocus(window);
        return 0;
      case WM_MOUSEMOVE:
        if (canvas) {
          canvas->OnMouseMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
          return 0;
        }
        break;
      case WM_MOUSELEAVE:
        if (canvas) {
          canvas->OnMouseLeave();
          return 0;
        }
        break;
      case WM_KEYDOWN:
        if (canvas && canvas->OnKey(static_cast<unsigned>(wParam))) return 0;
        break;
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
        if (canvas) canvas->OnFocusChange(message == WM_SETFOCUS);
        return 0;
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
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, parent, nullptr,
                              ::GetModuleHandleW(nullptr), this);
}

GraphCanvas::~GraphCanvas() {
  cursorMoved_ = nullptr;  // the window's owner may be going too
  Forget();
  if (window_) ::DestroyWindow(window_);
}

void GraphCanvas::Forget() {
  if (kept_) ::DeleteObject(kept_);
  kept_ = nullptr;
  picture_.reset();
}

void GraphCanvas::SetData(std::shared_ptr<const GraphData> graph) {
  data_ = std::move(graph);
  exact_.reset();
  bandFit_.reset();
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

void GraphCanvas::SetBandFit(std::shared_ptr<const ExactFit> exact) {
  bandFit_ = std::move(exact);
  Forget();
  if (window_) ::InvalidateRect(window_, nullptr, FALSE);
}

void GraphCanvas::SetBandsShown(bool mean, bool prediction) {
  if (mean == meanBand_ && prediction == predictionBand_) return;
  meanBand_ = mean;
  predictionBand_ = prediction;
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
  GraphPicture picture =
      DrawGraph(data_.get(), width, height, residuals_, texts, font_, pixelSize_, LocaleDecimalMark(),
                exactShown_ ? exact_.get() : nullptr, BandChoice{bandFit_.get(), meanBand_, predictionBand_});
  picture.drawing.fontFamily = font_.FamilyName();
  return picture;
}

GdiplusBitmap GraphCanvas::RenderImage(int width, int height) const {
  return RenderDrawing(LayOut(width, height).drawing, font_);
}

std::string GraphCanvas::RenderSvg(int width, int height) const {
  return WriteSvg(LayOut(width, height).drawing);
}

const GraphPicture& GraphCanvas::Kept() const {
  const int width = Width();
  const int height = Height();
  if (!picture_ || picture_->drawing.width != width || picture_->drawing.height != height) {
    if (kept_) ::DeleteObject(kept_);
    kept_ = nullptr;
    picture_ = LayOut(width, height);
  }
  return *picture_;
}

GraphCanvas::Frame GraphCanvas::CurrentFrame() const { return Frame{Kept().area, Kept().ranges}; }

void GraphCanvas::Paint() {
  PAINTSTRUCT paint;
  HDC target = ::BeginPaint(window_, &paint);
  const int width = Width();
  const int height = Height();
  const GraphPicture& picture = Kept();
  if (!kept_ && width > 0 && height > 0) {
    const GdiplusBitmap image = RenderDrawing(picture.drawing, font_);
    HBITMAP bitmap = nullptr;
    if (image &&
        Gdiplus::DllExports::GdipCreateHBITMAPFromBitmap(image.get(), &bitmap, 0xFFFFFFFFu) == Gdiplus::Ok)
      kept_ = bitmap;
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
  if (cursorX_) {
    // A thin dotted line down the plot at the cursor's column.
    const int column = static_cast<int>(std::floor(*cursorX_));
    const int top = static_cast<int>(std::floor(picture.area.top));
    const int bottom = static_cast<int>(std::ceil(picture.area.top + picture.area.height));
    HPEN pen = ::CreatePen(PS_DOT, 1, ColorRefOf(kFrameColor));
    HGDIOBJ previousPen = ::SelectObject(target, pen);
    const int previousMode = ::SetBkMode(target, TRANSPARENT);
    ::MoveToEx(target, column, top, nullptr);
    ::LineTo(target, column, bottom);
    ::SetBkMode(target, previousMode);
    ::SelectObject(target, previousPen);
    ::DeleteObject(pen);
  }
  if (::GetFocus() == window_) {
    RECT client{0, 0, width, height};
    ::InflateRect(&client, -1, -1);
    ::DrawFocusRect(target, &client);
  }
  ::EndPaint(window_, &paint);
}

void GraphCanvas::MoveCursor(std::optional<double> x) {
  if (x == cursorX_) return;
  cursorX_ = x;
  if (window_) ::InvalidateRect(window_, nullptr, FALSE);
  if (cursorMoved_) cursorMoved_();
}

void GraphCanvas::OnMouseMove(int x, int y) {
  if (!tracking_) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = window_;
    tracking_ = ::TrackMouseEvent(&track) != FALSE;
  }
  // The pixel's centre.
  const double px = x + 0.5;
  const double py = y + 0.5;
  const PlotArea& area = Kept().area;
  const bool inside = data_ && px >= area.left && px < area.left + area.width && py >= area.top &&
                      py < area.top + area.height;
  MoveCursor(inside ? std::optional<double>(CursorColumn(area, px)) : std::nullopt);
}

void GraphCanvas::OnMouseLeave() {
  tracking_ = false;
  if (::GetFocus() != window_) MoveCursor(std::nullopt);
}

bool GraphCanvas::OnKey(unsigned key) {
  std::optional<CursorKey> cursorKey;
  switch (key) {
    case VK_LEFT:
      cursorKey = CursorKey::Left;
      break;
    case VK_RIGHT:
      cursorKey = CursorKey::Right;
      break;
    case VK_HOME:
      cursorKey = CursorKey::Home;
      break;
    case VK_END:
      cursorKey = CursorKey::End;
      break;
    default:
      break;
  }
  if (!data_ || !cursorKey) return false;
  MoveCursor(CursorAfterKey(Kept().area, cursorX_, *cursorKey, ::GetKeyState(VK_SHIFT) < 0));
  return true;
}

void GraphCanvas::OnFocusChange(bool focused) {
  if (window_) ::InvalidateRect(window_, nullptr, FALSE);
  if (!focused) MoveCursor(std::nullopt);
}

}  // namespace peruka
