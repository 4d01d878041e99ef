// The detail window on Qt: its table and notes as the calculations change,
// copying it, Escape; and the graph window's exact curve, in the image and
// in the SVG document, only while its option is on.
#include "app/qt/details_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <memory>
#include <vector>

#include "app/qt/graph_canvas.h"
#include "plot/graph_drawing.h"
#include "ui_test_support.h"

namespace peruka::testing {
namespace {

class DetailsWindowTest : public MainFormTest {
 protected:
  DetailsWindow* Calculate(const QString& x, const QString& y, int degreeIndex) {
    SetColumns(x, y);
    form_->Jisuu->SetItemIndex(degreeIndex);
    ClickCalc();
    return dynamic_cast<DetailsWindow*>(form_->Details());
  }
  // The table as the clipboard should hold it: the headings, then the rows.
  static QString TableText(const QTableWidget& table) {
    QStringList lines;
    QStringList cells;
    for (int c = 0; c < table.columnCount(); ++c) cells << table.horizontalHeaderItem(c)->text();
    lines << cells.join(u'\t');
    for (int r = 0; r < table.rowCount(); ++r) {
      cells.clear();
      for (int c = 0; c < table.columnCount(); ++c) cells << table.item(r, c)->text();
      lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
  }
};

TEST_F(DetailsWindowTest, ShowsTheLastCalculationAndCopiesItAsTabSeparatedText) {
  BoxWatcher boxes;
  Calculate("1\n2\n3", "1\n3\n5.5", 0);
  QtAction(form_->DetailsCommand())->trigger();
  auto* details = dynamic_cast<DetailsWindow*>(form_->Details());
  ASSERT_NE(details, nullptr);
  EXPECT_EQ(details->windowTitle(), QString::fromUtf8("計算の詳細"));
  QTableWidget* table = details->Table();
  ASSERT_EQ(table->rowCount(), 2);
  ASSERT_EQ(table->columnCount(), 7);
  EXPECT_EQ(table->item(0, 0)->text(), "1");
  EXPECT_EQ(table->item(0, 2)->text(), "2.25");  // the exact slope
  EXPECT_EQ(table->item(1, 2)->text(), "-1.3333333333333333");
  EXPECT_TRUE(details->Figures()->text().startsWith(QString::fromUtf8("決定係数: 0.9959016393442623\n")));

  // The button and Ctrl+C in the table: the table, then the figures.
  for (const bool byKeys : {false, true}) {
    QGuiApplication::clipboard()->clear();
    if (byKeys) {
      QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    } else {
      QTest::mouseClick(details->CopyButton(), Qt::LeftButton);
    }
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(TableText(*table))) << copied.toStdString();
    EXPECT_TRUE(copied.contains(QString::fromUtf8("\n決定係数\t0.9959016393442623\n"))) << byKeys;
  }

  // The next calculation shows at once: x² + 1 through four points; then
  // two values of x for a parabola, which has no one exact solution (the
  // window's own elimination, in rounded arithmetic, meets no zero pivot).
  Calculate("1\n2\n3\n4", "2\n5\n10\n17", 1);
  ASSERT_EQ(table->rowCount(), 3);
  EXPECT_EQ(table->item(0, 2)->text(), "1");
  EXPECT_TRUE(details->Note()->isHidden());
  Calculate("0.1\n0.1\n0.3\n0.3", "1\n2\n3\n4", 1);
  EXPECT_EQ(table->columnCount(), 2);
  EXPECT_TRUE(details->Note()->text().contains(QString::fromUtf8("一つに定まりません")));
  EXPECT_TRUE(boxes.Seen().empty());

  QTest::keyClick(details->CopyButton(), Qt::Key_Escape);
  EXPECT_FALSE(details->isVisible());
}

// Pixels of the colour within the plot area.
int PixelsOf(const QImage& image, Rgb colour) {
  int count = 0;
  const QColor wanted = QColor::fromRgb(static_cast<QRgb>(0xFF000000u | colour));
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (std::abs(pixel.red() - wanted.red()) + std::abs(pixel.green() - wanted.green()) +
              std::abs(pixel.blue() - wanted.blue()) <=
          40)
        ++count;
    }
  return count;
}

TEST_F(DetailsWindowTest, TheGraphDrawsTheExactCurveOnlyWhileItsOptionIsOn) {
  BoxWatcher boxes;
  Calculate("1\n2\n3", "1\n3\n5.5", 0);
  QtAction(form_->GraphCommand())->trigger();
  GraphWindow* graph = QtGraph(form_);
  ASSERT_NE(graph, nullptr);
  GraphCanvas* canvas = graph->Canvas();
  const QSize size(640, 440);
  EXPECT_FALSE(graph->ExactOption()->isChecked());
  EXPECT_EQ(PixelsOf(canvas->RenderImage(size), kExactCurveColor), 0);

  graph->ExactOption()->click();
  ASSERT_NE(canvas->ExactCurve(), nullptr);
  EXPECT_EQ(canvas->ExactCurve()->coefficients[1], 2.25);
  EXPECT_EQ(canvas->ExactCurve()->coefficients[0], -4.0 / 3.0);
  EXPECT_GT(PixelsOf(canvas->RenderImage(size), kExactCurveColor), 300);
  const QString svg = QString::fromUtf8(canvas->RenderSvg(size));
  EXPECT_TRUE(svg.contains(QStringLiteral("stroke=\"#c0189c\""))) << svg.toStdString();
  EXPECT_TRUE(svg.contains(QString::fromUtf8("厳密解")));

  // A later calculation brings its own exact curve along.
  Calculate("1\n2\n3\n4", "2\n5\n10\n17", 1);
  ASSERT_NE(canvas->ExactCurve(), nullptr);
  EXPECT_EQ(canvas->ExactCurve()->degree, 2);

  graph->ExactOption()->click();
  EXPECT_EQ(PixelsOf(canvas->RenderImage(size), kExactCurveColor), 0);
  EXPECT_FALSE(QString::fromUtf8(canvas->RenderSvg(size)).contains(QStringLiteral("#c0189c")));
}

// Where the two part, the exact curve runs where the exact polynomial is.
TEST(ExactCurveTest, LandsOnTheExactPolynomialsPixels) {
  FitResult described;
  described.degree = 1;
  described.coefficients = {1.0, 2.0};
  FitResult exact = described;
  exact.coefficients = {3.0, 0.5};
  GraphCanvas canvas;
  canvas.SetData(std::make_shared<const GraphData>(
      MakeGraphData(described, std::vector<double>{0, 1, 2, 3}, std::vector<double>{1, 3, 5, 7})));
  canvas.SetExactCurve(std::make_shared<const FitResult>(exact));
  canvas.SetExactShown(true);
  const QSize size(640, 440);
  const QImage image = canvas.RenderImage(size);
  const GraphCanvas::Frame frame = canvas.FrameAt(size);
  for (const double x : {0.4, 1.6, 2.7}) {
    const int column = static_cast<int>(PixelX(frame.area, frame.ranges.x, x));
    const double row = PixelY(frame.area, frame.ranges.y, 3.0 + 0.5 * x);
    const QColor wanted = QColor::fromRgb(static_cast<QRgb>(0xFF000000u | kExactCurveColor));
    double nearest = 1e9;
    for (int r = 0; r < image.height(); ++r) {
      const QColor pixel = image.pixelColor(column, r);
      if (std::abs(pixel.red() - wanted.red()) + std::abs(pixel.green() - wanted.green()) +
              std::abs(pixel.blue() - wanted.blue()) <=
          60)
        nearest = std::min(nearest, std::fabs(r + 0.5 - row));
    }
    EXPECT_LE(nearest, 1.5) << "x " << x;
  }
}

}  // namespace
}  // namespace peruka::testing
