#include "ui/label.h"

#include <QEvent>
#include <QPainter>

#include "ui/draw_text.h"
#include "ui/qt_text.h"

namespace peruka {

namespace {

class LabelWidget final : public QWidget {
 public:
  LabelWidget(TLabel* label, QWidget* parent) : QWidget(parent), label_(label) {
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!label_) return;
    QPainter painter(this);
    if (!label_->Transparent()) painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    TextFormat format;
    format.wordBreak = label_->WordWrap();
    format.prefix = label_->ShowAccelChar();
    format.alignment = label_->Alignment() == taRightJustify ? Qt::AlignRight
                       : label_->Alignment() == taCenter     ? Qt::AlignHCenter
                                                             : Qt::AlignLeft;
    DrawText(painter, rect(), label_->CaptionText(), format);
  }

  void changeEvent(QEvent* event) override {
    if (event->type() == QEvent::FontChange && label_) label_->AdjustBounds();
    QWidget::changeEvent(event);
  }

 private:
  TLabel* label_;
};

}  // namespace

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner, new LabelWidget(this, ClientWidgetOf(owner))) {}

void TLabel::SetCaption(std::string_view caption) {
  if (caption == caption_) return;
  caption_ = std::string(caption);
  captionText_ = ToQString(caption_);
  CaptionChanged();
  AdjustBounds();
}

void TLabel::CaptionChanged() {
  if (caption_.empty()) {
    SetAccessibleName(emptyAccessibleName_);
  } else {
    SetAccessibleText(captionText_);
  }
  if (focusControl_) focusControl_->SetAccessibleText(captionText_);
  if (widget_) widget_->update();
}

void TLabel::SetFocusControl(TWinControl* control) {
  focusControl_ = control;
  if (focusControl_) focusControl_->SetAccessibleText(captionText_);
}

void TLabel::SetEmptyAccessibleName(std::string_view name) {
  emptyAccessibleName_ = std::string(name);
  CaptionChanged();
}

void TLabel::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  AdjustBounds();
}

void TLabel::SetWordWrap(bool wrap) {
  if (wrap == wordWrap_) return;
  wordWrap_ = wrap;
  AdjustBounds();
  if (widget_) widget_->update();
}

void TLabel::SetShowAccelChar(bool show) {
  if (show == showAccelChar_) return;
  showAccelChar_ = show;
  AdjustBounds();
  if (widget_) widget_->update();
}

void TLabel::SetTransparent(bool transparent) {
  transparent_ = transparent;
  if (widget_) widget_->update();
}

void TLabel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  if (widget_) widget_->update();
}

QString TLabel::DisplayText() const {
  return showAccelChar_ ? WithoutAccelerators(captionText_) : captionText_;
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || !widget_) return;
  if (TControlContainer* container = Container(); container && container->ReadingDefinition()) return;
  const bool blank = caption_.empty() || (showAccelChar_ && caption_ == "&");
  TextFormat format;
  format.wordBreak = wordWrap_;
  format.prefix = showAccelChar_;
  const QSize size =
      MeasureText(widget_->font(), blank ? QStringLiteral(" ") : captionText_, format, Width());
  int left = Left();
  if (alignment_ == taRightJustify) left = Left() + Width() - size.width();
  SetBounds(left, Top(), size.width(), size.height());
}

void TLabel::Loaded() { AdjustBounds(); }

}  // namespace peruka
