#include "ui/label.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPainter>

#include "ui/clipboard.h"
#include "ui/draw_text.h"
#include "ui/event_guard.h"
#include "ui/layout_rules.h"
#include "ui/qt_text.h"

namespace peruka {

namespace {

QKeySequence KeysOf(std::string_view keys) {
  return QKeySequence::fromString(ToQString(keys), QKeySequence::PortableText);
}

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

  bool event(QEvent* event) override {
    // With commands of its own, the menu holds the label's items and them.
    if (event->type() == QEvent::ContextMenu && label_ && label_->HasContextCommands()) {
      QMenu* menu = label_->CreateContextMenu();
      menu->setAttribute(Qt::WA_DeleteOnClose);
      menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
      event->accept();
      return true;
    }
    return QWidget::event(event);
  }

  void changeEvent(QEvent* event) override {
    if (event->type() == QEvent::FontChange && label_) label_->AdjustBounds();
    QWidget::changeEvent(event);
  }

  // A resized parent may cut the label or stop cutting it.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (label_ && watched == parentWidget() && event->type() == QEvent::Resize) label_->UpdateCutHint();
    return QWidget::eventFilter(watched, event);
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
  if (copyAction_) copyAction_->setEnabled(!ClipboardTextOf(captionText_).isEmpty());
  UpdateCutHint();
  if (widget_) widget_->update();
}

void TLabel::AddCopyCommand(std::string_view menuCaption, std::string_view keys) {
  if (!widget_ || copyAction_) return;
  copyAction_ = new QAction(ToQString(menuCaption), widget_);
  copyAction_->setEnabled(!ClipboardTextOf(captionText_).isEmpty());
  QObject::connect(copyAction_, &QAction::triggered, widget_, [this] { CopyCaption(); });
  copyAction_->setShortcut(KeysOf(keys));
  copyAction_->setShortcutContext(Qt::WindowShortcut);
  widget_->addAction(copyAction_);
  widget_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

QAction* TLabel::AddContextCommand(std::string_view caption, std::string_view keys, TNotifyEvent handler) {
  if (!widget_) return nullptr;
  QWidget* window = widget_->window();
  auto* action = new QAction(ToQString(caption), window);
  action->setShortcut(KeysOf(keys));
  action->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(action, &QAction::triggered, widget_, [this, onChoose = std::move(handler)] {
    if (onChoose) DispatchEvent([&] { onChoose(this); });
  });
  window->addAction(action);
  if (widget_->contextMenuPolicy() == Qt::DefaultContextMenu)
    widget_->setContextMenuPolicy(Qt::ActionsContextMenu);
  contextCommands_.push_back(action);
  return action;
}

QMenu* TLabel::CreateContextMenu() const {
  auto* menu = new QMenu(widget_);
  menu->addActions(widget_->actions());
  menu->addActions(QList<QAction*>(contextCommands_.begin(), contextCommands_.end()));
  return menu;
}

bool TLabel::CopyCaption() const { return PutOnClipboard(ClipboardTextOf(captionText_)); }

void TLabel::SetHintWhenCut(bool on) {
  if (on == hintWhenCut_ || !widget_) return;
  hintWhenCut_ = on;
  if (QWidget* parent = widget_->parentWidget()) {
    if (on) {
      parent->installEventFilter(widget_);
    } else {
      parent->removeEventFilter(widget_);
    }
  }
  if (!on) widget_->setToolTip(QString());
  UpdateCutHint();
}

void TLabel::UpdateCutHint() {
  if (!hintWhenCut_ || !widget_) return;
  const QWidget* parent = widget_->parentWidget();
  const bool cut = parent && widget_->geometry().right() >= parent->width() && !caption_.empty();
  widget_->setToolTip(cut ? DisplayText() : QString());
}

void TLabel::SetBounds(int left, int top, int width, int height) {
  TGraphicControl::SetBounds(left, top, width, height);
  UpdateCutHint();
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
  TextFormat format;
  format.wordBreak = wordWrap_;
  format.prefix = showAccelChar_;
  const Bounds sized = AutoSizedLabelBounds(
      Bounds{Left(), Top(), Width(), Height()}, caption_, showAccelChar_, alignment_ == taRightJustify,
      [&](std::string_view text) {
        const QSize size =
            MeasureText(widget_->font(), text == caption_ ? captionText_ : ToQString(text), format, Width());
        return TextSize{size.width(), size.height()};
      });
  SetBounds(sized.left, sized.top, sized.width, sized.height);
}

void TLabel::Loaded() { AdjustBounds(); }

}  // namespace peruka
