// Saving both columns through a column box's context menu, with the save
// dialog replaced by a chooser that names a file of the test's.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "app/qt/graph_window.h"
#include "ui/qt/qt_save_file.h"
#include "ui/qt/qt_widget.h"
#include "ui_test_support.h"

namespace peruka::testing {
namespace {

const QString kSaveCaption = QString::fromUtf8("データを保存(&S)...");

void ChooseSaveData(TMemo& box) {
  std::unique_ptr<QMenu> menu(CreateContextMenu(box, QPoint(1, 1)));
  for (QAction* action : menu->actions()) {
    if (action->text() != kSaveCaption) continue;
    action->trigger();
    return;
  }
  ADD_FAILURE() << "no save item in " << box.Name() << "'s context menu";
}

struct SaveCase {
  const char* name;
  const char* x;  // UTF-8, "\n" between lines
  const char* y;
  bool fromY;
  bool toDirectory;   // the chosen name is a directory: the writing fails
  const char* saved;  // the file's bytes; the notice when the writing fails
};
void PrintTo(const SaveCase& c, std::ostream* os) {
  *os << "x " << Quoted(c.x) << ", y " << Quoted(c.y) << (c.toDirectory ? " to a directory" : "");
}

class SaveDataTest : public MainFormTest, public ::testing::WithParamInterface<SaveCase> {
 protected:
  void TearDown() override {
    SetSaveFileChooser(previous_);
    MainFormTest::TearDown();
  }
  SaveFileChooser previous_;
};

TEST_P(SaveDataTest, WritesTheColumnsAsTabSeparatedUtf8OrShowsANotice) {
  const SaveCase& c = GetParam();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = c.toDirectory ? dir.path() : dir.filePath(QStringLiteral("points.tsv"));
  QString askedCaption;
  previous_ = SetSaveFileChooser([&](QWidget*, const SaveRequest& request) {
    askedCaption = request.caption;
    return path;
  });
  BoxWatcher boxes;
  SetColumns(QString::fromUtf8(c.x), QString::fromUtf8(c.y));
  ChooseSaveData(c.fromY ? *form_->YData : *form_->XData);
  EXPECT_EQ(askedCaption, QString::fromUtf8("データを保存..."));
  EXPECT_EQ(XText(), QString::fromUtf8(c.x).replace(u'\n', QStringLiteral("\r\n")).toStdString());
  if (c.toDirectory) {
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].kind, BoxSeen::kNotice);
    EXPECT_EQ(boxes.Seen()[0].text, path.toStdString() + c.saved);
    return;
  }
  EXPECT_TRUE(boxes.Seen().empty());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), c.saved);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, SaveDataTest,
    ::testing::Values(SaveCase{"SameCounts", "1\n-2.5", "3\n4", false, false, "1\t3\n-2.5\t4\n"},
                      SaveCase{"ShorterY", "1\n2\n３", "5", true, false, "1\t5\n2\t\n３\t\n"},
                      SaveCase{"ShorterX", "1", "5\n6", false, false, "1\t5\n\t6\n"},
                      SaveCase{"Empty", "", "", false, false, ""},
                      SaveCase{"Directory", "1", "2", true, true, " に書き込めません"}),
    RowName());

TEST_F(MainFormTest, CancellingTheSaveDialogWritesNothing) {
  SaveFileChooser previous = SetSaveFileChooser([](QWidget*, const SaveRequest&) { return QString(); });
  SetColumns("1", "2");
  ChooseSaveData(*form_->XData);
  SetSaveFileChooser(previous);
  EXPECT_EQ(XText(), "1");
}

// Each save dialog offers its file type and a suggested name, first in the
// documents folder, then in the folder last saved to from either window; a
// name typed without an extension gets the type's.
TEST_F(MainFormTest, SaveDialogsOfferTheirTypeANameAndTheLastFolder) {
  BoxWatcher boxes;
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  SaveRequest asked;
  const SaveFileChooser previous = SetSaveFileChooser([&](QWidget*, const SaveRequest& request) {
    asked = request;
    return dir.filePath(QStringLiteral("chosen"));
  });
  SetColumns("1\n2\n3", "1\n3\n2");
  ClickCalc();
  QtAction(form_->GraphCommand())->trigger();
  GraphWindow* graph = QtGraph(form_);
  ASSERT_NE(graph, nullptr);
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  struct Step {
    std::function<void()> save;
    const char* filter;
    QString suggestedFolder;
    const char* suggestedName;
    const char* written;
  };
  const Step steps[] = {
      {[&] { ChooseSaveData(*form_->YData); }, "タブ区切りテキスト (*.tsv)", documents, "peruka-data.tsv",
       "chosen.tsv"},
      {[&] { graph->SavePng(); }, "PNG 画像 (*.png)", dir.path(), "peruka-graph.png", "chosen.png"},
      {[&] { graph->SaveSvg(); }, "SVG 画像 (*.svg)", dir.path(), "peruka-graph.svg", "chosen.svg"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.written);
    step.save();
    EXPECT_EQ(asked.filter.toStdString(), step.filter);
    EXPECT_EQ(asked.suggestedPath,
              QDir(step.suggestedFolder).filePath(QString::fromUtf8(step.suggestedName)));
    EXPECT_TRUE(QFile::exists(dir.filePath(QString::fromUtf8(step.written))));
  }
  SetSaveFileChooser(previous);
  EXPECT_TRUE(boxes.Seen().empty());
}

}  // namespace
}  // namespace peruka::testing
