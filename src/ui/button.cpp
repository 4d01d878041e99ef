#include "ui/button.h"

#include <QKeyEvent>
#include <QPushButton>

#include "ui/event_guard.h"
#include "ui/qt_text.h"
#include "ui/virtual_keys.h"

namespace peruka {

namespace {

class ButtonWidget final : public QPushButton {
 public:
  ButtonWidget(QWidget* parent) : QPushButton(parent) { setAutoDefault(false); }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (IsEnterKey(event->key())) {
      // Enter clicks the button that has the focus; with Shift, Ctrl or Alt
      // it clicks nothing, not even a default button.
      if (IsPlainKey(event->modifiers())) {
        event->accept();
        click();
      } else {
        event->ignore();
      }
      return;
    }
    QPushButton::keyPressEvent(event);
  }
};

}  // namespace

TButton::TButton(TComponent* owner) : TWinControl(owner, new ButtonWidget(ClientWidgetOf(owner))) {
  QObject::connect(Button(), &QPushButton::clicked, Button(), [this] { DispatchEvent([this] { Click(); }); });
}

QPushButton* TButton::Button() const { return static_cast<QPushButton*>(widget_.data()); }

void TButton::SetCaption(std::string_view caption) {
  caption_ = std::string(caption);
  const QString text = ToQString(caption_);
  Button()->setText(text);
  SetAccessibleText(text);
}

void TButton::SetDefault(bool isDefault) {
  default_ = isDefault;
  Button()->setDefault(isDefault);
}

void TButton::Click() {
  if (TControlContainer* container = Container()) container->SetModalResult(modalResult_);
  if (OnClick) OnClick(this);
}

}  // namespace peruka
