// The window's newer commands and the graph window's controls: each has a
// Japanese name for screen readers, its caption from the window's text table
// and a keyboard path (a shortcut or an accelerator).
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeySequence>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/qt/graph_canvas.h"
#include "app/window_texts.h"
#include "ui/qt/qt_widget.h"
#include "ui_test_support.h"

namespace peruka::testing {
namespace {

enum class Place { kResultMenu, kXMenu, kYMenu, kGraph };

struct AccessCase {
  const char* name;
  Place place;
  WindowText caption;          // where the item's or control's caption comes from
  const char* accessibleName;  // UTF-8, as a screen reader gets it
  const char* keys;            // portable text
};
void PrintTo(const AccessCase& c, std::ostream* os) { *os << c.name; }

QString Twin(WindowText id) {
  const std::u8string_view utf8 = Utf8Of(id);
  return QString::fromUtf8(reinterpret_cast<const char*>(utf8.data()), static_cast<qsizetype>(utf8.size()));
}

class AccessKeysTest : public MainFormTest, public ::testing::WithParamInterface<AccessCase> {
 protected:
  // The menu goes before the window it belongs to.
  void TearDown() override {
    menu_.reset();
    MainFormTest::TearDown();
  }

  // The menu item with the caption, or the graph window's control with it.
  QObject* Find(const AccessCase& c) {
    const QString caption = Twin(c.caption);
    if (c.place == Place::kGraph) {
      GraphWindow* graph = QtGraph(form_);
      if (graph->windowTitle() == caption) return graph;
      for (QWidget* control : std::initializer_list<QWidget*>{
               graph->ResidualsOption(), graph->MeanBandOption(), graph->PredictionBandOption(),
               graph->SavePngButton(), graph->SaveSvgButton(), graph->CopyImageButton()})
        if (control->property("text").toString() == caption) return control;
      return nullptr;
    }
    menu_.reset(c.place == Place::kResultMenu ? CreateContextMenu(*form_->Answer)
                : c.place == Place::kXMenu    ? CreateContextMenu(*form_->XData, QPoint(1, 1))
                                              : CreateContextMenu(*form_->YData, QPoint(1, 1)));
    for (QAction* action : menu_->actions())
      if (action->text() == caption) return action;
    return nullptr;
  }

  // The screen reader's view: a widget's own, or a menu item's in its menu.
  QAccessibleInterface* Accessible(QObject* object) {
    if (object->isWidgetType()) return QAccessible::queryAccessibleInterface(object);
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(menu_.get());
    for (int i = 0; menu && i < menu->childCount(); ++i)
      if (menu->child(i)->object() == object) return menu->child(i);
    return nullptr;
  }

  std::unique_ptr<QMenu> menu_;
};

TEST_P(AccessKeysTest, HasAJapaneseNameAndAKeyboardPath) {
  const AccessCase& c = GetParam();
  BoxWatcher boxes;
  SetColumns("1\n2\n3", "1\n3\n2");
  ClickCalc();
  QtAction(form_->GraphCommand())->trigger();
  ASSERT_NE(QtGraph(form_), nullptr);

  QObject* object = Find(c);
  ASSERT_NE(object, nullptr) << "nothing captioned " << Quoted(Utf8(TextOf(c.caption)));
  QAccessibleInterface* accessible = Accessible(object);
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(c.accessibleName));
  EXPECT_EQ(accessible->text(QAccessible::Accelerator), QString::fromUtf8(c.keys));
  EXPECT_TRUE(boxes.Seen().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, AccessKeysTest,
    ::testing::Values(
        AccessCase{"CopyResult", Place::kResultMenu, WindowText::CopyCommand, "コピー(C)", "Ctrl+Shift+C"},
        AccessCase{"ShowGraph", Place::kResultMenu, WindowText::ShowGraphCommand, "グラフを表示(G)",
                   "Ctrl+G"},
        AccessCase{"PastePairsFromX", Place::kXMenu, WindowText::PastePairsCommand,
                   "x と y の組を貼り付け(V)", "Ctrl+Shift+V"},
        AccessCase{"PastePairsFromY", Place::kYMenu, WindowText::PastePairsCommand,
                   "x と y の組を貼り付け(V)", "Ctrl+Shift+V"},
        AccessCase{"SaveDataFromX", Place::kXMenu, WindowText::SaveDataCommand, "データを保存(S)...",
                   "Ctrl+S"},
        AccessCase{"SaveDataFromY", Place::kYMenu, WindowText::SaveDataCommand, "データを保存(S)...",
                   "Ctrl+S"},
        AccessCase{"GraphWindow", Place::kGraph, WindowText::GraphTitle, "グラフ", ""},
        AccessCase{"ShowResiduals", Place::kGraph, WindowText::ShowResidualsOption, "残差を表示", "Alt+R"},
        AccessCase{"MeanBand", Place::kGraph, WindowText::MeanBandOption, "信頼帯を描く", "Alt+M"},
        AccessCase{"PredictionBand", Place::kGraph, WindowText::PredictionBandOption, "予測帯を描く",
                   "Alt+N"},
        AccessCase{"SavePng", Place::kGraph, WindowText::SavePngCommand, "PNG で保存...", "Alt+P"},
        AccessCase{"SaveSvg", Place::kGraph, WindowText::SaveSvgCommand, "SVG で保存...", "Alt+S"},
        AccessCase{"CopyImage", Place::kGraph, WindowText::CopyImageCommand, "画像をコピー", "Alt+C"}),
    RowName());

// The mnemonic of a menu item: the character after a single "&", or none.
QChar Mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] != u'&') return text[i + 1].toUpper();
    ++i;
  }
  return {};
}

// Shift+F10 opens a box's context menu as the Menu key does; the program's
// own items in it have mnemonics, and no two items share one.
TEST_F(MainFormTest, ShiftF10OpensTheBoxsMenuWhoseItemsHaveTheirOwnMnemonics) {
  for (TMemo* box : {form_->Data, form_->XData, form_->YData}) {
    SCOPED_TRACE(box->Name());
    QtEdit(box)->setFocus();
    QTest::keyClick(QtEdit(box), Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "no menu opened";
    QList<QChar> mnemonics;
    for (const QAction* action : menu->actions()) {
      if (action->isSeparator()) continue;
      const QChar mnemonic = Mnemonic(action->text());
      if (action->objectName().isEmpty()) {
        EXPECT_FALSE(mnemonic.isNull()) << action->text().toStdString();
      }
      if (mnemonic.isNull()) continue;
      EXPECT_FALSE(mnemonics.contains(mnemonic)) << action->text().toStdString();
      mnemonics << mnemonic;
    }
    EXPECT_EQ(mnemonics.size(), box == form_->Data ? 5 : 7);
    menu->close();
  }
  std::unique_ptr<QMenu> result(CreateContextMenu(*form_->Answer));
  for (const QAction* action : result->actions()) {
    if (!action->isSeparator()) {
      EXPECT_FALSE(Mnemonic(action->text()).isNull()) << action->text().toStdString();
    }
  }
}

}  // namespace
}  // namespace peruka::testing
