// The main window: the entry box, the two columns, the degree list, the two
// buttons and the result label, with the handlers that use them.
#pragma once

#include <memory>
#include <vector>

#include "app/details_view.h"
#include "app/graph_view.h"
#include "fit/column.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/memo.h"

namespace peruka {

struct DroppedFile;
struct FitResult;
class ExactFit;

class TMainForm : public TForm {
 public:
  explicit TMainForm(TComponent* owner);
  ~TMainForm() override;

  TMemo* Data = nullptr;
  TComboBox* Jisuu = nullptr;
  TLabel* Label1 = nullptr;
  TMemo* YData = nullptr;
  TMemo* XData = nullptr;
  TButton* ClearBtn = nullptr;
  TButton* CalcBtn = nullptr;
  TLabel* XLabel = nullptr;
  TLabel* YLabel = nullptr;
  TLabel* Answer = nullptr;

  // True when the next accepted entry goes to the x column.
  bool NextIsX = true;

  // Lays the window out and empties the boxes, before the window is shown.
  void FormCreate(TObject* Sender);
  // Empties the three boxes; the next entry is an x value again.
  void ClearBtnClick(TObject* Sender);
  // Enter in the entry box: its first line goes to the x or the y column.
  void DataKeyUp(TObject* Sender, Word& Key, TShiftState Shift);
  // Checks the columns, fits the polynomial and shows it.
  void CalcBtnClick(TObject* Sender);
  // The column boxes' paste command: appends the clipboard's (x, y) pairs,
  // one a line, to the two columns, or shows a notice naming the first line
  // that is not a pair and pastes nothing. A table's header is skipped,
  // which a notice says after the paste; of more than two columns, a dialog
  // asks which two to take (ReadPastedTable).
  void PastePairs(TObject* Sender);
  // A text file dropped on the window: its (x, y) pairs are appended as the
  // paste command appends them. False when it was refused or the choice of
  // columns cancelled (the remaining files are then skipped).
  bool DropFile(const DroppedFile& file);
  // The column boxes' save command: writes both columns, x<TAB>y a line, as
  // UTF-8 to a file the user chooses, or shows a notice when it fails.
  void SaveData(TObject* Sender);
  // The result label's graph command: opens the graph window on the last
  // successful calculation (nothing before the first one).
  void ShowGraph(TObject* Sender);
  // The result label's details command: opens the detail window on the last
  // successful calculation (nothing before the first one).
  void ShowDetails(TObject* Sender);

  // The graph command's menu item, enabled from the first successful
  // calculation on; the graph window, once opened.
  TMenuCommand* GraphCommand() const { return graphCommand_; }
  GraphView* Graph() const { return graph_.get(); }
  // The same for the details command and the detail window.
  TMenuCommand* DetailsCommand() const { return detailsCommand_; }
  // The result label's commands that copy the equation of the last
  // successful calculation in another notation, one per EquationForm in
  // its order; enabled from the first successful calculation on.
  const std::vector<TMenuCommand*>& EquationCommands() const { return equationCommands_; }
  DetailsView* Details() const { return details_.get(); }

 private:
  struct LastFit;

  // Writes the result into the label and fits the window's height to it.
  void ShowResult(const FitResult& fit);
  // Keeps a successful calculation for the graph and the detail window, and
  // shows it in either at once while it is open.
  void KeepForGraph(const FitResult& fit, Column x, Column y);
  // The graph of the kept calculation, built when first needed, with its
  // exact fit while the graph window asks for it.
  void UpdateGraph();
  void UpdateExactFit();
  // The details of the kept calculation, likewise.
  void UpdateDetails();
  // The exact fit of the kept calculation, solved when first needed: it
  // takes a while for many points.
  const std::shared_ptr<const ExactFit>& ExactOfLastFit();
  // The result's band in screen coordinates, which the windows placed
  // beside this one keep clear of.
  ScreenRect ResultBand() const;
  // Appends the pairs of a Shift-JIS text to the columns, or shows the
  // notice naming its first line that is not a pair; false then, and when
  // the choice of columns was cancelled.
  bool AppendPairs(std::string_view text);

  TMenuCommand* graphCommand_ = nullptr;  // the result label's
  std::unique_ptr<GraphView> graph_;
  std::unique_ptr<LastFit> lastFit_;
  bool graphCurrent_ = false;               // the graph window shows the kept calculation
  TMenuCommand* detailsCommand_ = nullptr;  // the result label's
  std::vector<TMenuCommand*> equationCommands_;
  std::unique_ptr<DetailsView> details_;
  bool detailsCurrent_ = false;  // the detail window shows the kept calculation
};

// The main window, set by the application object before the window's
// constructor runs.
extern TMainForm* MainForm;

// The window definition of the main window, at 120 pixels per inch.
const FormDefinition& MainFormDefinition();

// The keys that copy the result, in any control of the window.
inline constexpr std::string_view kCopyResultKeys = "Ctrl+Shift+C";
// The keys that open the graph window, in any control of the window.
inline constexpr std::string_view kShowGraphKeys = "Ctrl+G";
// The keys that open the detail window, in any control of the window.
inline constexpr std::string_view kShowDetailsKeys = "Ctrl+D";
// The keys of the column boxes' commands, in either column box.
inline constexpr std::string_view kPastePairsKeys = "Ctrl+Shift+V";
inline constexpr std::string_view kSaveDataKeys = "Ctrl+S";

// The application title, "ペルカ".
extern const std::string_view kApplicationTitle;

}  // namespace peruka
