#include "app/qt/details_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "app/window_texts.h"
#include "ui/clipboard.h"
#include "ui/event_guard.h"
#include "ui/form.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_widget.h"

namespace peruka {

namespace {

// A table that would like room for all its columns and rows.
class FittingTable final : public QTableWidget {
 public:
  explicit FittingTable(QWidget* parent) : QTableWidget(parent) {}
  QSize sizeHint() const override {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < columnCount(); ++c) width += columnWidth(c);
    int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height();
    for (int r = 0; r < rowCount(); ++r) height += rowHeight(r);
    return {width, height};
  }
};

}  // namespace

DetailsWindow::DetailsWindow(QWidget* owner)
    : ToolWindow(owner, WindowText::DetailsTitle, QStringLiteral("DetailsWindow")) {
  table_ = new FittingTable(this);
  table_->setAccessibleName(windowTitle());
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->verticalHeader()->hide();
  table_->setWordWrap(false);
  figures_ = new QLabel(this);
  figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  note_ = new QLabel(this);
  note_->setWordWrap(true);
  note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  copy_ = NewButton(WindowText::CopyTableCommand);

  // Ctrl+C copies the whole from either control, not the table's current cell.
  table_->installEventFilter(this);
  copy_->installEventFilter(this);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(copy_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(table_, 1);
  layout->addWidget(figures_);
  layout->addWidget(note_);
  layout->addLayout(buttons);

  connect(copy_, &QPushButton::clicked, this, [this] { DispatchEvent([this] { CopyTable(); }); });
  resize(QSize(760, 420));
}

void DetailsWindow::SetDetails(const FitDetails& details) {
  details_ = details;
  table_->clear();
  table_->setColumnCount(static_cast<int>(details.headings.size()));
  table_->setRowCount(static_cast<int>(details.rows.size()));
  QStringList headings;
  for (const std::string& heading : details.headings) headings << ToQString(heading);
  table_->setHorizontalHeaderLabels(headings);
  for (std::size_t r = 0; r < details.rows.size(); ++r) {
    const std::vector<std::string>& row = details.rows[r];
    for (std::size_t c = 0; c < row.size(); ++c) {
      auto* item = new QTableWidgetItem(ToQString(row[c]));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  }
  table_->resizeColumnsToContents();
  table_->setCurrentItem(nullptr);
  QString figures;
  for (const FitFigure& figure : details.figures) {
    if (!figures.isEmpty()) figures += u'\n';
    figures += ToQString(figure.name) + QStringLiteral(": ") + ToQString(figure.value);
  }
  figures_->setText(figures);
  figures_->setVisible(!figures.isEmpty());
  note_->setText(ToQString(details.note));
  note_->setVisible(!details.note.empty());
  note_->setStyleSheet(details.warning ? QStringLiteral("color: #b00020;") : QString());
  // Room for the whole table, within the screen; a shown window only grows.
  layout()->activate();
  QSize wanted = sizeHint();
  if (isVisible()) wanted = wanted.expandedTo(size());
  if (const QScreen* shownOn = screen())
    wanted = wanted.boundedTo(shownOn->availableGeometry().size() * 9 / 10);
  resize(wanted);
}

void DetailsWindow::Present() {
  // Placed once, at the size of the first details it shows.
  if (placeBeside_) PlaceWindowBeside(*this, parentWidget(), *std::exchange(placeBeside_, std::nullopt));
  PresentWindow();
}

void DetailsWindow::CopyTable() { PutOnClipboard(DetailsTsv(details_)); }

bool DetailsWindow::eventFilter(QObject* watched, QEvent* event) {
  const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
  if (!key || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
    return QWidget::eventFilter(watched, event);
  // The override claims the keys for the control, whose press then copies.
  event->accept();
  if (event->type() == QEvent::KeyPress) DispatchEvent([this] { CopyTable(); });
  return true;
}

std::unique_ptr<DetailsView> CreateDetailsView(TForm& mainWindow, const ScreenRect& result) {
  QWidget* main = QtWidget(&mainWindow);
  auto details = std::make_unique<DetailsWindow>(main);
  details->PlaceOnPresenting(QRect(result.left, result.top, result.width, result.height));
  return details;
}

}  // namespace peruka
