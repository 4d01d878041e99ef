// What the Qt backend's window layer does at start that can be checked alone.
#pragma once

#include <string>
#include <vector>

class QTranslator;

namespace peruka {

// The arguments Qt is started with: the program's name alone, argv[0] (or
// "peruka" when there is none). The program takes no command line, so none
// of Qt's own options (-reverse, -style, -platform, -qwindowgeometry, ...)
// acts on its windows.
std::vector<std::string> QtArguments(int argc, const char* const* argv);

// Loads Qt's own texts (standard menus and dialogs) in Japanese.
bool LoadJapaneseQtTexts(QTranslator& translator);

}  // namespace peruka
