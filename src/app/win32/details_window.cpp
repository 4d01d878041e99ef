#include "app/win32/details_window.h"

#include <algorithm>
#include <utility>

#include "app/win32/dialog_keys.h"
#include "app/window_texts.h"
#include "ui/clipboard.h"
#include "ui/event_guard.h"
#include "ui/win32/win32_api.h"
#include "ui/win32/win32_text.h"

namespace peruka {

namespace {

constexpr wchar_t kWindowClass[] = L"PerukaDetailsWindow";
// The copy button's id (not IDOK or IDCANCEL), and the message of Ctrl+C in
// any of the controls.
constexpr int kCopyId = 101;
constexpr UINT kCopyKeysMessage = WM_APP + 1;
// The preferred and least client size, and the spacing, at 96 pixels per inch.
constexpr int kWidth = 760;
constexpr int kHeight = 400;
constexpr int kMinimumWidth = 360;
constexpr int kMinimumHeight = 240;
constexpr int kSpacing = 6;
constexpr COLORREF kWarningColor = RGB(0xB0, 0x00, 0x20);
constexpr wchar_t kPreviousProcedure[] = L"PerukaPreviousProcedure";

// A control's own procedure with Ctrl+C taken for the window's copy.
LRESULT CALLBACK CopyKeysProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto previous =
      reinterpret_cast<WNDPROC>(reinterpret_cast<LONG_PTR>(::GetPropW(control, kPreviousProcedure)));
  if (message == WM_KEYDOWN && wParam == 'C' && ::GetKeyState(VK_CONTROL) < 0 &&
      ::GetKeyState(VK_SHIFT) >= 0 && ::GetKeyState(VK_MENU) >= 0) {
    ::SendMessageW(::GetParent(control), kCopyKeysMessage, 0, 0);
    return 0;
  }
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    ::RemovePropW(control, kPreviousProcedure);
  }
  return ::CallWindowProcW(previous, control, message, wParam, lParam);
}

void TakeCopyKeys(HWND control) {
  const LONG_PTR previous =
      ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CopyKeysProcedure));
  ::SetPropW(control, kPreviousProcedure, reinterpret_cast<HANDLE>(previous));
}

std::wstring FiguresText(const FitDetails& details) {
  std::string text;
  for (const FitFigure& figure : details.figures) {
    if (!text.empty()) text += "\r\n";
    text += figure.name + ": " + figure.value;
  }
  return ToWide(text);
}

}  // namespace

bool DetailsWindow::HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                                  std::intptr_t& result) {
  switch (message) {
    case WM_SIZE:
      LayOutControls(LOWORD(lParam), HIWORD(lParam));
      return true;
    case WM_GETMINMAXINFO: {
      const ScreenSize frame = FrameSize(Scaled(kMinimumWidth), Scaled(kMinimumHeight));
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {frame.width, frame.height};
      return true;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kCopyId && HIWORD(wParam) == BN_CLICKED && lParam)
        DispatchEvent([this] { CopyTable(); });
      return true;
    case kCopyKeysMessage:
      DispatchEvent([this] { CopyTable(); });
      return true;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lParam) == note_ && details_.warning) {
        const auto dc = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(dc, kWarningColor);
        ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
        result = reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
        return true;
      }
      return false;
    default:
      return false;
  }
}

DetailsWindow::DetailsWindow(TForm& owner) : ToolWindow(owner) {
  const std::wstring title = ToWide(TextOf(WindowText::DetailsTitle));
  if (!CreateToolWindow(kWindowClass, title)) return;
  table_ = AddControl(WS_EX_CLIENTEDGE, WC_LISTVIEWW, title,
                      WS_TABSTOP | LVS_REPORT | LVS_NOSORTHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0);
  ::SendMessageW(table_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  figures_ = AddControl(0, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 0);
  note_ = AddControl(0, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 0);
  copy_ = AddControl(0, L"BUTTON", ToWide(TextOf(WindowText::CopyTableCommand)), WS_TABSTOP | BS_PUSHBUTTON,
                     kCopyId);
  FocusFirst(table_);
  TakeCopyKeys(table_);
  TakeCopyKeys(copy_);
  const ScreenSize frame = FrameSize(Scaled(kWidth), Scaled(kHeight));
  ::SetWindowPos(window_, nullptr, 0, 0, frame.width, frame.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RouteDialogKeys(window_);
}

int DetailsWindow::TextHeight(const std::string& text, int width) const {
  if (text.empty()) return 0;
  const std::wstring wide = ToWide(text);
  HDC dc = ::GetDC(window_);
  HGDIOBJ previous = ::SelectObject(dc, Font());
  RECT r{0, 0, std::max(1, width), 0};
  ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  ::SelectObject(dc, previous);
  ::ReleaseDC(window_, dc);
  return r.bottom - r.top;
}

void DetailsWindow::LayOutControls(int clientWidth, int clientHeight) {
  if (!table_) return;
  const int spacing = Scaled(kSpacing);
  const int width = std::max(0, clientWidth - 2 * spacing);
  HDC dc = ::GetDC(window_);
  HGDIOBJ previous = ::SelectObject(dc, Font());
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  const std::wstring caption = ToWide(TextOf(WindowText::CopyTableCommand));
  SIZE captionSize{};
  ::GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &captionSize);
  ::SelectObject(dc, previous);
  ::ReleaseDC(window_, dc);
  const int rowHeight = std::max(Scaled(23), static_cast<int>(metrics.tmHeight) + Scaled(8));
  const int buttonWidth = std::max(Scaled(75), static_cast<int>(captionSize.cx) + Scaled(20));
  std::string figures;
  for (const FitFigure& figure : details_.figures) figures += figure.name + ": " + figure.value + "\n";
  const int figuresHeight = TextHeight(figures, width);
  const int noteHeight = TextHeight(details_.note, width);
  const int buttonTop = clientHeight - spacing - rowHeight;
  int bottom = buttonTop - spacing;
  ::MoveWindow(note_, spacing, bottom - noteHeight, width, noteHeight, TRUE);
  if (noteHeight > 0) bottom -= noteHeight + spacing;
  ::MoveWindow(figures_, spacing, bottom - figuresHeight, width, figuresHeight, TRUE);
  if (figuresHeight > 0) bottom -= figuresHeight + spacing;
  ::MoveWindow(table_, spacing, spacing, width, std::max(0, bottom - spacing), TRUE);
  ::MoveWindow(copy_, clientWidth - spacing - buttonWidth, buttonTop, buttonWidth, rowHeight, TRUE);
}

void DetailsWindow::SetDetails(const FitDetails& details) {
  details_ = details;
  if (!window_) return;
  ::SendMessageW(table_, LVM_DELETEALLITEMS, 0, 0);
  while (::SendMessageW(table_, LVM_DELETECOLUMN, 0, 0)) {
  }
  for (std::size_t c = 0; c < details.headings.size(); ++c) {
    std::wstring heading = ToWide(details.headings[c]);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
    column.fmt = c == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT;
    column.cx = Scaled(80);
    column.pszText = heading.data();
    ::SendMessageW(table_, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
  }
  for (std::size_t r = 0; r < details.rows.size(); ++r) {
    const std::vector<std::string>& row = details.rows[r];
    for (std::size_t c = 0; c < row.size(); ++c) {
      std::wstring text = ToWide(row[c]);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(r);
      item.iSubItem = static_cast<int>(c);
      item.pszText = text.data();
      ::SendMessageW(table_, c == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, c == 0 ? 0 : r,
                     reinterpret_cast<LPARAM>(&item));
    }
  }
  for (std::size_t c = 0; c < details.headings.size(); ++c)
    ::SendMessageW(table_, LVM_SETCOLUMNWIDTH, c, LVSCW_AUTOSIZE_USEHEADER);
  ::SetWindowTextW(figures_, FiguresText(details).c_str());
  ::SetWindowTextW(note_, ToWide(details.note).c_str());
  FitToTable();
  RECT client{};
  ::GetClientRect(window_, &client);
  LayOutControls(client.right, client.bottom);
  ::InvalidateRect(note_, nullptr, TRUE);
}

void DetailsWindow::FitToTable() {
  // The table's columns side by side and its rows one under another.
  int width = 2 * ::GetSystemMetrics(SM_CXEDGE) + ::GetSystemMetrics(SM_CXVSCROLL);
  for (std::size_t c = 0; c < details_.headings.size(); ++c)
    width += static_cast<int>(::SendMessageW(table_, LVM_GETCOLUMNWIDTH, c, 0));
  RECT header{};
  ::GetWindowRect(reinterpret_cast<HWND>(::SendMessageW(table_, LVM_GETHEADER, 0, 0)), &header);
  RECT item{LVIR_BOUNDS, 0, 0, 0};
  ::SendMessageW(table_, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  const int rows = static_cast<int>(details_.rows.size());
  const int height = 2 * ::GetSystemMetrics(SM_CYEDGE) + (header.bottom - header.top) +
                     rows * (item.bottom - item.top) + Scaled(4);
  const int spacing = Scaled(kSpacing);
  const int clientWidth = std::max(Scaled(kWidth), width + 2 * spacing);
  const int textWidth = clientWidth - 2 * spacing;
  std::string figures;
  for (const FitFigure& figure : details_.figures) figures += figure.name + ": " + figure.value + "\n";
  const int below = TextHeight(figures, textWidth) + TextHeight(details_.note, textWidth) +
                    std::max(Scaled(23), TextHeight("X", textWidth) + Scaled(8)) + 4 * spacing;
  ScreenSize frame = FrameSize(clientWidth, std::max(Scaled(kMinimumHeight), height + spacing + below));
  // Within the screen; a shown window only grows.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (::GetMonitorInfoW(::MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor)) {
    frame.width = std::min<int>(frame.width, (monitor.rcWork.right - monitor.rcWork.left) * 9 / 10);
    frame.height = std::min<int>(frame.height, (monitor.rcWork.bottom - monitor.rcWork.top) * 9 / 10);
  }
  RECT now{};
  ::GetWindowRect(window_, &now);
  if (Shown()) {
    frame.width = std::max<int>(frame.width, now.right - now.left);
    frame.height = std::max<int>(frame.height, now.bottom - now.top);
  }
  ::SetWindowPos(window_, nullptr, 0, 0, frame.width, frame.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DetailsWindow::Present() {
  if (!window_) return;
  // Placed once, at the size of the first details it shows.
  if (placeBeside_) PlaceBeside(*std::exchange(placeBeside_, std::nullopt));
  PresentWindow();
}

void DetailsWindow::PlaceBeside(const ScreenRect& result) {
  RECT frame{};
  ::GetWindowRect(window_, &frame);
  PlaceWindowBeside(window_, owner_, result, {frame.right - frame.left, frame.bottom - frame.top},
                    FrameSize(Scaled(kMinimumWidth), Scaled(kMinimumHeight)));
}

void DetailsWindow::CopyTable() { PutOnClipboard(DetailsTsv(details_)); }

std::unique_ptr<DetailsView> CreateDetailsView(TForm& mainWindow, const ScreenRect& result) {
  auto details = std::make_unique<DetailsWindow>(mainWindow);
  details->PlaceOnPresenting(result);
  return details;
}

}  // namespace peruka
