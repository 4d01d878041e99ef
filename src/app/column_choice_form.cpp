#include "app/column_choice_form.h"

#include <algorithm>
#include <memory>

#include "text/shift_jis.h"
#include "ui/application.h"

namespace peruka {

namespace {

std::string AskText(std::size_t columns) {
  std::string text = Utf8ToShiftJis("表に ");
  return text.append(std::to_string(columns))
      .append(Utf8ToShiftJis(" 列あります。x と y にする列を選んでください。"));
}

}  // namespace

TColumnChoiceForm::TColumnChoiceForm(TComponent* owner, const std::vector<std::string>& names)
    : TForm(owner) {
  SetBorderStyle(bsDialog);
  SetCaption(Utf8ToShiftJis("列の選択"));
  Message = new TLabel(this);
  XName = new TLabel(this);
  XColumn = new TComboBox(this);
  YName = new TLabel(this);
  YColumn = new TComboBox(this);
  OK = new TButton(this);
  Cancel = new TButton(this);

  // The unit of the layout, as in the notice box: the average character.
  const TextSize unit = AverageCharSize();
  const int margin = MulDiv(8, unit.width, 4);
  const int spacing = MulDiv(6, unit.height, 8);
  const int buttonWidth = MulDiv(50, unit.width, 4);
  const int buttonHeight = MulDiv(14, unit.height, 8);
  const int listWidth = MulDiv(100, unit.width, 4);

  TextFormat format;
  const std::string ask = AskText(names.size());
  const std::string xName = Utf8ToShiftJis("x の列(&X):");
  const std::string yName = Utf8ToShiftJis("y の列(&Y):");
  format.prefix = true;
  const TextSize askSize = MeasureText(ask, format, 0);
  const int nameWidth = std::max(MeasureText(xName, format, 0).width, MeasureText(yName, format, 0).width);
  const int width = std::max({askSize.width, nameWidth + spacing + listWidth, 2 * buttonWidth + spacing});

  Message->SetCaption(ask);
  Message->SetBounds(margin, margin, width, askSize.height);
  int top = margin + askSize.height + spacing;
  const auto placeList = [&](TLabel* label, TComboBox* list, const std::string& caption, int index,
                             int order) {
    label->SetCaption(caption);
    label->SetFocusControl(list);
    list->SetStyle(csDropDownList);
    for (const std::string& name : names) list->Items()->Add(name);
    list->SetItemIndex(index);
    list->SetBounds(margin + nameWidth + spacing, top, listWidth, 0);
    label->SetBounds(margin, top + (list->FixedHeight() - askSize.height) / 2, nameWidth, askSize.height);
    list->SetTabOrder(order);
    top += list->FixedHeight() + spacing;
  };
  placeList(XName, XColumn, xName, 0, 0);
  placeList(YName, YColumn, yName, 1, 1);

  top += spacing;
  OK->SetCaption("OK");
  OK->SetDefault(true);
  OK->OnClick = [this](TObject* sender) { OkClick(sender); };
  OK->SetBounds(margin + width - 2 * buttonWidth - spacing, top, buttonWidth, buttonHeight);
  OK->SetTabOrder(2);
  Cancel->SetCaption(Utf8ToShiftJis("キャンセル"));
  Cancel->SetModalResult(mrCancel);
  Cancel->SetCancel(true);
  Cancel->SetBounds(margin + width - buttonWidth, top, buttonWidth, buttonHeight);
  Cancel->SetTabOrder(3);

  SetClientWidth(width + 2 * margin);
  SetClientHeight(top + buttonHeight + margin);
  CenterOnScreen(TCentring::kNotice);
}

ColumnPair TColumnChoiceForm::Chosen() const {
  return {static_cast<std::size_t>(XColumn->ItemIndex()), static_cast<std::size_t>(YColumn->ItemIndex())};
}

void TColumnChoiceForm::OkClick(TObject*) {
  if (XColumn->ItemIndex() < 0 || XColumn->ItemIndex() == YColumn->ItemIndex()) {
    Message->SetCaption(Utf8ToShiftJis("x と y には別々の列を選んでください。"));
    return;
  }
  SetModalResult(mrOk);
}

std::optional<ColumnPair> ChooseColumns(const std::vector<std::string>& names) {
  std::unique_ptr<TColumnChoiceForm> form(new TColumnChoiceForm(Application, names));
  if (form->ShowModal() != mrOk) return std::nullopt;
  return form->Chosen();
}

}  // namespace peruka
