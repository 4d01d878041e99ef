// Start-up and shut-down of the window layer.
#pragma once

#include <memory>
#include <string>
#include <vector>

class QApplication;
class QTranslator;

namespace peruka {

// The arguments Qt is started with: the program's name alone, argv[0] (or
// "peruka" when there is none). The program takes no command line, so none
// of Qt's own options (-reverse, -style, -platform, -qwindowgeometry, ...)
// acts on its windows.
std::vector<std::string> QtArguments(int argc, const char* const* argv);

// Starts Qt with one widget style for every platform (Fusion, its drop-down
// lists opening below the control) and Qt's Japanese texts, installs the
// font substitutions, makes
// the layer's default font the application font, and creates the screen
// object and the application object. Destroying it destroys them (and every
// form) again. Of argc and argv, Qt sees only the program's name.
class WindowLayer {
 public:
  WindowLayer(int argc, const char* const* argv);
  ~WindowLayer();
  WindowLayer(const WindowLayer&) = delete;
  WindowLayer& operator=(const WindowLayer&) = delete;

 private:
  // Qt keeps the count and the vector for its whole life.
  std::vector<std::string> qtArguments_;
  std::vector<char*> qtArgv_;
  int qtArgc_ = 0;
  std::unique_ptr<QApplication> qtApplication_;
  std::unique_ptr<QTranslator> qtTranslator_;
};

// Loads Qt's own Japanese texts (standard context menus, the file dialog),
// whatever the locale: the interface is Japanese everywhere. False when the
// translations are not installed; Qt's English texts stay then.
bool LoadJapaneseQtTexts(QTranslator& translator);

}  // namespace peruka
