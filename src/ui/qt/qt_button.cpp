#include <QKeyEvent>
#include <QPushButton>

#include "ui/button.h"
#include "ui/event_guard.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_virtual_keys.h"
#include "ui/qt/qt_widget.h"

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

TButton::TButton(TComponent* owner)
    : TWinControl(owner, new NativeWidget(new ButtonWidget(QtWidget(ClientNativeOf(owner))))) {
  QObject::connect(QtButton(this), &QPushButton::clicked, QtButton(this),
                   [this] { DispatchEvent([this] { Click(); }); });
}

QPushButton* QtButton(const TButton* button) { return static_cast<QPushButton*>(QtWidget(button)); }

void TButton::SetCaption(std::string_view caption) {
  caption_ = std::string(caption);
  const QString text = ToQString(caption_);
  QtButton(this)->setText(text);
  SetAccessibleName(caption_);
}

void TButton::SetDefault(bool isDefault) {
  default_ = isDefault;
  QtButton(this)->setDefault(isDefault);
}

}  // namespace peruka
