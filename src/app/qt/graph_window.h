// The graph window (グラフ): the graph of the last successful calculation,
// with options for the residuals and for the exact polynomial, saving as PNG or SVG through the save
// dialog, and copying as an image. Escape closes it. It is owned by the
// main window and hidden, not destroyed, when closed.
#pragma once

#include <functional>
#include <memory>

#include "app/graph_view.h"
#include "app/qt/tool_window.h"
#include "plot/graph_data.h"

class QCheckBox;
class QPushButton;

namespace peruka {

class GraphCanvas;
struct SaveFileType;

class GraphWindow : public ToolWindow, public GraphView {
 public:
  explicit GraphWindow(QWidget* owner);

  void SetData(std::shared_ptr<const GraphData> graph) override;
  void SetExactCurve(std::shared_ptr<const FitResult> exact) override;
  bool ExactCurveShown() const override;
  void OnExactCurveWanted(std::function<void()> handler) override { exactWanted_ = std::move(handler); }
  bool Shown() const override { return isVisible(); }
  void Present() override { PresentWindow(); }
  // Puts the window next to another one on the same screen (see
  // PlaceNextToMainWindow), keeping clear of its title bar and of `result`
  // (in screen coordinates).
  void PlaceBeside(const QWidget* window, const QRect& result);

  GraphCanvas* Canvas() const { return canvas_; }
  QCheckBox* ResidualsOption() const { return residuals_; }
  QCheckBox* ExactOption() const { return exact_; }
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

  GraphCanvas* canvas_ = nullptr;
  QCheckBox* residuals_ = nullptr;
  QCheckBox* exact_ = nullptr;
  std::function<void()> exactWanted_;
  QPushButton* savePng_ = nullptr;
  QPushButton* saveSvg_ = nullptr;
  QPushButton* copyImage_ = nullptr;
};

}  // namespace peruka
