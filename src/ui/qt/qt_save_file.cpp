#include "ui/qt/qt_save_file.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVariant>
#include <QWidget>
#include <utility>

#include "ui/form.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_widget.h"

namespace peruka {

namespace {

// The last folder saved to lives with the window a dialog belongs to (the
// main window, for the graph window too), not in the process.
constexpr char kLastFolderProperty[] = "peruka.lastSaveFolder";

QString ChooseWithDialog(QWidget* parent, const SaveRequest& request) {
  return QFileDialog::getSaveFileName(parent, request.caption, request.suggestedPath, request.filter);
}

SaveFileChooser& Chooser() {
  static SaveFileChooser chooser = ChooseWithDialog;
  return chooser;
}

QWidget* OwningWindow(QWidget* widget) {
  while (widget && widget->parentWidget()) widget = widget->parentWidget();
  return widget;
}

QString StartFolder(const QWidget* owner) {
  if (owner) {
    const QString last = owner->property(kLastFolderProperty).toString();
    if (!last.isEmpty()) return last;
  }
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return documents.isEmpty() ? QDir::homePath() : documents;
}

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

SaveFileChooser SetSaveFileChooser(SaveFileChooser chooser) {
  SaveFileChooser previous = std::exchange(Chooser(), chooser ? std::move(chooser) : ChooseWithDialog);
  return previous;
}

SaveOutcome SaveToChosenFile(QWidget* parent, std::string_view caption, const SaveFileType& type,
                             std::string_view bytes, std::string& name) {
  QWidget* owner = OwningWindow(parent);
  const QString suffix = Latin1(type.suffix);
  const SaveRequest request{ToQString(caption), QDir(StartFolder(owner)).filePath(Latin1(type.suggestedName)),
                            ToQString(type.description) + QStringLiteral(" (*.") + suffix + u')'};
  QString path = Chooser()(parent, request);
  if (path.isEmpty()) return SaveOutcome::kCancelled;
  // A folder chosen as the file stays as it is: the writing fails and says so.
  if (const QFileInfo chosen(path); !suffix.isEmpty() && chosen.suffix().isEmpty() && !chosen.isDir())
    path += u'.' + suffix;
  QSaveFile file(path);
  const auto size = static_cast<qint64>(bytes.size());
  if (file.open(QIODevice::WriteOnly) && file.write(bytes.data(), size) == size && file.commit()) {
    if (owner) owner->setProperty(kLastFolderProperty, QFileInfo(path).absolutePath());
    return SaveOutcome::kWritten;
  }
  name = FromQString(path);
  return SaveOutcome::kFailed;
}

SaveOutcome SaveToChosenFile(const TForm& owner, std::string_view caption, const SaveFileType& type,
                             std::string_view bytes, std::string& name) {
  return SaveToChosenFile(QtWidget(&owner), caption, type, bytes, name);
}

}  // namespace peruka
