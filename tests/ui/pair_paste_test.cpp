// Pasting (x, y) pairs from the clipboard through a column box's context
// menu: how lines split, and the notice for a line that is not a pair.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <memory>

#include "numeric/locale_mark.h"
#include "ui/qt/qt_widget.h"
#include "ui_test_support.h"

namespace peruka::testing {
namespace {

const QString kPasteCaption = QString::fromUtf8("x と y の組を貼り付け(&V)");

// The added item of a column box's context menu, as the menu shows it.
void ChoosePastePairs(TMemo& box) {
  std::unique_ptr<QMenu> menu(CreateContextMenu(box, QPoint(1, 1)));
  for (QAction* action : menu->actions()) {
    if (action->text() != kPasteCaption) continue;
    action->trigger();
    return;
  }
  ADD_FAILURE() << "no paste item in " << box.Name() << "'s context menu";
}

TEST_F(MainFormTest, TheColumnsContextMenusKeepTheStandardItemsAndAddThePasteItem) {
  for (TMemo* box : {form_->XData, form_->YData}) {
    SCOPED_TRACE(box->Name());
    std::unique_ptr<QMenu> standard(QtEdit(box)->createStandardContextMenu());
    std::unique_ptr<QMenu> menu(CreateContextMenu(*box, QPoint(1, 1)));
    const QList<QAction*> items = menu->actions();
    // A separator, the paste item and the save item.
    ASSERT_EQ(items.size(), standard->actions().size() + 3);
    for (qsizetype i = 0; i < standard->actions().size(); ++i)
      EXPECT_EQ(items[i]->text(), standard->actions()[i]->text());
    EXPECT_TRUE(items[items.size() - 3]->isSeparator());
    EXPECT_EQ(items[items.size() - 2]->text(), kPasteCaption);
    EXPECT_EQ(items.last()->text(), QString::fromUtf8("データを保存(&S)..."));
  }
  std::unique_ptr<QMenu> entry(CreateContextMenu(*form_->Data, QPoint(1, 1)));
  for (QAction* action : entry->actions()) EXPECT_NE(action->text(), kPasteCaption);
}

struct PasteCase {
  const char* name;
  const char* clipboard;  // UTF-8
  char decimalMark;
  bool fromY;          // the menu of the y column, else of the x column
  const char* xAfter;  // both columns start as "9" and "8", without a line break
  const char* yAfter;
  const char* notice;  // empty for none
};
void PrintTo(const PasteCase& c, std::ostream* os) {
  *os << Quoted(c.clipboard) << " with mark '" << c.decimalMark << "': x " << Quoted(c.xAfter) << ", y "
      << Quoted(c.yAfter) << (*c.notice ? ", notice " + Quoted(c.notice) : std::string());
}

class PairPasteTest : public MainFormTest, public ::testing::WithParamInterface<PasteCase> {
 protected:
  void TearDown() override {
    SetLocaleDecimalMark(savedMark_);
    MainFormTest::TearDown();
  }
  char savedMark_ = LocaleDecimalMark();
};

TEST_P(PairPasteTest, AppendsThePairsOrNamesTheFirstLineThatIsNone) {
  const PasteCase& c = GetParam();
  SetLocaleDecimalMark(c.decimalMark);
  BoxWatcher boxes;
  SetColumns("9", "8");
  QGuiApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
  ChoosePastePairs(c.fromY ? *form_->YData : *form_->XData);
  EXPECT_EQ(XText(), c.xAfter);
  EXPECT_EQ(YText(), c.yAfter);
  if (*c.notice) {
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].kind, BoxSeen::kNotice);
    EXPECT_EQ(boxes.Seen()[0].title, "ペルカ");
    EXPECT_EQ(boxes.Seen()[0].text, c.notice);
  } else {
    EXPECT_TRUE(boxes.Seen().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Clipboards, PairPasteTest,
    ::testing::Values(
        PasteCase{"Tab", "1\t2\n-3.5\t4\n", '.', false, "9\r\n1\r\n-3.5", "8\r\n2\r\n4", ""},
        PasteCase{"Comma", "1,2\n3 , 4", '.', true, "9\r\n1\r\n3", "8\r\n2\r\n4", ""},
        PasteCase{"Blanks", "  1   2  \n3 4", '.', false, "9\r\n1\r\n3", "8\r\n2\r\n4", ""},
        PasteCase{"CrLfAndEmptyLines", "1\t2\r\n\r\n  \r\n5\t6\r\n", '.', false, "9\r\n1\r\n5", "8\r\n2\r\n6",
                  ""},
        PasteCase{"CommaMarkKeepsCommas", "1,5 2,5\n3,5\t4", ',', true, "9\r\n1,5\r\n3,5", "8\r\n2,5\r\n4",
                  ""},
        PasteCase{"CommaMarkCommaIsNoSeparator", "1\t2\n1,2", ',', false, "9", "8",
                  "2 行目が x と y の組になっていません"},
        PasteCase{"LoneValue", "1\t2\n3\t4\n5\n7\t8", '.', false, "9", "8",
                  "3 行目が x と y の組になっていません"},
        PasteCase{"BlankInsideAPart", "1\t2\n1,5 2", '.', false, "9", "8",
                  "2 行目が x と y の組になっていません"},
        PasteCase{"ThreeParts", "1,2,3", '.', true, "9", "8", "1 行目が x と y の組になっていません"},
        PasteCase{"EmptyPart", "\n1\t", '.', false, "9", "8", "2 行目が x と y の組になっていません"},
        PasteCase{"NothingToPaste", "\n \n", '.', false, "9", "8", ""}),
    RowName());

}  // namespace
}  // namespace peruka::testing
