// Saving bytes to a file the user chooses through the standard save dialog.
// Tests put their own chooser in place of the dialog.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace peruka {

// The kind of file a command saves.
struct SaveFileType {
  std::string_view description;    // Shift-JIS, as the dialog's filter names it
  std::string_view suffix;         // without the dot: "tsv", "png"
  std::string_view suggestedName;  // the file name the dialog proposes
};

// What the dialog is asked for.
struct SaveRequest {
  QString caption;
  // The suggested file: in the folder of the last file saved from the same
  // window in this run, else in the user's documents folder.
  QString suggestedPath;
  QString filter;  // "PNG 画像 (*.png)"
};

// Asks for a file to write; an empty name when the user cancels.
using SaveFileChooser = std::function<QString(QWidget* parent, const SaveRequest& request)>;

// Installs a chooser (an empty one restores the standard dialog) and returns
// the one it replaces.
SaveFileChooser SetSaveFileChooser(SaveFileChooser chooser);

enum class SaveOutcome { kCancelled, kWritten, kFailed };

// Asks for a file of the type (caption in Shift-JIS) and writes the bytes to
// it whole; a chosen name without a suffix gets the type's. On failure `name`
// gets the chosen file's name in Shift-JIS.
SaveOutcome SaveToChosenFile(QWidget* parent, std::string_view caption, const SaveFileType& type,
                             std::string_view bytes, std::string& name);

}  // namespace peruka
