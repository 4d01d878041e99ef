// The detail window (計算の詳細): the table of the last successful
// calculation's coefficients set against the exact ones, the fit's figures
// and the warning or note under it, and copying all of it as tab-separated
// text (the button, or Ctrl+C anywhere in the window). Escape closes it. It
// is owned by the main window and hidden, not destroyed, when closed.
#pragma once

#include <QRect>
#include <optional>

#include "app/details_view.h"
#include "app/fit_details.h"
#include "app/qt/tool_window.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace peruka {

class DetailsWindow : public ToolWindow, public DetailsView {
 public:
  explicit DetailsWindow(QWidget* owner);

  void SetDetails(const FitDetails& details) override;
  bool Shown() const override { return isVisible(); }
  void Present() override;
  // Puts the window beside its owner when it is first presented (see
  // PlaceWindowBeside), keeping clear of `result` (screen coordinates).
  void PlaceOnPresenting(const QRect& result) { placeBeside_ = result; }

  QTableWidget* Table() const { return table_; }
  QLabel* Figures() const { return figures_; }
  QLabel* Note() const { return note_; }
  QPushButton* CopyButton() const { return copy_; }

  // Puts the whole as tab-separated text on the clipboard.
  void CopyTable();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTableWidget* table_ = nullptr;
  QLabel* figures_ = nullptr;
  QLabel* note_ = nullptr;
  QPushButton* copy_ = nullptr;
  FitDetails details_;
  std::optional<QRect> placeBeside_;
};

}  // namespace peruka
