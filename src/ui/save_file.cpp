#include "ui/save_file.h"

#include <QFileDialog>
#include <QSaveFile>
#include <utility>

#include "ui/qt_text.h"

namespace peruka {

namespace {

QString ChooseWithDialog(QWidget* parent, const QString& caption) {
  return QFileDialog::getSaveFileName(parent, caption);
}

SaveFileChooser& Chooser() {
  static SaveFileChooser chooser = ChooseWithDialog;
  return chooser;
}

}  // namespace

SaveFileChooser SetSaveFileChooser(SaveFileChooser chooser) {
  SaveFileChooser previous = std::exchange(Chooser(), chooser ? std::move(chooser) : ChooseWithDialog);
  return previous;
}

SaveOutcome SaveToChosenFile(QWidget* parent, std::string_view caption, std::string_view bytes,
                             std::string& name) {
  const QString path = Chooser()(parent, ToQString(caption));
  if (path.isEmpty()) return SaveOutcome::kCancelled;
  QSaveFile file(path);
  const auto size = static_cast<qint64>(bytes.size());
  if (file.open(QIODevice::WriteOnly) && file.write(bytes.data(), size) == size && file.commit())
    return SaveOutcome::kWritten;
  name = FromQString(path);
  return SaveOutcome::kFailed;
}

}  // namespace peruka
