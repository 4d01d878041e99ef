// The graph window (グラフ): the graph of the last successful calculation,
// with options for the residuals, the exact polynomial and the 95% bands;
// an x entry that shows the polynomial there with its intervals as the
// user types, and a read-out of the cursor; saving as PNG or SVG through
// the save dialog, and copying as an image. Escape closes it. It is owned
// by the main window and hidden, not destroyed, when closed.
#pragma once

#include <functional>
#include <memory>

#include "app/graph_view.h"
#include "app/qt/tool_window.h"
#include "plot/graph_data.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace peruka {

class GraphCanvas;
struct SaveFileType;

class GraphWindow : public ToolWindow, public GraphView {
 public:
  explicit GraphWindow(QWidget* owner);

  void SetData(std::shared_ptr<const GraphData> graph) override;
  void SetExactFit(std::shared_ptr<const ExactFit> exact) override;
  bool ExactFitWanted() const override;
  void OnExactFitWanted(std::function<void()> handler) override { exactWanted_ = std::move(handler); }
  bool Shown() const override { return isVisible(); }
  void Present() override { PresentWindow(); }
  // Puts the window next to another one on the same screen (see
  // PlaceNextToMainWindow), keeping clear of its title bar and of `result`
  // (in screen coordinates).
  void PlaceBeside(const QWidget* window, const QRect& result);

  GraphCanvas* Canvas() const { return canvas_; }
  QCheckBox* ResidualsOption() const { return residuals_; }
  QCheckBox* ExactOption() const { return exact_; }
  QCheckBox* MeanBandOption() const { return meanBand_; }
  QCheckBox* PredictionBandOption() const { return predictionBand_; }
  QLineEdit* XEntry() const { return xEntry_; }
  QLabel* EntryReadout() const { return entryReadout_; }
  QLabel* CursorReadout() const { return cursorReadout_; }
  QPushButton* SavePngButton() const { return savePng_; }
  QPushButton* SaveSvgButton() const { return saveSvg_; }
  QPushButton* CopyImageButton() const { return copyImage_; }

  // The buttons' commands: the graph at the canvas's size. A file name
  // chosen without a suffix gets ".png" or ".svg"; a file that cannot be
  // written gives the notice naming it.
  void SavePng();
  void SaveSvg();
  void CopyImage();

 private:
  void Save(std::string_view caption, const SaveFileType& type, const QByteArray& bytes);
  // Asks for the exact fit if something shown needs it and it is not there.
  void WantExactFit();
  void ShowBands();
  void ShowEntryValue();
  void ShowCursorValue();

  GraphCanvas* canvas_ = nullptr;
  QCheckBox* residuals_ = nullptr;
  QCheckBox* exact_ = nullptr;
  QCheckBox* meanBand_ = nullptr;
  QCheckBox* predictionBand_ = nullptr;
  QLineEdit* xEntry_ = nullptr;
  QLabel* entryReadout_ = nullptr;
  QLabel* cursorReadout_ = nullptr;
  std::shared_ptr<const ExactFit> exactFit_;
  std::function<void()> exactWanted_;
  QPushButton* savePng_ = nullptr;
  QPushButton* saveSvg_ = nullptr;
  QPushButton* copyImage_ = nullptr;
};

}  // namespace peruka
