// Dropping text files on the window: their pairs go to the columns as the
// paste command puts them, decoded from UTF-8 or Shift-JIS.
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QUrl>

#include "ui/qt/qt_widget.h"
#include "ui_test_support.h"

namespace peruka::testing {
namespace {

struct DropCase {
  const char* name;
  const char* bytes;   // the file's bytes; null for a file that is not there
  const char* xAfter;  // both columns start as "9" and "8"
  const char* yAfter;
  const char* notice;  // empty for none; "<name>" stands for the file's path
  bool onColumn;       // dropped on the y column's text area (which takes text itself), else on the window
};
void PrintTo(const DropCase& c, std::ostream* os) {
  *os << (c.bytes ? Quoted(c.bytes) : std::string("no file")) << ": x " << Quoted(c.xAfter) << ", y "
      << Quoted(c.yAfter);
}

// Drags the data onto the window and, when the window takes it, drops it
// there. True when the window took it.
bool DropOnWindow(QWidget* window, QMimeData& data) {
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  enter.setAccepted(false);
  QCoreApplication::sendEvent(window, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &drop);
  return drop.isAccepted();
}

class FileDropTest : public MainFormTest, public ::testing::WithParamInterface<DropCase> {};

TEST_P(FileDropTest, AppendsTheFilesPairsOrShowsANotice) {
  const DropCase& c = GetParam();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("points.txt"));
  if (c.bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(c.bytes);
  }
  BoxWatcher boxes;
  SetColumns("9", "8");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  data.setText(QUrl::fromLocalFile(path).toString());  // as file managers offer it too
  EXPECT_TRUE(DropOnWindow(c.onColumn ? QtEdit(form_->YData)->viewport() : QtWidget(form_), data));
  EXPECT_EQ(XText(), c.xAfter);
  EXPECT_EQ(YText(), c.yAfter);
  std::string notice = c.notice;
  if (const std::size_t at = notice.find("<name>"); at != std::string::npos)
    notice.replace(at, 6, path.toStdString());
  if (notice.empty()) {
    EXPECT_TRUE(boxes.Seen().empty());
  } else {
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].kind, BoxSeen::kNotice);
    EXPECT_EQ(boxes.Seen()[0].text, notice);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, FileDropTest,
    ::testing::Values(DropCase{"Utf8",
                               "\xEF\xBB\xBF"
                               "1\t2\n\xEF\xBC\x93,4\n",
                               "9\r\n1\r\n３", "8\r\n2\r\n4", "", false},
                      DropCase{"ShiftJis", "1 2\r\n\x82\x52\t4\r\n", "9\r\n1\r\n３", "8\r\n2\r\n4", "", true},
                      DropCase{"BadLine", "1\t2\n3\n", "9", "8", "2 行目が x と y の組になっていません",
                               true},
                      DropCase{"Missing", nullptr, "9", "8", "<name> を読み込めません", false}),
    RowName());

TEST_F(MainFormTest, TheWindowTakesOnlyLocalFiles) {
  QMimeData web;
  web.setUrls({QUrl(QStringLiteral("https://example.org/points.txt"))});
  QMimeData text;
  text.setText(QStringLiteral("1\t2"));
  for (QMimeData* data : {&web, &text}) EXPECT_FALSE(DropOnWindow(QtWidget(form_), *data));
  EXPECT_EQ(XText(), "");
  EXPECT_EQ(YText(), "");
}

// A drag event whose source proposes a move, as file managers do for a drag
// without modifiers onto another window of the same disk.
template <class Event>
struct ProposingMove : Event {
  ProposingMove(QPoint at, Qt::DropActions offered, const QMimeData* data)
      : Event(at, offered, data, Qt::LeftButton, Qt::NoModifier) {
    this->m_defaultAction = Qt::MoveAction;
  }
};

// A file is only read, never moved: whatever the source proposes, the window
// answers Copy, and it refuses a source that offers nothing but a move.
TEST_F(MainFormTest, AFileDropIsTakenAsACopyOnly) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("points.txt"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("1\t2\n");
  file.close();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  for (QWidget* target : {QtWidget(form_), QtEdit(form_->XData)->viewport()}) {
    for (const Qt::DropActions offered :
         {Qt::DropActions(Qt::CopyAction | Qt::MoveAction), Qt::DropActions(Qt::MoveAction)}) {
      const bool copyOffered = offered.testFlag(Qt::CopyAction);
      SCOPED_TRACE(copyOffered ? "copy or move" : "move only");
      SetColumns("", "");
      ProposingMove<QDragEnterEvent> enter(QPoint(5, 5), offered, &data);
      QCoreApplication::sendEvent(target, &enter);
      EXPECT_EQ(enter.isAccepted(), copyOffered);
      ProposingMove<QDropEvent> drop(QPoint(5, 5), offered, &data);
      QCoreApplication::sendEvent(target, &drop);
      EXPECT_EQ(drop.isAccepted(), copyOffered);
      if (copyOffered) {
        EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
      }
      EXPECT_EQ(XText(), copyOffered ? "1\r\n" : "");
      EXPECT_EQ(YText(), copyOffered ? "2\r\n" : "");
    }
  }
}

}  // namespace
}  // namespace peruka::testing
