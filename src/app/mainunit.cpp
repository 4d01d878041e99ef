#include "app/mainunit.h"

#include "fit/column_check.h"
#include "fit/fit_polynomial.h"
#include "fit/line_list.h"
#include "fit/result_text.h"
#include "text/numeric_text.h"
#include "ui/message_form.h"

namespace peruka {

TMainForm* MainForm = nullptr;

namespace {

// A column box as the check and the fitting see it: its lines, read whole.
class MemoColumn final : public LineList {
 public:
  explicit MemoColumn(TMemoStrings& lines) : lines_(lines) {}
  std::size_t Count() const override { return static_cast<std::size_t>(lines_.Count()); }
  std::string Line(std::size_t i) const override { return lines_.Get(static_cast<int>(i)); }
  void Replace(std::size_t i, std::string_view text) override { lines_.Put(static_cast<int>(i), text); }

 private:
  TMemoStrings& lines_;
};

}  // namespace

TMainForm::TMainForm(TComponent* owner) : TForm(owner) {
  // The controls, in the order of the definition.
  Label1 = new TLabel(this);
  Label1->SetName("Label1");
  XLabel = new TLabel(this);
  XLabel->SetName("XLabel");
  YLabel = new TLabel(this);
  YLabel->SetName("YLabel");
  Answer = new TLabel(this);
  Answer->SetName("Answer");
  Data = new TMemo(this);
  Data->SetName("Data");
  Jisuu = new TComboBox(this);
  Jisuu->SetName("Jisuu");
  YData = new TMemo(this);
  YData->SetName("YData");
  XData = new TMemo(this);
  XData->SetName("XData");
  ClearBtn = new TButton(this);
  ClearBtn->SetName("ClearBtn");
  CalcBtn = new TButton(this);
  CalcBtn->SetName("CalcBtn");

  RegisterHandler("FormCreate", TNotifyEvent([this](TObject* sender) { FormCreate(sender); }));
  RegisterHandler("ClearBtnClick", TNotifyEvent([this](TObject* sender) { ClearBtnClick(sender); }));
  RegisterHandler("CalcBtnClick", TNotifyEvent([this](TObject* sender) { CalcBtnClick(sender); }));
  RegisterHandler("DataKeyUp", TKeyEvent([this](TObject* sender, Word& key, TShiftState shift) {
                    DataKeyUp(sender, key, shift);
                  }));
  ReadDefinition(MainFormDefinition());
}

void TMainForm::FormCreate(TObject*) {
  NextIsX = true;
  Label1->SetCaption(XLabel->Caption());
  Data->Lines()->Clear();
  XLabel->SetLeft(8);
  const int half = MainForm->ClientWidth() / 2;
  YLabel->SetLeft(half + XLabel->Left());
  YLabel->SetTop(XLabel->Top());

  XData->SetTop(XLabel->Top() + 18);
  XData->SetLeft(0);
  XData->SetWidth(half);
  XData->SetWordWrap(false);
  XData->SetScrollBars(ssBoth);
  XData->Lines()->Clear();
  XData->SetImeMode(imDisable);

  YData->SetTop(XData->Top());
  YData->SetHeight(XData->Height());
  YData->SetLeft(half);
  YData->SetWidth(half);
  YData->SetWordWrap(false);
  YData->SetScrollBars(ssBoth);
  YData->Lines()->Clear();
  YData->SetImeMode(imDisable);

  Jisuu->SetItemIndex(0);

  CalcBtn->SetWidth(ClearBtn->Width());
  CalcBtn->SetTop(XData->Top() + XData->Height() + 8);
  CalcBtn->SetLeft(XData->Left() + (XData->Width() - CalcBtn->Width()) / 2);
  ClearBtn->SetTop(CalcBtn->Top());
  ClearBtn->SetLeft(YData->Left() + (YData->Width() - ClearBtn->Width()) / 2);
  Answer->SetTop(CalcBtn->Top() + CalcBtn->Height() + 8);
  Answer->SetLeft(CalcBtn->Left() - 4);
  MainForm->SetClientHeight(CalcBtn->Top() + CalcBtn->Height() + 8);
}

void TMainForm::ClearBtnClick(TObject*) {
  XData->Lines()->Clear();
  YData->Lines()->Clear();
  Data->Lines()->Clear();
  NextIsX = true;
  Label1->SetCaption(XLabel->Caption());
}

void TMainForm::DataKeyUp(TObject*, Word& Key, TShiftState) {
  if (Key != VK_RETURN) return;
  const std::string entry = Data->Lines()->Get(0);
  if (!entry.empty() && IsNumericText(entry)) {
    if (NextIsX) {
      XData->Lines()->Add(Data->Lines()->Get(0));
      NextIsX = false;
      Label1->SetCaption(YLabel->Caption());
    } else {
      YData->Lines()->Add(Data->Lines()->Get(0));
      NextIsX = true;
      Label1->SetCaption(XLabel->Caption());
    }
  }
  Data->Lines()->Clear();
}

void TMainForm::CalcBtnClick(TObject*) {
  MemoColumn x(*XData->Lines());
  MemoColumn y(*YData->Lines());
  // The count as checked: trimming may empty a last line of blanks, which
  // then no longer counts in the box, but it is still a point to refuse.
  const std::size_t points = x.Count();
  const ColumnCheck check = CheckColumns(x, y);
  if (check != ColumnCheck::Ok) {
    ShowNotice(NoticeText(check));
    return;
  }
  const FitResult fit = FitPolynomial(Jisuu->ItemIndex(), x, y, points);
  Answer->SetCaption(kResultLead);
  // An overflow on the elimination's very last store surfaces only here,
  // when the first coefficient is taken: the label then reads "y = ".
  fit.DeliverPendingFault();
  Answer->SetCaption(ResultText(fit));
  MainForm->SetClientHeight(Answer->Top() + Answer->Height());
}

}  // namespace peruka
