// Every way of pasting into a box: with text on the clipboard it is
// inserted; with nothing there (an empty clipboard whose owner is gone, a
// drop without text) the box stays as it is and the program runs on.
#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>

#include "ui/qt/qt_widget.h"
#include "ui_test_support.h"

namespace peruka::testing {
namespace {

enum class Route { kCtrlV, kShiftInsert, kContextMenu, kMiddleClick, kDrop };
enum class Box { kData, kX, kY };

struct PasteRouteCase {
  const char* name;
  Route route;
  Box box;
  const char* offered;  // the clipboard's (or the drop's) text; null for data without any format
  const char* after;    // the box starts as "7"
};
void PrintTo(const PasteRouteCase& c, std::ostream* os) {
  *os << (c.offered ? Quoted(c.offered) : std::string("nothing")) << " -> " << Quoted(c.after);
}

// Data as the clipboard holds it once its owner has quit: no format at all.
QMimeData* Offer(const char* text) {
  auto* data = new QMimeData;
  if (text) data->setText(QString::fromUtf8(text));
  return data;
}

QAction* StandardPasteItem(QMenu& menu) {
  for (QAction* action : menu.actions())
    if (action->objectName() == QLatin1String("edit-paste")) return action;
  return nullptr;
}

class PasteRouteTest : public MainFormTest, public ::testing::WithParamInterface<PasteRouteCase> {};

TEST_P(PasteRouteTest, InsertsTextAndDoesNothingWithoutIt) {
  const PasteRouteCase& c = GetParam();
  TMemo* memo = c.box == Box::kData ? form_->Data : c.box == Box::kX ? form_->XData : form_->YData;
  QPlainTextEdit* edit = QtEdit(memo);
  memo->SetText("7");
  edit->setFocus();
  edit->moveCursor(QTextCursor::End);
  QClipboard* clipboard = QGuiApplication::clipboard();
  switch (c.route) {
    case Route::kCtrlV:
      clipboard->setMimeData(Offer(c.offered));
      QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
      break;
    case Route::kShiftInsert:
      clipboard->setMimeData(Offer(c.offered));
      QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
      break;
    case Route::kContextMenu: {
      clipboard->setMimeData(Offer(c.offered));
      std::unique_ptr<QMenu> menu(CreateContextMenu(*memo, QPoint(1, 1)));
      QAction* paste = StandardPasteItem(*menu);
      ASSERT_NE(paste, nullptr);
      EXPECT_EQ(paste->isEnabled(), c.offered != nullptr);
      paste->trigger();
      break;
    }
    case Route::kMiddleClick:
      if (!clipboard->supportsSelection()) GTEST_SKIP() << "this platform has no selection clipboard";
      clipboard->setMimeData(Offer(c.offered), QClipboard::Selection);
      QTest::mouseClick(edit->viewport(), Qt::MiddleButton, Qt::NoModifier, edit->cursorRect().center());
      break;
    case Route::kDrop: {
      std::unique_ptr<QMimeData> data(Offer(c.offered));
      const QPointF at = edit->cursorRect().center();
      QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(edit->viewport(), &enter);
      QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(edit->viewport(), &drop);
      break;
    }
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(Utf8(memo->Text()), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Routes, PasteRouteTest,
    ::testing::Values(PasteRouteCase{"CtrlVEmptyEntry", Route::kCtrlV, Box::kData, nullptr, "7"},
                      PasteRouteCase{"CtrlVEmptyX", Route::kCtrlV, Box::kX, nullptr, "7"},
                      PasteRouteCase{"CtrlVEmptyY", Route::kCtrlV, Box::kY, nullptr, "7"},
                      PasteRouteCase{"CtrlVText", Route::kCtrlV, Box::kX, "12", "712"},
                      PasteRouteCase{"ShiftInsertEmpty", Route::kShiftInsert, Box::kY, nullptr, "7"},
                      PasteRouteCase{"ShiftInsertText", Route::kShiftInsert, Box::kData, "5", "75"},
                      PasteRouteCase{"MenuEmpty", Route::kContextMenu, Box::kX, nullptr, "7"},
                      PasteRouteCase{"MenuText", Route::kContextMenu, Box::kY, "3", "73"},
                      PasteRouteCase{"MiddleClickEmpty", Route::kMiddleClick, Box::kX, nullptr, "7"},
                      PasteRouteCase{"DropEmpty", Route::kDrop, Box::kY, nullptr, "7"},
                      PasteRouteCase{"DropEmptyEntry", Route::kDrop, Box::kData, nullptr, "7"},
                      PasteRouteCase{"DropText", Route::kDrop, Box::kX, "4", "74"}),
    RowName());

}  // namespace
}  // namespace peruka::testing
