// The graph window's bands, x entry and cursor read-out, by keys and
// pointer, on the screen, in PNG and in SVG.
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cmath>
#include <string>
#include <vector>

#include "app/qt/graph_canvas.h"
#include "app/qt/graph_window.h"
#include "plot/graph_drawing.h"
#include "ui/qt/qt_widget.h"
#include "ui_test_support.h"

namespace peruka::testing {
namespace {

// The first and the last row of the column whose pixel is the colour: a
// band's fill reaches from one edge to the other.
struct Rows {
  double first = -1.0;
  double last = -1.0;
};
Rows RowsOf(const QImage& image, int column, Rgb colour) {
  const QColor wanted = QColor::fromRgb(static_cast<QRgb>(0xFF000000u | colour));
  Rows rows;
  for (int r = 0; r < image.height(); ++r) {
    const QColor pixel = image.pixelColor(column, r);
    if (std::abs(pixel.red() - wanted.red()) + std::abs(pixel.green() - wanted.green()) +
            std::abs(pixel.blue() - wanted.blue()) <=
        6) {
      if (rows.first < 0) rows.first = r + 0.5;
      rows.last = r + 0.5;
    }
  }
  return rows;
}

class GraphExtrasTest : public MainFormTest {
 protected:
  // y = 1, 3, 2, 5 at x = 1..4 at the first degree, and the graph window
  // opened with Ctrl+G.
  GraphWindow* Open() {
    SetColumns("1\n2\n3\n4", "1\n3\n2\n5");
    form_->Jisuu->SetItemIndex(0);
    ClickCalc();
    QtWidget(form_)->activateWindow();
    QTest::keyClick(QtWidget(form_), Qt::Key_G, Qt::ControlModifier);
    GraphWindow* graph = QtGraph(form_);
    if (graph != nullptr) {
      graph->activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(graph));
    }
    return graph;
  }
};

// p(x) = 1.1x; t·se at x = 1.5 and 3.5 from Python's fractions.
TEST_F(GraphExtrasTest, BandsLandOnTheRowsOfTheirIntervals) {
  GraphWindow* graph = Open();
  ASSERT_NE(graph, nullptr);
  GraphCanvas* canvas = graph->Canvas();
  const QSize size(640, 440);
  EXPECT_FALSE(graph->MeanBandOption()->isChecked());
  EXPECT_FALSE(graph->PredictionBandOption()->isChecked());
  const QImage before = canvas->RenderImage(size);
  graph->MeanBandOption()->click();
  graph->PredictionBandOption()->click();
  ASSERT_TRUE(graph->MeanBandOption()->isChecked());
  ASSERT_TRUE(graph->PredictionBandOption()->isChecked());

  const QImage image = canvas->RenderImage(size);
  const GraphCanvas::Frame frame = canvas->FrameAt(size);
  const struct {
    double x, meanHalf, predictionHalf;
  } rows[] = {{1.5, 3.3535859108629467, 6.019870941627084}, {3.5, 3.3535859108629467, 6.019870941627084}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.x);
    const int column = static_cast<int>(PixelX(frame.area, frame.ranges.x, r.x));
    const double centre = 1.1 * r.x;
    const auto row = [&](double y) { return PixelY(frame.area, frame.ranges.y, y); };
    // Each fill lies between its edges, the smoothed edge lines a pixel
    // wide and more where they slope.
    const Rows mean = RowsOf(image, column, kMeanBandColor);
    EXPECT_NEAR(mean.first, row(centre + r.meanHalf), 2.5);
    EXPECT_NEAR(mean.last, row(centre - r.meanHalf), 2.5);
    const Rows prediction = RowsOf(image, column, kPredictionBandColor);
    EXPECT_NEAR(prediction.first, row(centre + r.predictionHalf), 2.5);
    EXPECT_NEAR(prediction.last, row(centre - r.predictionHalf), 2.5);
  }
  const QString svg = QString::fromUtf8(canvas->RenderSvg(size));
  EXPECT_TRUE(svg.contains(QStringLiteral("#6f90cc"))) << "mean band edge";
  EXPECT_TRUE(svg.contains(QString::fromUtf8("95% 信頼帯")));
  EXPECT_TRUE(svg.contains(QString::fromUtf8("95% 予測帯")));

  graph->MeanBandOption()->click();
  graph->PredictionBandOption()->click();
  EXPECT_EQ(canvas->RenderImage(size), before);
  EXPECT_FALSE(QString::fromUtf8(canvas->RenderSvg(size)).contains(QString::fromUtf8("95% 信頼帯")));
}

TEST_F(GraphExtrasTest, TheXEntryShowsTheValueAsTheUserTypes) {
  GraphWindow* graph = Open();
  ASSERT_NE(graph, nullptr);
  graph->XEntry()->setFocus();
  QTest::keyClicks(graph->XEntry(), "3.5");
  const std::string shown = graph->EntryReadout()->text().toStdString();
  EXPECT_EQ(shown.rfind("p(3.5) = 3.8500000000000005 (厳密解)  95% 信頼区間: [0.49641408913705", 0), 0u)
      << shown;
  QTest::keyClick(graph->XEntry(), Qt::Key_A);
  EXPECT_EQ(graph->EntryReadout()->text(), QString::fromUtf8("数字じゃないデータがあるよ(･･､)"));
  graph->XEntry()->clear();
  EXPECT_TRUE(graph->EntryReadout()->text().isEmpty());
  // Escape still closes the window from the entry.
  QTest::keyClick(graph->XEntry(), Qt::Key_Escape);
  EXPECT_FALSE(graph->isVisible());
}

TEST_F(GraphExtrasTest, TheCursorFollowsThePointerAndTheKeys) {
  GraphWindow* graph = Open();
  ASSERT_NE(graph, nullptr);
  GraphCanvas* canvas = graph->Canvas();
  const GraphCanvas::Frame frame = canvas->CurrentFrame();
  EXPECT_TRUE(graph->CursorReadout()->text().isEmpty());
  canvas->setFocus();
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    double column;  // from the plot's left edge
  } steps[] = {
      {Qt::Key_Home, Qt::NoModifier, 0},
      {Qt::Key_Right, Qt::NoModifier, 1},
      {Qt::Key_Right, Qt::ShiftModifier, 11},
      {Qt::Key_Left, Qt::NoModifier, 10},
      {Qt::Key_Left, Qt::ShiftModifier, 0},
      {Qt::Key_Left, Qt::NoModifier, 0},
      {Qt::Key_End, Qt::NoModifier, std::ceil(frame.area.width) - 1},
  };
  for (const auto& step : steps) {
    QTest::keyClick(canvas, step.key, step.modifiers);
    ASSERT_TRUE(canvas->CursorX()) << step.column;
    EXPECT_EQ(*canvas->CursorX(), std::floor(frame.area.left) + step.column + 0.5) << step.column;
  }
  const std::string shown = graph->CursorReadout()->text().toStdString();
  EXPECT_EQ(shown.rfind("カーソル位置  x = ", 0), 0u) << shown;

  // The pointer over the plot moves it; leaving the canvas's focus clears it.
  const QPoint middle(static_cast<int>(frame.area.left + frame.area.width / 2),
                      static_cast<int>(frame.area.top + 10));
  QTest::mouseMove(canvas, middle);
  ASSERT_TRUE(canvas->CursorX());
  EXPECT_EQ(*canvas->CursorX(), std::floor(frame.area.left + std::floor(middle.x() - frame.area.left)) + 0.5);
  graph->XEntry()->setFocus();
  EXPECT_FALSE(canvas->CursorX());
  EXPECT_TRUE(graph->CursorReadout()->text().isEmpty());
}

}  // namespace
}  // namespace peruka::testing
