#include <QAction>
#include <QContextMenuEvent>
#include <QEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPainter>

#include "ui/event_guard.h"
#include "ui/label.h"
#include "ui/qt/qt_draw_text.h"
#include "ui/qt/qt_menu_command.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_widget.h"

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

  // The caption as Qt text, converted once per change.
  void SetText(const QString& text) { text_ = text; }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!label_) return;
    QPainter painter(this);
    if (!label_->Transparent()) painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    DrawText(painter, rect(), text_, label_->Format());
  }

  bool event(QEvent* event) override {
    // With commands of its own, the menu holds the label's items and them.
    if (event->type() == QEvent::ContextMenu && label_ && label_->HasContextCommands()) {
      QMenu* menu = CreateContextMenu(*label_);
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
  QString text_;
};

LabelWidget* LabelWidgetOf(const TLabel* label) { return static_cast<LabelWidget*>(QtWidget(label)); }

}  // namespace

TLabel::TLabel(TComponent* owner)
    : TGraphicControl(owner, new NativeWidget(new LabelWidget(this, QtWidget(ClientNativeOf(owner))))) {}

TextSize TLabel::MeasureCaption(std::string_view text, int width) const {
  const QWidget* widget = QtWidget(native_);
  TextFormat format;
  format.wordBreak = wordWrap_;
  format.prefix = showAccelChar_;
  const QSize size = MeasureText(widget->font(), ToQString(text), format, width);
  return {size.width(), size.height()};
}

void TLabel::Repaint() {
  if (LabelWidget* widget = LabelWidgetOf(this)) {
    widget->SetText(ToQString(caption_));
    widget->update();
  }
}

void TLabel::SetToolTip(std::string_view text) {
  if (QWidget* widget = QtWidget(native_)) widget->setToolTip(ToQString(text));
}

bool TLabel::ReachesPastParent() const {
  const QWidget* widget = QtWidget(native_);
  const QWidget* parent = widget ? widget->parentWidget() : nullptr;
  return parent && widget->geometry().right() >= parent->width();
}

void TLabel::WatchParentSize(bool on) {
  QWidget* widget = QtWidget(native_);
  if (QWidget* parent = widget ? widget->parentWidget() : nullptr) {
    if (on) {
      parent->installEventFilter(widget);
    } else {
      parent->removeEventFilter(widget);
    }
  }
}

std::unique_ptr<TMenuCommand> TLabel::MakeCopyCommand(std::string_view menuCaption, std::string_view keys) {
  QWidget* widget = QtWidget(native_);
  if (!widget) return nullptr;
  auto* action = new QAction(ToQString(menuCaption), widget);
  QObject::connect(action, &QAction::triggered, widget, [this] { CopyCaption(); });
  action->setShortcut(KeysOf(keys));
  action->setShortcutContext(Qt::WindowShortcut);
  widget->addAction(action);
  widget->setContextMenuPolicy(Qt::ActionsContextMenu);
  return std::make_unique<QtMenuCommand>(action);
}

std::unique_ptr<TMenuCommand> TLabel::MakeContextCommand(std::string_view caption, std::string_view keys,
                                                         TNotifyEvent handler) {
  QWidget* widget = QtWidget(native_);
  if (!widget) return nullptr;
  QWidget* window = widget->window();
  auto* action = new QAction(ToQString(caption), window);
  action->setShortcut(KeysOf(keys));
  action->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(action, &QAction::triggered, widget, [this, onChoose = std::move(handler)] {
    if (onChoose) DispatchEvent([&] { onChoose(this); });
  });
  window->addAction(action);
  if (widget->contextMenuPolicy() == Qt::DefaultContextMenu)
    widget->setContextMenuPolicy(Qt::ActionsContextMenu);
  return std::make_unique<QtMenuCommand>(action);
}

QMenu* CreateContextMenu(const TLabel& label) {
  QWidget* widget = QtWidget(&label);
  auto* menu = new QMenu(widget);
  menu->addActions(widget->actions());
  for (const auto& command : label.ContextCommands()) menu->addAction(QtAction(command.get()));
  return menu;
}

QAction* QtAction(const TMenuCommand* command) {
  const auto* qt = dynamic_cast<const QtMenuCommand*>(command);
  return qt ? qt->Action() : nullptr;
}

}  // namespace peruka
