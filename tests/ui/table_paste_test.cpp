// The dialog that asks which two columns of a wider table the pairs paste
// takes: the names it lists, the columns OK takes, the same column twice
// asked again, and Escape, which pastes nothing. (What each table gives
// the columns: tests/app/pasted_table_test.cpp.)
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "app/column_choice_form.h"
#include "ui/qt/qt_widget.h"
#include "ui_test_support.h"

namespace peruka::testing {
namespace {

QComboBox* Combo(const TComboBox* list) { return qobject_cast<QComboBox*>(QtWidget(list)); }

std::vector<std::string> Items(const TComboBox* list) {
  std::vector<std::string> items;
  for (int i = 0; i < Combo(list)->count(); ++i) items.push_back(Combo(list)->itemText(i).toStdString());
  return items;
}

TEST_F(MainFormTest, AWiderTableAsksWhichTwoColumnsToPaste) {
  const std::string ask = "表に 4 列あります。x と y にする列を選んでください。";
  const std::string note = "1 行目を見出しとみなして読み飛ばしました";
  struct Case {
    const char* name;
    std::vector<int> picks;  // x and y as chosen; two more after OK on the same column
    CloseBy closeBy;
    const char* xAfter;  // both columns start as "9" and "8"
    const char* yAfter;
    std::vector<std::string> boxes;  // the texts of the boxes shown, in order
  };
  const std::vector<Case> cases = {
      {"TheChosenColumns", {1, 3}, CloseBy::kClickOk, "9\r\n0\r\n1", "8\r\n1\r\n3", {ask, note}},
      {"TheSameColumnTwiceIsAskedAgain",
       {2, 2, 3, 1},
       CloseBy::kEnter,
       "9\r\n1\r\n3",
       "8\r\n0\r\n1",
       {ask, note}},
      {"EscapePastesNothing", {1, 3}, CloseBy::kEscape, "9", "8", {ask}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BoxWatcher boxes(c.closeBy);
    boxes.OnBox([&](QWidget* box) {
      auto* choice = dynamic_cast<TColumnChoiceForm*>(ControlOfWidget(box));
      if (!choice) return;
      const std::vector<std::string> names = {"name", "x", "weight", "y"};
      EXPECT_EQ(Items(choice->XColumn), names);
      EXPECT_EQ(Items(choice->YColumn), names);
      EXPECT_EQ(choice->XColumn->ItemIndex(), 0);
      EXPECT_EQ(choice->YColumn->ItemIndex(), 1);
      for (std::size_t i = 0; i + 1 < c.picks.size(); i += 2) {
        if (i > 0) {
          QTest::mouseClick(QtButton(choice->OK), Qt::LeftButton);
          EXPECT_TRUE(box->isVisible());
          EXPECT_EQ(Utf8(choice->Message->Caption()), "x と y には別々の列を選んでください。");
        }
        Combo(choice->XColumn)->setCurrentIndex(c.picks[i]);
        Combo(choice->YColumn)->setCurrentIndex(c.picks[i + 1]);
      }
    });
    SetColumns("9", "8");
    QGuiApplication::clipboard()->setText(QString::fromUtf8("name,x,weight,y\na,0,9,1\nb,1,9,3\n"));
    form_->PastePairs(form_->XData);
    EXPECT_EQ(XText(), c.xAfter);
    EXPECT_EQ(YText(), c.yAfter);
    EXPECT_EQ(boxes.Texts(), c.boxes);
  }
}

}  // namespace
}  // namespace peruka::testing
