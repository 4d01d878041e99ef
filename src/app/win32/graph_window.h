// The graph window (グラフ) on Windows: the graph of the last successful
// calculation, with options for the residuals, the exact polynomial and the
// 95% bands; an x entry that shows the polynomial there with its intervals
// as the user types, and a read-out of the canvas's cursor; saving as PNG
// or SVG through the save dialog, and copying as an image. Its controls answer
// their "&" keys with Alt, Tab moves between them, and Escape closes the
// window. It is owned by the main window and hidden, not destroyed, when
// closed.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "app/graph_view.h"
#include "app/win32/graph_canvas.h"
#include "app/win32/tool_window.h"

namespace peruka {

struct SaveFileType;

class GraphWindow final : public GraphView, public ToolWindow {
 public:
  explicit GraphWindow(TForm& owner);
  ~GraphWindow() override;

  void SetData(std::shared_ptr<const GraphData> graph) override;
  void SetExactFit(std::shared_ptr<const ExactFit> exact) override;
  bool ExactFitWanted() const override;
  void OnExactFitWanted(std::function<void()> handler) override { exactWanted_ = std::move(handler); }
  bool Shown() const override { return WindowShown(); }
  void Present() override { PresentWindow(); }
  // Puts the window next to the main window (see PlaceNextToMainWindow),
  // keeping clear of its title bar and of `result` (screen coordinates).
  void PlaceBeside(const ScreenRect& result);

  GraphCanvas& Canvas() const { return *canvas_; }
  HWND__* ResidualsOption() const { return residuals_; }
  HWND__* ExactOption() const { return exact_; }
  HWND__* MeanBandOption() const { return meanBand_; }
  HWND__* PredictionBandOption() const { return predictionBand_; }
  HWND__* XEntry() const { return xEntry_; }
  HWND__* EntryReadout() const { return entryReadout_; }
  HWND__* CursorReadout() const { return cursorReadout_; }
  HWND__* SavePngButton() const { return savePng_; }
  HWND__* SaveSvgButton() const { return saveSvg_; }
  HWND__* CopyImageButton() const { return copyImage_; }

  // The buttons' commands: the graph at the canvas's size. A file that
  // cannot be written gives the notice naming it.
  void SavePng();
  void SaveSvg();
  void CopyImage();

 private:
  bool HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                     std::intptr_t& result) override;
  void CreateControls();
  void LayOutControls(int clientWidth, int clientHeight);
  // The client size the controls need at least and would like.
  void ClientSizes(int& minimumWidth, int& minimumHeight, int& preferredWidth, int& preferredHeight) const;
  void Command(int id);
  bool Checked(HWND__* option) const;
  // Asks for the exact fit if something shown needs it and it is not there.
  void WantExactFit();
  void ShowBands();
  void ShowEntryValue();
  void ShowCursorValue();
  void Save(std::string_view caption, const SaveFileType& type, std::string_view bytes);

  std::unique_ptr<GraphCanvas> canvas_;
  HWND__* residuals_ = nullptr;
  HWND__* exact_ = nullptr;
  HWND__* meanBand_ = nullptr;
  HWND__* predictionBand_ = nullptr;
  HWND__* xName_ = nullptr;
  HWND__* xEntry_ = nullptr;
  HWND__* entryReadout_ = nullptr;
  HWND__* cursorReadout_ = nullptr;
  HWND__* tip_ = nullptr;  // the entry's read-out's, whole
  std::shared_ptr<const ExactFit> exactFit_;
  std::function<void()> exactWanted_;
  HWND__* savePng_ = nullptr;
  HWND__* saveSvg_ = nullptr;
  HWND__* copyImage_ = nullptr;
};

}  // namespace peruka
