#include "app/qt/graph_window.h"

#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <utility>

#include "app/graph_readout.h"
#include "app/qt/graph_canvas.h"
#include "app/window_texts.h"
#include "fit/fitted_value.h"
#include "numeric/locale_mark.h"
#include "text/accelerator.h"
#include "ui/event_guard.h"
#include "ui/form.h"
#include "ui/message_form.h"
#include "ui/qt/qt_save_file.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_widget.h"

namespace peruka {

GraphWindow::GraphWindow(QWidget* owner)
    : ToolWindow(owner, WindowText::GraphTitle, QStringLiteral("GraphWindow")) {
  canvas_ = new GraphCanvas(this);
  canvas_->setAccessibleName(windowTitle());
  residuals_ = new QCheckBox(ToQString(TextOf(WindowText::ShowResidualsOption)), this);
  residuals_->setAccessibleName(CommandName(residuals_->text()));
  exact_ = new QCheckBox(ToQString(TextOf(WindowText::ShowExactOption)), this);
  exact_->setAccessibleName(CommandName(exact_->text()));
  meanBand_ = new QCheckBox(ToQString(TextOf(WindowText::MeanBandOption)), this);
  meanBand_->setAccessibleName(CommandName(meanBand_->text()));
  predictionBand_ = new QCheckBox(ToQString(TextOf(WindowText::PredictionBandOption)), this);
  predictionBand_->setAccessibleName(CommandName(predictionBand_->text()));
  auto* xName = new QLabel(ToQString(TextOf(WindowText::XEntryName)), this);
  xEntry_ = new QLineEdit(this);
  xEntry_->setAccessibleName(CommandName(xName->text()));
  xName->setBuddy(xEntry_);
  // Room for about fourteen digits.
  xEntry_->setMinimumWidth(xEntry_->fontMetrics().horizontalAdvance(QString(14, QLatin1Char('0'))));
  // The read-outs never widen the window: a long line is cut at its edge
  // (and shown whole in its tool tip).
  entryReadout_ = new QLabel(this);
  entryReadout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  entryReadout_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  cursorReadout_ = new QLabel(this);
  cursorReadout_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  savePng_ = NewButton(WindowText::SavePngCommand);
  saveSvg_ = NewButton(WindowText::SaveSvgCommand);
  copyImage_ = NewButton(WindowText::CopyImageCommand);

  auto* entry = new QHBoxLayout;
  entry->addWidget(xName);
  entry->addWidget(xEntry_);
  entry->addWidget(entryReadout_, 1);
  auto* controls = new QHBoxLayout;
  controls->addWidget(residuals_);
  controls->addWidget(exact_);
  controls->addWidget(meanBand_);
  controls->addWidget(predictionBand_);
  controls->addStretch(1);
  controls->addWidget(savePng_);
  controls->addWidget(saveSvg_);
  controls->addWidget(copyImage_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(canvas_, 1);
  layout->addWidget(cursorReadout_);
  layout->addLayout(entry);
  layout->addLayout(controls);
  setTabOrder(canvas_, xEntry_);
  setTabOrder(xEntry_, residuals_);
  setTabOrder(residuals_, exact_);
  setTabOrder(exact_, meanBand_);
  setTabOrder(meanBand_, predictionBand_);
  setTabOrder(predictionBand_, savePng_);
  setTabOrder(savePng_, saveSvg_);
  setTabOrder(saveSvg_, copyImage_);

  connect(residuals_, &QCheckBox::toggled, canvas_, [this](bool on) { canvas_->SetResidualsShown(on); });
  connect(exact_, &QCheckBox::toggled, canvas_, [this](bool on) {
    canvas_->SetExactShown(on);
    WantExactFit();
  });
  connect(meanBand_, &QCheckBox::toggled, this, [this] { ShowBands(); });
  connect(predictionBand_, &QCheckBox::toggled, this, [this] { ShowBands(); });
  connect(xEntry_, &QLineEdit::textChanged, this, [this] { ShowEntryValue(); });
  canvas_->OnCursorMoved([this] { ShowCursorValue(); });
  connect(savePng_, &QPushButton::clicked, this, [this] { DispatchEvent([this] { SavePng(); }); });
  connect(saveSvg_, &QPushButton::clicked, this, [this] { DispatchEvent([this] { SaveSvg(); }); });
  connect(copyImage_, &QPushButton::clicked, this, [this] { DispatchEvent([this] { CopyImage(); }); });
  resize(sizeHint().expandedTo(QSize(660, 500)));
}

void GraphWindow::SetData(std::shared_ptr<const GraphData> graph) {
  canvas_->SetData(std::move(graph));
  exactFit_.reset();
  ShowEntryValue();
  ShowCursorValue();
}

void GraphWindow::SetExactFit(std::shared_ptr<const ExactFit> exact) {
  exactFit_ = std::move(exact);
  const std::optional<FitResult> polynomial = exactFit_ ? ExactPolynomial(*exactFit_) : std::nullopt;
  canvas_->SetExactCurve(polynomial ? std::make_shared<const FitResult>(*polynomial) : nullptr);
  canvas_->SetBandFit(exactFit_);
  ShowEntryValue();
}

bool GraphWindow::ExactFitWanted() const {
  return exact_->isChecked() || meanBand_->isChecked() || predictionBand_->isChecked() ||
         !xEntry_->text().trimmed().isEmpty();
}

void GraphWindow::WantExactFit() {
  if (!exactFit_ && ExactFitWanted() && exactWanted_) DispatchEvent([this] { exactWanted_(); });
}

void GraphWindow::ShowBands() {
  canvas_->SetBandsShown(meanBand_->isChecked(), predictionBand_->isChecked());
  WantExactFit();
}

void GraphWindow::ShowEntryValue() {
  WantExactFit();
  const GraphData* graph = canvas_->Data();
  const QString shown = graph
                            ? QString::fromStdString(peruka::EntryReadout(
                                  *graph, exactFit_.get(), FromQString(xEntry_->text()), LocaleDecimalMark()))
                            : QString();
  entryReadout_->setText(shown);
  entryReadout_->setToolTip(shown);
}

void GraphWindow::ShowCursorValue() {
  const GraphData* graph = canvas_->Data();
  const std::optional<double> at = canvas_->CursorX();
  std::optional<CursorReading> reading;
  if (graph && at) {
    const GraphCanvas::Frame frame = canvas_->CurrentFrame();
    reading = ReadCursor(*graph, frame.ranges, frame.area, *at);
  }
  cursorReadout_->setText(
      reading ? QString::fromStdString(peruka::CursorReadout(*reading, LocaleDecimalMark())) : QString());
}

std::unique_ptr<GraphView> CreateGraphView(TForm& mainWindow, const ScreenRect& result) {
  QWidget* main = QtWidget(&mainWindow);
  auto graph = std::make_unique<GraphWindow>(main);
  graph->PlaceBeside(main, QRect(result.left, result.top, result.width, result.height));
  return graph;
}

void GraphWindow::PlaceBeside(const QWidget* window, const QRect& result) {
  PlaceWindowBeside(*this, window, result);
}

void GraphWindow::SavePng() {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  canvas_->RenderImage(canvas_->size()).save(&buffer, "PNG");
  static constexpr SaveFileType kPngFile{TextOf(WindowText::PngFileType), "png", "peruka-graph.png"};
  Save(TextOf(WindowText::SavePngCommand), kPngFile, bytes);
}

void GraphWindow::SaveSvg() {
  static constexpr SaveFileType kSvgFile{TextOf(WindowText::SvgFileType), "svg", "peruka-graph.svg"};
  Save(TextOf(WindowText::SaveSvgCommand), kSvgFile, canvas_->RenderSvg(canvas_->size()));
}

void GraphWindow::CopyImage() {
  QGuiApplication::clipboard()->setImage(canvas_->RenderImage(canvas_->size()));
}

void GraphWindow::Save(std::string_view caption, const SaveFileType& type, const QByteArray& bytes) {
  std::string name;
  const std::string dialogCaption = CommandName<char>(caption);
  if (SaveToChosenFile(this, dialogCaption, type,
                       std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                       name) == SaveOutcome::kFailed)
    ShowNotice(name + std::string(TextOf(WindowText::FileNotWrittenNotice)));
}

}  // namespace peruka
