// The drop-down list, with its items, over its backend's combo box (its
// members are the backend's).
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "ui/control.h"
#include "ui/strings.h"

namespace peruka {

class TComboBox;

// The items of a drop-down list: a view over the list's window.
class TComboBoxStrings final : public TStrings {
 public:
  explicit TComboBoxStrings(TComboBox* combo) : combo_(combo) {}
  int Count() const override;
  std::string Get(int index) const override;
  void Put(int index, std::string_view text) override;
  void Insert(int index, std::string_view text) override;
  void Clear() override;

 private:
  TComboBox* combo_;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboBox : public TWinControl {
 public:
  explicit TComboBox(TComponent* owner);
  ~TComboBox() override;

  TComboBoxStrings* Items() const { return items_.get(); }
  // The selected item, -1 when none; an index out of range clears the
  // selection.
  int ItemIndex() const;
  void SetItemIndex(int index);
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style);
  int ItemHeight() const { return itemHeight_; }
  // Only values above 0 are taken.
  void SetItemHeight(int height);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int count);

  // The control's height follows from the item height and cannot be set.
  void SetBounds(int left, int top, int width, int height) override;
  int FixedHeight() const;

 private:
  std::unique_ptr<TComboBoxStrings> items_;
  TComboBoxStyle style_ = csDropDown;
  int itemHeight_ = 16;
  int dropDownCount_ = 8;
};

}  // namespace peruka
