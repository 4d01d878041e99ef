// The save dialog over Qt: what it is asked for, and the chooser tests put
// in place of the dialog.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "ui/save_file.h"

class QWidget;

namespace peruka {

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

// SaveToChosenFile for the dialog of any Qt window.
SaveOutcome SaveToChosenFile(QWidget* parent, std::string_view caption, const SaveFileType& type,
                             std::string_view bytes, std::string& name);

}  // namespace peruka
