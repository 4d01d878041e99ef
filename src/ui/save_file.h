// Saving a text to a file the user chooses through the standard save dialog.
// Tests put their own chooser in place of the dialog.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace peruka {

// Asks for a file to write; an empty name when the user cancels.
using SaveFileChooser = std::function<QString(QWidget* parent, const QString& caption)>;

// Installs a chooser (an empty one restores the standard dialog) and returns
// the one it replaces.
SaveFileChooser SetSaveFileChooser(SaveFileChooser chooser);

enum class SaveOutcome { kCancelled, kWritten, kFailed };

// Asks for a file (caption in Shift-JIS) and writes the bytes to it whole;
// a chosen name without a suffix gets the default suffix ("png"), if any.
// On failure `name` gets the chosen file's name in Shift-JIS.
SaveOutcome SaveToChosenFile(QWidget* parent, std::string_view caption, std::string_view bytes,
                             std::string& name, std::string_view defaultSuffix = {});

}  // namespace peruka
