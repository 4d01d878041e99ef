// The small dialog that asks which two columns of a pasted or dropped table
// are x and y: the table's column names in two drop-down lists, OK and
// キャンセル. Written over the window layer, the same for every backend.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/pasted_table.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/label.h"

namespace peruka {

// OK takes the two columns unless they are the same one: then the message
// asks for two columns and the dialog stays. Escape and the close box
// cancel.
class TColumnChoiceForm : public TForm {
 public:
  // `names` are Shift-JIS, at least two; x starts at the first column and y
  // at the second.
  TColumnChoiceForm(TComponent* owner, const std::vector<std::string>& names);

  TLabel* Message = nullptr;
  TLabel* XName = nullptr;
  TComboBox* XColumn = nullptr;
  TLabel* YName = nullptr;
  TComboBox* YColumn = nullptr;
  TButton* OK = nullptr;
  TButton* Cancel = nullptr;

  ColumnPair Chosen() const;

 private:
  void OkClick(TObject* sender);
};

// Shows the dialog modally; nullopt when it was cancelled.
std::optional<ColumnPair> ChooseColumns(const std::vector<std::string>& names);

}  // namespace peruka
