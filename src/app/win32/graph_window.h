// The graph window (グラフ) on Windows: the graph of the last successful
// calculation, with options for the residuals and the exact polynomial, saving as PNG or SVG
// through the save dialog, and copying as an image. Its controls answer
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
  void SetExactCurve(std::shared_ptr<const FitResult> exact) override;
  bool ExactCurveShown() const override;
  void OnExactCurveWanted(std::function<void()> handler) override { exactWanted_ = std::move(handler); }
  bool Shown() const override { return WindowShown(); }
  void Present() override { PresentWindow(); }
  // Puts the window next to the main window (see PlaceNextToMainWindow),
  // keeping clear of its title bar and of `result` (screen coordinates).
  void PlaceBeside(const ScreenRect& result);

  GraphCanvas& Canvas() const { return *canvas_; }
  HWND__* ResidualsOption() const { return residuals_; }
  HWND__* ExactOption() const { return exact_; }
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
  void Save(std::string_view caption, const SaveFileType& type, std::string_view bytes);

  std::unique_ptr<GraphCanvas> canvas_;
  HWND__* residuals_ = nullptr;
  HWND__* exact_ = nullptr;
  std::function<void()> exactWanted_;
  HWND__* savePng_ = nullptr;
  HWND__* saveSvg_ = nullptr;
  HWND__* copyImage_ = nullptr;
};

}  // namespace peruka
