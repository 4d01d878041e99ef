#include "ui/save_file.h"

#include <QFileDialog>
#include <QFileInfo>
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
                             std::string& name, std::string_view defaultSuffix) {
  QString path = Chooser()(parent, ToQString(caption));
  if (path.isEmpty()) return SaveOutcome::kCancelled;
  if (!defaultSuffix.empty() && QFileInfo(path).suffix().isEmpty())
    path += QLatin1Char('.') +
            QString::fromLatin1(defaultSuffix.data(), static_cast<qsizetype>(defaultSuffix.size()));
  QSaveFile file(path);
  const auto size = static_cast<qint64>(bytes.size());
  if (file.open(QIODevice::WriteOnly) && file.write(bytes.data(), size) == size && file.commit())
    return SaveOutcome::kWritten;
  name = FromQString(path);
  return SaveOutcome::kFailed;
}

}  // namespace peruka
