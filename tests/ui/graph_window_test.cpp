// The graph window: where the curve and the marks land in the drawn image,
// the SVG drawing, saving and copying, Escape, and following calculations.
#include "app/qt/graph_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <cmath>
#include <memory>
#include <vector>

#include "app/qt/graph_canvas.h"
#include "ui/qt/qt_save_file.h"
#include "ui/qt/qt_widget.h"
#include "ui_test_support.h"

namespace peruka::testing {
namespace {

const QSize kImageSize(640, 440);

// The polynomial summed term by term in double, apart from the program's
// Horner evaluation.
double Polynomial(const std::vector<double>& c, double x) {
  double sum = 0.0;
  for (std::size_t k = 0; k < c.size(); ++k) sum += c[k] * std::pow(x, static_cast<double>(k));
  return sum;
}

std::shared_ptr<const GraphData> Graph(const std::vector<double>& c, std::vector<double> x,
                                       std::vector<double> y) {
  FitResult fit;
  fit.degree = static_cast<int>(c.size()) - 1;
  for (std::size_t k = 0; k < c.size(); ++k) fit.coefficients[k] = c[k];
  return std::make_shared<const GraphData>(MakeGraphData(fit, std::move(x), std::move(y)));
}

bool Near(QRgb pixel, QRgb colour, int tolerance) {
  return std::abs(qRed(pixel) - qRed(colour)) + std::abs(qGreen(pixel) - qGreen(colour)) +
             std::abs(qBlue(pixel) - qBlue(colour)) <=
         tolerance;
}

struct CurveCase {
  const char* name;
  std::vector<double> coefficients;
  std::vector<double> x;
  std::vector<double> y;
  bool residuals;
};
void PrintTo(const CurveCase& c, std::ostream* os) { *os << c.name; }

class GraphImageTest : public ::testing::TestWithParam<CurveCase> {};

TEST_P(GraphImageTest, TheCurveAndTheMarksLandOnTheirPixels) {
  const CurveCase& c = GetParam();
  GraphCanvas canvas;
  canvas.SetData(Graph(c.coefficients, c.x, c.y));
  canvas.SetResidualsShown(c.residuals);
  const QImage image = canvas.RenderImage(kImageSize);
  const GraphCanvas::Frame frame = canvas.FrameAt(kImageSize);
  const PlotArea& a = frame.area;
  const Range& xr = frame.ranges.x;
  const Range& yr = frame.ranges.y;
  const auto rowOf = [&](double y) { return a.top + (yr.hi - y) / (yr.hi - yr.lo) * a.height; };
  const auto columnOf = [&](double x) { return a.left + (x - xr.lo) / (xr.hi - xr.lo) * a.width; };

  // The curve at pixel columns between the points: some pixel of the curve's
  // colour within 1 px of the polynomial's value at the column's centre.
  for (const double share : {0.1, 0.3, 0.55, 0.8, 0.95}) {
    const int column = static_cast<int>(a.left + share * a.width);
    const double x = xr.lo + (column + 0.5 - a.left) / a.width * (xr.hi - xr.lo);
    const double row = rowOf(Polynomial(c.coefficients, x));
    if (row < a.top + 2 || row > a.top + a.height - 2) continue;  // cut off by the frame
    bool underAMark = false;
    for (const double point : c.x) underAMark = underAMark || std::fabs(columnOf(point) - column) < 6.0;
    if (underAMark) continue;
    double nearest = 1e9;
    for (int r = static_cast<int>(a.top); r < static_cast<int>(a.top + a.height); ++r)
      if (Near(image.pixel(column, r), kCurveColor, 90))
        nearest = std::min(nearest, std::fabs(r + 0.5 - row));
    EXPECT_LE(nearest, 1.0) << "column " << column << ", x " << x << ", row " << row;
  }
  // A mark on every point, and a residual line halfway to the curve.
  for (std::size_t i = 0; i < c.x.size(); ++i) {
    const double px = columnOf(c.x[i]);
    const double py = rowOf(c.y[i]);
    EXPECT_TRUE(Near(image.pixel(static_cast<int>(px), static_cast<int>(py)), kMarkColor, 30))
        << "point " << i;
    const double curve = rowOf(Polynomial(c.coefficients, c.x[i]));
    if (std::fabs(curve - py) < 10.0) continue;
    EXPECT_EQ(Near(image.pixel(static_cast<int>(px), static_cast<int>((py + curve) / 2)), kResidualColor, 60),
              c.residuals)
        << "residual of point " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Graphs, GraphImageTest,
    ::testing::Values(CurveCase{"Line", {1.0, 2.0}, {0.0, 1.0, 2.0, 3.0}, {1.5, 2.6, 5.4, 7.0}, false},
                      CurveCase{"Cubic",
                                {0.5, -2.0, 0.0, 0.25},
                                {-4.0, -3.0, -2.0, -1.0, 0.0, 1.0, 2.0, 3.0, 4.0},
                                {-7.0, 0.0, 2.0, 2.4, 1.0, -1.0, -1.0, 1.0, 9.0},
                                true},
                      CurveCase{"FarFromZero",
                                {3.0, -1e-3, 2e-7},
                                {1000.0, 1250.0, 1500.0, 1750.0, 2000.0},
                                {2.3, 2.0, 1.95, 1.95, 2.05},
                                true}),
    RowName());

// A cloud dense enough to occupy every mark cell covers its part of the plot
// area without a gap: the marks lie on the cell grid and tile.
TEST(GraphMarksTest, ADenseCloudCoversEveryPixelItSpans) {
  std::vector<double> x;
  std::vector<double> y;
  constexpr int kSteps = 240;
  for (int i = 0; i <= kSteps; ++i) {
    for (int j = 0; j <= kSteps; ++j) {
      x.push_back(static_cast<double>(i) / kSteps);
      y.push_back(static_cast<double>(j) / kSteps);
    }
  }
  GraphCanvas canvas;
  canvas.SetData(Graph({0.5, 0.0}, x, y));
  const QSize size(260, 220);
  const QImage image = canvas.RenderImage(size);
  const GraphCanvas::Frame frame = canvas.FrameAt(size);
  const int left = static_cast<int>(std::ceil(PixelX(frame.area, frame.ranges.x, 0.0))) + 2;
  const int right = static_cast<int>(PixelX(frame.area, frame.ranges.x, 1.0)) - 2;
  const int top = static_cast<int>(std::ceil(PixelY(frame.area, frame.ranges.y, 1.0))) + 2;
  const int bottom = static_cast<int>(PixelY(frame.area, frame.ranges.y, 0.0)) - 2;
  ASSERT_GT(right - left, 100);
  ASSERT_GT(bottom - top, 100);
  int holes = 0;
  for (int row = top; row < bottom; ++row)
    for (int column = left; column < right; ++column)
      if (!Near(image.pixel(column, row), kMarkColor, 30)) ++holes;
  EXPECT_EQ(holes, 0);
}

struct SvgCase {
  const char* name;
  std::vector<double> x;
  std::vector<double> y;
  std::size_t marks;
};
void PrintTo(const SvgCase& c, std::ostream* os) { *os << c.name; }

std::vector<double> Repeated(std::vector<double> values, int times) {
  std::vector<double> all;
  for (int t = 0; t < times; ++t) all.insert(all.end(), values.begin(), values.end());
  return all;
}

class GraphSvgTest : public MainFormTest, public ::testing::WithParamInterface<SvgCase> {
 protected:
  void TearDown() override {
    SetSaveFileChooser(previous_);
    MainFormTest::TearDown();
  }
  SaveFileChooser previous_;
};

TEST_P(GraphSvgTest, IsWellFormedWithAMarkPerPointUpToTheReduction) {
  const SvgCase& c = GetParam();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("graph.svg"));
  previous_ = SetSaveFileChooser([&](QWidget*, const SaveRequest&) { return path; });
  GraphWindow window(QtWidget(form_));
  window.SetData(Graph({0.0, 1.0}, c.x, c.y));
  window.show();
  QTest::mouseClick(window.SaveSvgButton(), Qt::LeftButton);

  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader svg(&file);
  std::size_t marks = 0;
  QString text;
  while (!svg.atEnd()) {
    if (svg.readNext() != QXmlStreamReader::StartElement) continue;
    if (svg.name() == QLatin1String("circle") || svg.name() == QLatin1String("ellipse")) ++marks;
    if (svg.name() == QLatin1String("text")) text += svg.readElementText();
  }
  EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
  EXPECT_EQ(marks, c.marks);
  EXPECT_TRUE(text.contains(QString::fromUtf8("次数 1 の多項式"))) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Points, GraphSvgTest,
                         ::testing::Values(SvgCase{"Separate", {1, 2, 3, 4, 5}, {1, 3, 2, 5, 4}, 5},
                                           SvgCase{"Repeated", Repeated({1, 2, 3}, 1000),
                                                   Repeated({2, 1, 3}, 1000), 3}),
                         RowName());

class GraphWindowTest : public MainFormTest {
 protected:
  // Fills the columns, calculates and presses Ctrl+G in the main window.
  GraphWindow* Calculate(const QString& x, const QString& y, int degreeIndex) {
    SetColumns(x, y);
    form_->Jisuu->SetItemIndex(degreeIndex);
    ClickCalc();
    return QtGraph(form_);
  }
  GraphWindow* OpenByKeys() {
    // The main window is active again, as after a notice the user closed.
    QtWidget(form_)->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(QtWidget(form_)));
    QTest::keyClick(QtWidget(form_), Qt::Key_G, Qt::ControlModifier);
    return QtGraph(form_);
  }
  std::string Heading() const { return QtGraph(form_)->Canvas()->Heading().toStdString(); }
};

TEST_F(GraphWindowTest, OpensOnlyAfterASuccessfulCalculationAndFollowsTheNextOnes) {
  BoxWatcher boxes;
  EXPECT_FALSE(QtAction(form_->GraphCommand())->isEnabled());
  EXPECT_EQ(OpenByKeys(), nullptr);
  SetColumns("1\n2", "1");
  ClickCalc();  // unequal columns: a notice, no graph
  EXPECT_FALSE(QtAction(form_->GraphCommand())->isEnabled());

  // y = 1 + 0.5x through (1, 1), (2, 3), (3, 2): SSres 1.5, SStot 2.
  Calculate("1\n2\n3", "1\n3\n2", 0);
  EXPECT_TRUE(QtAction(form_->GraphCommand())->isEnabled());
  GraphWindow* graph = OpenByKeys();
  ASSERT_NE(graph, nullptr);
  EXPECT_TRUE(graph->isVisible());
  EXPECT_EQ(graph->windowTitle(), QString::fromUtf8("グラフ"));
  EXPECT_EQ(Heading(), "次数 1 の多項式  R² = 0.250000");

  // y = x² + 1 exactly.
  Calculate("1\n2\n3\n4", "2\n5\n10\n17", 1);
  EXPECT_EQ(Heading(), "次数 2 の多項式  R² = 1.000000");
  EXPECT_EQ(graph->Canvas()->Data()->x, (std::vector<double>{1, 2, 3, 4}));

  // A calculation that fails keeps the last graph.
  Calculate("1\n2\nx", "1\n2\n3", 0);
  EXPECT_EQ(Heading(), "次数 2 の多項式  R² = 1.000000");
  EXPECT_EQ(boxes.Seen().size(), 2u);
}

TEST_F(GraphWindowTest, EscapeClosesItFromAnyOfItsControls) {
  BoxWatcher boxes;
  Calculate("1\n2\n3", "1\n3\n2", 0);
  GraphWindow* graph = OpenByKeys();
  ASSERT_NE(graph, nullptr);
  for (QWidget* target : std::vector<QWidget*>{graph, graph->SavePngButton(), graph->ResidualsOption()}) {
    graph->show();
    ASSERT_TRUE(graph->isVisible());
    QTest::keyClick(target, Qt::Key_Escape);
    EXPECT_FALSE(graph->isVisible()) << target->metaObject()->className();
  }
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(GraphWindowTest, SavesAPngAndCopiesAnImageOfTheGraphsSize) {
  BoxWatcher boxes;
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // A name chosen without a suffix gets ".png".
  const QString path = dir.filePath(QStringLiteral("graph.png"));
  const SaveFileChooser previous =
      SetSaveFileChooser([&](QWidget*, const SaveRequest&) { return dir.filePath(QStringLiteral("graph")); });
  Calculate("1\n2\n3", "1\n3\n2", 0);
  GraphWindow* graph = OpenByKeys();
  ASSERT_NE(graph, nullptr);
  QTest::mouseClick(graph->SavePngButton(), Qt::LeftButton);
  SetSaveFileChooser(previous);
  QTest::mouseClick(graph->CopyImageButton(), Qt::LeftButton);
  const QImage saved(path, "PNG");
  const QImage copied = QGuiApplication::clipboard()->image();
  EXPECT_EQ(saved.size(), graph->Canvas()->size());
  EXPECT_EQ(copied.size(), graph->Canvas()->size());
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), copied.convertToFormat(QImage::Format_RGB32));
  EXPECT_TRUE(boxes.Seen().empty());
}

}  // namespace
}  // namespace peruka::testing
