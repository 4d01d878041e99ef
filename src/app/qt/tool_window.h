// What the tool windows (the graph and the detail window) have alike: a
// window of its own owned by the main window, titled and named for the
// accessibility tools, that Escape closes and closing hides; its command
// buttons; and its first placement beside the main window.
#pragma once

#include <QRect>
#include <QWidget>

#include "app/window_texts.h"

class QPushButton;

namespace peruka {

class ToolWindow : public QWidget {
 protected:
  ToolWindow(QWidget* owner, WindowText title, const QString& objectName);

  // A push button with the caption, named after its command, that Enter
  // elsewhere in the window does not press.
  QPushButton* NewButton(WindowText caption);
  // Shows the window in front and activates it.
  void PresentWindow();

  void keyPressEvent(QKeyEvent* event) override;
};

// Puts a window that has no frame yet next to another one on the same
// screen (see PlaceNextToMainWindow), keeping clear of its title bar and of
// `result` (in screen coordinates).
void PlaceWindowBeside(QWidget& placed, const QWidget* window, const QRect& result);

}  // namespace peruka
