#include "app/qt/tool_window.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include "app/window_placement.h"
#include "ui/qt/qt_text.h"

namespace peruka {

ToolWindow::ToolWindow(QWidget* owner, WindowText title, const QString& objectName)
    : QWidget(owner, Qt::Window) {
  const QString shownTitle = ToQString(TextOf(title));
  setWindowTitle(shownTitle);
  setAccessibleName(shownTitle);
  setObjectName(objectName);
}

QPushButton* ToolWindow::NewButton(WindowText caption) {
  auto* button = new QPushButton(ToQString(TextOf(caption)), this);
  button->setAccessibleName(CommandName(button->text()));
  button->setAutoDefault(false);
  return button;
}

void ToolWindow::PresentWindow() {
  show();
  raise();
  activateWindow();
}

void ToolWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void PlaceWindowBeside(QWidget& placed, const QWidget* window, const QRect& result) {
  const QScreen* screen = window->screen();
  if (!screen) return;
  const auto rect = [](const QRect& r) { return ScreenRect{r.x(), r.y(), r.width(), r.height()}; };
  const QRect frame = window->frameGeometry();
  const QRect client = window->geometry();
  // This window has no frame yet: it will get one like the main window's.
  const QSize margins = frame.size() - client.size();
  PlacementRequest request;
  request.available = rect(screen->availableGeometry());
  request.main = rect(frame);
  request.titleBar = rect(QRect(frame.topLeft(), QPoint(frame.right(), client.top() - 1)));
  request.result = rect(result);
  const QSize preferred = placed.size() + margins;
  const QSize minimum = placed.minimumSizeHint().expandedTo(placed.minimumSize()) + margins;
  request.preferred = {preferred.width(), preferred.height()};
  request.minimum = {minimum.width(), minimum.height()};
  const ScreenRect where = PlaceNextToMainWindow(request);
  placed.resize(QSize(where.width, where.height) - margins);
  placed.move(where.left, where.top);
}

}  // namespace peruka
