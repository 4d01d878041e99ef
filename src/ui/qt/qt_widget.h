// The Qt backend's window of a control, and the Qt objects behind the
// layer's controls for the Qt code around them (the graph window, tests).
#pragma once

#include <QFont>
#include <QIcon>
#include <QPointer>
#include <QWidget>
#include <string_view>

#include "ui/control.h"

class QAction;
class QComboBox;
class QEventLoop;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace peruka {

class TButton;
class TComboBox;
class TForm;
class TLabel;
class TMemo;
class TMenuCommand;

struct NativeWidget {
  explicit NativeWidget(QWidget* w) : widget(w) {}
  QPointer<QWidget> widget;
  QFont font;                       // a form's: the font every control of it uses
  QEventLoop* modalLoop = nullptr;  // a form's, while it is shown modally
};

inline QWidget* QtWidget(const NativeWidget* native) { return native ? native->widget.data() : nullptr; }
inline QWidget* QtWidget(const TControl* control) { return control ? QtWidget(control->Native()) : nullptr; }
// The control a widget belongs to, or null.
TControl* ControlOfWidget(const QWidget* widget);

QPlainTextEdit* QtEdit(const TMemo* memo);
QComboBox* QtCombo(const TComboBox* combo);
QPushButton* QtButton(const TButton* button);
const QFont& QtFont(const TForm& form);
QAction* QtAction(const TMenuCommand* command);

// An icon from a PNG image; a null icon when the image does not read.
QIcon IconFromPng(std::string_view png);

// The context menus as they open: a label's own items, then the added ones;
// a memo's standard items at a point of its viewport, then the added ones.
// The caller owns them.
QMenu* CreateContextMenu(const TLabel& label);
QMenu* CreateContextMenu(const TMemo& memo, const QPoint& at);

}  // namespace peruka
