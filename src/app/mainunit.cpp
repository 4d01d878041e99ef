#include "app/mainunit.h"

#include <memory>
#include <optional>
#include <utility>

#include "app/column_choice_form.h"
#include "app/fit_details.h"
#include "app/pasted_table.h"
#include "app/window_texts.h"
#include "fit/column.h"
#include "fit/column_check.h"
#include "fit/equation_text.h"
#include "fit/exact_fit.h"
#include "fit/fit_polynomial.h"
#include "fit/result_text.h"
#include "numeric/locale_mark.h"
#include "plot/graph_data.h"
#include "text/accelerator.h"
#include "text/numeric_text.h"
#include "text/pair_grammar.h"
#include "text/shift_jis.h"
#include "ui/clipboard.h"
#include "ui/file_drop.h"
#include "ui/message_form.h"
#include "ui/save_file.h"

namespace peruka {

TMainForm* MainForm = nullptr;

namespace {

// A column box's lines, each read and converted once.
Column Snapshot(const TMemo& box) { return Column::FromLines(box.Lines()->GetAll()); }

// Puts the lines the check trimmed back into their box, in one batch.
void WriteBackTrimmed(TMemo& box, const Column& column) {
  for (const std::size_t i : column.TrimmedLines()) box.Lines()->Put(static_cast<int>(i), column[i]);
}

}  // namespace

// The points and the fit of the last successful calculation, and their
// exact fit once it was needed.
struct TMainForm::LastFit {
  FitResult fit;
  Column x;
  Column y;
  std::shared_ptr<const ExactFit> exact;
};

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

  // The result can be copied from the label's context menu or with
  // Ctrl+Shift+C anywhere in the window; a result wider than the window is
  // shown whole in the label's tool tip.
  Answer->AddCopyCommand(TextOf(WindowText::CopyCommand), kCopyResultKeys);
  Answer->SetHintWhenCut(true);
  // The graph of the last successful calculation, from the same menu or with
  // Ctrl+G anywhere in the window.
  graphCommand_ = Answer->AddContextCommand(TextOf(WindowText::ShowGraphCommand), kShowGraphKeys,
                                            [this](TObject* sender) { ShowGraph(sender); });
  graphCommand_->SetEnabled(false);
  // The details of the same calculation, set against its exact fit, from the
  // same menu or with Ctrl+D anywhere in the window.
  detailsCommand_ = Answer->AddContextCommand(TextOf(WindowText::ShowDetailsCommand), kShowDetailsKeys,
                                              [this](TObject* sender) { ShowDetails(sender); });
  detailsCommand_->SetEnabled(false);
  // Its equation for a report, a spreadsheet or a program, from the same menu.
  const std::pair<WindowText, EquationForm> equationCommands[] = {
      {WindowText::CopyPlainEquationCommand, EquationForm::Plain},
      {WindowText::CopyLatexEquationCommand, EquationForm::Latex},
      {WindowText::CopySpreadsheetEquationCommand, EquationForm::Spreadsheet},
      {WindowText::CopyCEquationCommand, EquationForm::C},
      {WindowText::CopyPythonEquationCommand, EquationForm::Python},
  };
  for (const auto& [caption, form] : equationCommands) {
    TMenuCommand* command = Answer->AddContextCommand(TextOf(caption), {}, [this, form = form](TObject*) {
      if (!lastFit_) return;
      // Without the last line feed, so that a formula pastes into one cell.
      std::string equation = EquationText(lastFit_->fit, form);
      equation.pop_back();
      PutOnClipboard(Utf8ToShiftJis(equation));
    });
    command->SetEnabled(false);
    equationCommands_.push_back(command);
  }
  // Either column box pastes (x, y) pairs into both columns and saves both.
  for (TMemo* column : {XData, YData}) {
    column->AddContextCommand(
        TextOf(WindowText::PastePairsCommand), [this](TObject* sender) { PastePairs(sender); },
        kPastePairsKeys);
    column->AddContextCommand(
        TextOf(WindowText::SaveDataCommand), [this](TObject* sender) { SaveData(sender); }, kSaveDataKeys);
  }
  // A text file dropped on the window brings in its pairs the same way.
  AcceptFileDrops(*this, [this](const DroppedFile& file) { return DropFile(file); });
}

TMainForm::~TMainForm() = default;

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
  // The check and the fit work on one snapshot of the boxes: a last line of
  // blanks that the trimming empties stops counting in its box, but it is
  // still a point of the snapshot, refused as an empty text.
  Column x = Snapshot(*XData);
  Column y = Snapshot(*YData);
  const ColumnCheck check = CheckColumns(x, y);
  WriteBackTrimmed(*XData, x);
  WriteBackTrimmed(*YData, y);
  if (check != ColumnCheck::Ok) {
    ShowNotice(NoticeText(check));
    return;
  }
  const FitResult fit = FitPolynomial(Jisuu->ItemIndex(), x, y);
  ShowResult(fit);
  KeepForGraph(fit, std::move(x), std::move(y));
}

void TMainForm::PastePairs(TObject*) { AppendPairs(ClipboardText()); }

bool TMainForm::DropFile(const DroppedFile& file) {
  if (!file.read) {
    ShowNotice(file.name + std::string(TextOf(WindowText::FileNotReadNotice)));
    return false;
  }
  return AppendPairs(file.text);
}

void TMainForm::SaveData(TObject*) {
  const std::string table = PairTable(XData->Lines()->GetAll(), YData->Lines()->GetAll());
  std::string name;
  static constexpr SaveFileType kDataFile{TextOf(WindowText::DataFileType), "tsv", "peruka-data.tsv"};
  const std::string caption = CommandName<char>(TextOf(WindowText::SaveDataCommand));
  if (SaveToChosenFile(*this, caption, kDataFile, ShiftJisToUtf8(table), name) == SaveOutcome::kFailed)
    ShowNotice(name + std::string(TextOf(WindowText::FileNotWrittenNotice)));
}

bool TMainForm::AppendPairs(std::string_view text) {
  const PastedTable pairs = ReadPastedTable(text, LocaleDecimalMark(), ChooseColumns);
  if (pairs.badLine != 0) {
    ShowNotice(std::to_string(pairs.badLine) + std::string(TextOf(WindowText::NotAPairNotice)));
    return false;
  }
  if (pairs.cancelled) return false;
  for (const std::string& x : pairs.x) XData->Lines()->Add(x);
  for (const std::string& y : pairs.y) YData->Lines()->Add(y);
  if (pairs.headerLine != 0) ShowNotice(HeaderSkippedNote(pairs.headerLine));
  return true;
}

void TMainForm::KeepForGraph(const FitResult& fit, Column x, Column y) {
  lastFit_ = std::make_unique<LastFit>(LastFit{fit, std::move(x), std::move(y), nullptr});
  graphCurrent_ = false;
  detailsCurrent_ = false;
  graphCommand_->SetEnabled(true);
  detailsCommand_->SetEnabled(true);
  for (TMenuCommand* command : equationCommands_) command->SetEnabled(true);
  if (graph_ && graph_->Shown()) UpdateGraph();
  if (details_ && details_->Shown()) UpdateDetails();
}

const std::shared_ptr<const ExactFit>& TMainForm::ExactOfLastFit() {
  if (!lastFit_->exact)
    lastFit_->exact =
        std::make_shared<const ExactFit>(FitExactly(lastFit_->fit.degree, lastFit_->x, lastFit_->y));
  return lastFit_->exact;
}

void TMainForm::UpdateGraph() {
  if (!lastFit_ || !graph_ || graphCurrent_) return;
  graph_->SetData(std::make_shared<const GraphData>(MakeGraphData(lastFit_->fit, lastFit_->x, lastFit_->y)));
  graphCurrent_ = true;
  UpdateExactFit();
}

void TMainForm::UpdateExactFit() {
  if (!lastFit_ || !graph_ || !graphCurrent_ || !graph_->ExactFitWanted()) return;
  graph_->SetExactFit(ExactOfLastFit());
}

// From the label's top to the window's bottom, both edges in.
ScreenRect TMainForm::ResultBand() const {
  const ScreenPosition top = ClientToScreen(0, Answer->Top());
  const ScreenPosition bottom = ClientToScreen(ClientWidth(), ClientHeight());
  return {top.left, top.top, bottom.left - top.left + 1, bottom.top - top.top + 1};
}

void TMainForm::ShowGraph(TObject*) {
  if (!lastFit_) return;
  if (!graph_) {
    graph_ = CreateGraphView(*this, ResultBand());
    graph_->OnExactFitWanted([this] { UpdateExactFit(); });
  }
  UpdateGraph();
  graph_->Present();
}

void TMainForm::UpdateDetails() {
  if (!lastFit_ || !details_ || detailsCurrent_) return;
  details_->SetDetails(DescribeFit(lastFit_->fit, *ExactOfLastFit(), LocaleDecimalMark()));
  detailsCurrent_ = true;
}

void TMainForm::ShowDetails(TObject*) {
  if (!lastFit_) return;
  if (!details_) details_ = CreateDetailsView(*this, ResultBand());
  UpdateDetails();
  details_->Present();
}

void TMainForm::ShowResult(const FitResult& fit) {
  Answer->SetCaption(kResultLead);
  // An overflow on the elimination's very last store surfaces only here,
  // when the first coefficient is taken: the label then reads "y = ".
  fit.DeliverPendingFault();
  Answer->SetCaption(ResultText(fit));
  MainForm->SetClientHeight(Answer->Top() + Answer->Height());
}

}  // namespace peruka
