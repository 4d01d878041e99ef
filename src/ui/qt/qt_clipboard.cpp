#include <QClipboard>
#include <QGuiApplication>

#include "ui/clipboard.h"
#include "ui/qt/qt_text.h"

namespace peruka {

bool PutOnClipboard(std::string_view text) {
  if (text.empty()) return false;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  clipboard->setText(ToQString(text));
  return true;
}

std::string ClipboardText() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard ? FromQString(clipboard->text()) : std::string();
}

}  // namespace peruka
