// Saving bytes to a file the user chooses through the standard save dialog.
#pragma once

#include <string>
#include <string_view>

namespace peruka {

class TForm;

// The kind of file a command saves.
struct SaveFileType {
  std::string_view description;    // Shift-JIS, as the dialog's filter names it
  std::string_view suffix;         // without the dot: "tsv", "png"
  std::string_view suggestedName;  // the file name the dialog proposes
};

enum class SaveOutcome { kCancelled, kWritten, kFailed };

// Asks for a file of the type (caption in Shift-JIS) and writes the bytes to
// it whole; a chosen name without a suffix gets the type's. On failure `name`
// gets the chosen file's name in Shift-JIS.
// The dialog belongs to the form's window. Backend.
SaveOutcome SaveToChosenFile(const TForm& owner, std::string_view caption, const SaveFileType& type,
                             std::string_view bytes, std::string& name);

}  // namespace peruka
