#include <algorithm>
#include <vector>

#include "ui/combo_box.h"
#include "ui/win32/win32_combo_parts.h"
#include "ui/win32/win32_native.h"
#include "ui/win32/win32_text.h"

namespace peruka {

namespace {

bool IsOwnerDrawn(TComboBoxStyle style) { return style == csOwnerDrawFixed || style == csOwnerDrawVariable; }

DWORD ComboStyle(TComboBoxStyle style) {
  const DWORD base = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL;
  switch (style) {
    case csDropDown:
      return base | CBS_DROPDOWN | CBS_AUTOHSCROLL;
    case csSimple:
      return base | CBS_SIMPLE | CBS_AUTOHSCROLL;
    case csDropDownList:
      return base | CBS_DROPDOWNLIST;
    case csOwnerDrawFixed:
      return base | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    case csOwnerDrawVariable:
      return base | CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS;
  }
  return base | CBS_DROPDOWN;
}

NativeWidget* NewComboNative(NativeWidget* parent) {
  auto* native = new NativeWidget;
  native->parent = parent;
  native->window = CreateChildWindow(L"COMBOBOX", ComboStyle(csDropDown), 0, *native);
  return native;
}

std::wstring ItemText(HWND combo, int index) {
  const auto length = ::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR || length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied =
      ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

int Count(HWND combo) { return static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0)); }

}  // namespace

int TComboBoxStrings::Count() const { return peruka::Count(combo_->Native()->window); }

std::string TComboBoxStrings::Get(int index) const {
  if (index < 0 || index >= Count()) return std::string();
  return FromWide(ItemText(combo_->Native()->window, index));
}

void TComboBoxStrings::Put(int index, std::string_view text) {
  if (index < 0 || index >= Count()) return;
  const HWND combo = combo_->Native()->window;
  const int selected = combo_->ItemIndex();
  ::SendMessageW(combo, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
  ::SendMessageW(combo, CB_INSERTSTRING, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(ToWide(text).c_str()));
  if (selected == index) combo_->SetItemIndex(index);
}

void TComboBoxStrings::Insert(int index, std::string_view text) {
  if (index < 0 || index > Count()) return;
  ::SendMessageW(combo_->Native()->window, CB_INSERTSTRING, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(ToWide(text).c_str()));
}

void TComboBoxStrings::Clear() { ::SendMessageW(combo_->Native()->window, CB_RESETCONTENT, 0, 0); }

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner, NewComboNative(ClientNativeOf(owner))),
      items_(std::make_unique<TComboBoxStrings>(this)) {
  native_->itemHeight = itemHeight_;
}

TComboBox::~TComboBox() = default;

int TComboBox::ItemIndex() const {
  return static_cast<int>(::SendMessageW(native_->window, CB_GETCURSEL, 0, 0));
}

// CB_SETCURSEL clears the selection for -1 and for an index out of range.
void TComboBox::SetItemIndex(int index) {
  ::SendMessageW(native_->window, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TComboBox::SetStyle(TComboBoxStyle style) {
  if (style == style_) return;
  style_ = style;
  // The system's combo box takes its style only when it is made: the new
  // window gets the old one's items, selection, place, state and focus.
  const HWND old = native_->window;
  const Bounds bounds = ChildBounds(old);
  std::vector<std::wstring> items;
  for (int i = 0; i < peruka::Count(old); ++i) items.push_back(ItemText(old, i));
  const int selected = ItemIndex();
  const bool focused = Focused();
  const LONG_PTR oldStyle = ::GetWindowLongPtrW(old, GWL_STYLE);
  const DWORD newStyle = (ComboStyle(style) & ~static_cast<DWORD>(WS_VISIBLE | WS_TABSTOP)) |
                         static_cast<DWORD>(oldStyle & (WS_VISIBLE | WS_TABSTOP | WS_DISABLED));
  DetachWindow(*native_);
  const HWND fresh = CreateChildWindow(L"COMBOBOX", newStyle, 0, *native_);
  if (!fresh) return;
  native_->window = fresh;
  AttachWindow(*native_);
  for (const std::wstring& item : items)
    ::SendMessageW(fresh, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  ::SetWindowPos(fresh, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (native_->parent && native_->parent->focusOnActivate == old) native_->parent->focusOnActivate = fresh;
  if (focused) ::SetFocus(fresh);
  ::DestroyWindow(old);
  SetItemIndex(selected);
  SetItemHeight(itemHeight_);
  SetBounds(bounds.left, bounds.top, bounds.width, bounds.height);
}

void TComboBox::SetItemHeight(int height) {
  if (height <= 0) return;
  itemHeight_ = height;
  native_->itemHeight = height;
  if (IsOwnerDrawn(style_)) {
    // The selection field (-1) and the list's items.
    ::SendMessageW(native_->window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
    ::SendMessageW(native_->window, CB_SETITEMHEIGHT, 0, height);
  }
  SetBounds(Left(), Top(), Width(), Height());
}

void TComboBox::SetDropDownCount(int count) {
  dropDownCount_ = count;
  SetBounds(Left(), Top(), Width(), Height());
}

// The closed control's height, which the system sets from the selection
// field's height (the item height when owner-drawn) and its frame.
int TComboBox::FixedHeight() const {
  RECT rect{};
  ::GetWindowRect(native_->window, &rect);
  return rect.bottom - rect.top;
}

void TComboBox::SetBounds(int left, int top, int width, int) {
  // The window's height is the opened control's: the closed height and the
  // list of min(max(items, 1), DropDownCount) items under it (version 5 of
  // the common controls, and the system's own combo box).
  const int listItemHeight = static_cast<int>(::SendMessageW(native_->window, CB_GETITEMHEIGHT, 0, 0));
  const int shown = std::min(std::max(peruka::Count(native_->window), 1), std::max(dropDownCount_, 1));
  TControl::SetBounds(left, top, width, FixedHeight() + shown * std::max(listItemHeight, 1) + 2);
  // Version 6 of the common controls sizes the opened list by its count of
  // visible items instead.
  ::SendMessageW(native_->window, CB_SETMINVISIBLE, static_cast<WPARAM>(std::max(dropDownCount_, 1)), 0);
}

bool MeasureListItem(MEASUREITEMSTRUCT& item) {
  if (item.CtlType != ODT_COMBOBOX) return false;
  const NativeWidget* native = NativeOfId(item.CtlID);
  if (!native) return false;
  item.itemHeight = static_cast<UINT>(native->itemHeight);
  return true;
}

bool DrawListItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_COMBOBOX) return false;
  const NativeWidget* native = NativeOfId(item.CtlID);
  if (!native) return false;
  // As a list without a drawing handler of its own draws: the window
  // colour, or the highlight when selected; the text at (left + 2, top).
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const HDC dc = item.hDC;
  const HGDIOBJ previous = ::SelectObject(dc, FontOf(native));
  RECT rect = item.rcItem;
  const int background = selected ? COLOR_HIGHLIGHT : COLOR_WINDOW;
  ::FillRect(dc, &rect, ::GetSysColorBrush(background));
  if (static_cast<int>(item.itemID) >= 0) {
    const std::wstring text = ItemText(item.hwndItem, static_cast<int>(item.itemID));
    ::SetBkColor(dc, ::GetSysColor(background));
    ::SetTextColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    ::TextOutW(dc, rect.left + 2, rect.top, text.c_str(), static_cast<int>(text.size()));
  }
  if (item.itemState & ODS_FOCUS) ::DrawFocusRect(dc, &rect);
  ::SelectObject(dc, previous);
  return true;
}

void ListOpening(HWND combo) {
  if (auto* control = dynamic_cast<TComboBox*>(ControlOfWindow(combo)))
    control->SetBounds(control->Left(), control->Top(), control->Width(), control->Height());
}

}  // namespace peruka
