#include "app/graph_canvas.h"

#include <QBuffer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/window_texts.h"
#include "numeric/locale_mark.h"
#include "ui/qt_text.h"

namespace peruka {

namespace {

constexpr double kTickLength = 5.0;
constexpr double kMarkRadius = 3.0;
// Pixels per tick the axes aim at.
constexpr double kPixelsPerYTick = 45.0;
constexpr double kPixelsPerXTick = 90.0;

const QColor kBackground(0xFF, 0xFF, 0xFF);
const QColor kFrameColor(0x50, 0x50, 0x50);
const QColor kGridColor(0xE6, 0xE6, 0xE6);
const QColor kTextColor(0x20, 0x20, 0x20);

// The font in pixels, so that an image and an SVG drawing measure alike.
QFont PixelFont(const QFont& font) {
  QFont pixelFont(font);
  if (font.pixelSize() <= 0) pixelFont.setPixelSize(QFontInfo(font).pixelSize());
  return pixelFont;
}

std::vector<QString> Labels(const AxisTicks& ticks) {
  std::vector<QString> labels;
  const char mark = LocaleDecimalMark();
  for (int i = 0; i < ticks.count; ++i)
    labels.push_back(QString::fromStdString(TickLabel(ticks, ticks.Value(i), mark)));
  return labels;
}

double Widest(const QFontMetricsF& metrics, const std::vector<QString>& labels) {
  double widest = 0.0;
  for (const QString& label : labels) widest = std::max(widest, metrics.horizontalAdvance(label));
  return widest;
}

// The heading in three parts: before the exponent of R², the exponent, after it.
struct HeadingParts {
  QString lead;
  QString exponent;
  QString tail;
};

HeadingParts PartsOf(const GraphData& data) {
  HeadingParts parts;
  parts.lead = ToQString(TextOf(WindowText::GraphDegreeLead)) + QString::number(data.fit.degree) +
               ToQString(TextOf(WindowText::GraphDegreeTail));
  if (data.rSquared) {
    parts.lead += QStringLiteral("  R");
    parts.exponent = QStringLiteral("2");
    QString value = QString::number(*data.rSquared, 'f', 6);
    value.replace(u'.', QChar::fromLatin1(LocaleDecimalMark()));
    parts.tail = QStringLiteral(" = ") + value;
  }
  return parts;
}

}  // namespace

GraphCanvas::GraphCanvas(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void GraphCanvas::SetData(std::shared_ptr<const GraphData> graph) {
  data_ = std::move(graph);
  cached_.reset();
  setAccessibleDescription(Heading());
  update();
}

void GraphCanvas::SetResidualsShown(bool shown) {
  if (shown == residuals_) return;
  residuals_ = shown;
  cached_.reset();
  update();
}

QString GraphCanvas::Heading() const {
  if (!data_) return {};
  const HeadingParts parts = PartsOf(*data_);
  return parts.lead + (parts.exponent.isEmpty() ? QString() : QString(QChar(0x00B2))) + parts.tail;
}

GraphCanvas::Layout GraphCanvas::LayOut(QSize size) const {
  Layout layout;
  layout.size = size;
  layout.residuals = residuals_;
  if (!data_ || data_->x.empty()) return layout;
  const QFontMetricsF metrics(PixelFont(font()));
  const double line = metrics.height();
  layout.ranges = ChooseRanges(*data_);
  if (!Drawable(layout.ranges)) return layout;

  // Whole pixels, so that the frame and the ticks fall on pixel edges.
  const double top = std::ceil(2.0 * line + 6.0);
  const double bottom = std::ceil(kTickLength + line + 10.0);
  const double height = std::max(20.0, size.height() - top - bottom);
  layout.yTicks = ChooseTicks(layout.ranges.y.lo, layout.ranges.y.hi,
                              std::max(2, static_cast<int>(height / kPixelsPerYTick)));
  layout.yLabels = Labels(layout.yTicks);
  const double left = std::ceil(10.0 + Widest(metrics, layout.yLabels) + 4.0 + kTickLength);
  const double right = 20.0;
  const double width = std::max(20.0, size.width() - left - right);

  // Fewer x ticks while their numbers would run into each other.
  for (int target = std::max(2, static_cast<int>(width / kPixelsPerXTick)); target >= 1; --target) {
    layout.xTicks = ChooseTicks(layout.ranges.x.lo, layout.ranges.x.hi, target);
    layout.xLabels = Labels(layout.xTicks);
    const double spacing = layout.xTicks.step / (layout.ranges.x.hi - layout.ranges.x.lo) * width;
    if (Widest(metrics, layout.xLabels) + 12.0 <= spacing) break;
  }
  layout.area = PlotArea{left, top, width, height};
  layout.geometry = LayOutGraph(*data_, layout.ranges, layout.area, residuals_);
  return layout;
}

GraphCanvas::Frame GraphCanvas::FrameAt(QSize size) const {
  const Layout layout = LayOut(size);
  return Frame{layout.area, layout.ranges};
}

void GraphCanvas::paintEvent(QPaintEvent*) {
  if (!cached_ || cached_->size != size() || cached_->residuals != residuals_) cached_ = LayOut(size());
  QPainter painter(this);
  Paint(painter, *cached_);
}

QImage GraphCanvas::RenderImage(QSize size) const {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  Paint(painter, LayOut(size));
  return image;
}

QByteArray GraphCanvas::RenderSvg(QSize size) const {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setResolution(96);
  generator.setTitle(ToQString(TextOf(WindowText::GraphTitle)));
  generator.setDescription(Heading());
  QPainter painter(&generator);
  Paint(painter, LayOut(size));
  painter.end();
  return bytes;
}

void GraphCanvas::Paint(QPainter& painter, const Layout& layout) const {
  painter.fillRect(QRectF(QPointF(0, 0), QSizeF(layout.size)), kBackground);
  if (!data_ || data_->x.empty()) return;
  const QFont font = PixelFont(this->font());
  painter.setFont(font);
  const QFontMetricsF metrics(font);
  const PlotArea& area = layout.area;
  const QRectF plot(area.left, area.top, area.width, area.height);

  // The grid, the frame, the ticks and their numbers.
  std::vector<QLineF> grid;
  std::vector<QLineF> ticks;
  for (int i = 0; i < layout.xTicks.count; ++i) {
    const double x = std::round(PixelX(area, layout.ranges.x, layout.xTicks.Value(i))) + 0.5;
    grid.emplace_back(x, plot.top(), x, plot.bottom());
    ticks.emplace_back(x, plot.bottom(), x, plot.bottom() + kTickLength);
  }
  for (int i = 0; i < layout.yTicks.count; ++i) {
    const double y = std::round(PixelY(area, layout.ranges.y, layout.yTicks.Value(i))) + 0.5;
    grid.emplace_back(plot.left(), y, plot.right(), y);
    ticks.emplace_back(plot.left() - kTickLength, y, plot.left(), y);
  }
  painter.setPen(QPen(kGridColor, 1.0));
  painter.drawLines(grid.data(), static_cast<int>(grid.size()));
  painter.setPen(QPen(kFrameColor, 1.0));
  painter.drawLines(ticks.data(), static_cast<int>(ticks.size()));
  painter.drawRect(plot.adjusted(0.5, 0.5, -0.5, -0.5));
  painter.setPen(kTextColor);
  for (int i = 0; i < layout.xTicks.count; ++i) {
    const double x = PixelX(area, layout.ranges.x, layout.xTicks.Value(i));
    const QString& label = layout.xLabels[static_cast<std::size_t>(i)];
    const double w = metrics.horizontalAdvance(label);
    painter.drawText(QPointF(x - w / 2.0, plot.bottom() + kTickLength + 3.0 + metrics.ascent()), label);
  }
  for (int i = 0; i < layout.yTicks.count; ++i) {
    const double y = PixelY(area, layout.ranges.y, layout.yTicks.Value(i));
    const QString& label = layout.yLabels[static_cast<std::size_t>(i)];
    const double w = metrics.horizontalAdvance(label);
    painter.drawText(QPointF(plot.left() - kTickLength - 4.0 - w, y + metrics.ascent() / 2.0 - 1.0), label);
  }

  // The residuals, the curve and the points, inside the frame.
  painter.save();
  painter.setClipRect(plot);
  const GraphGeometry& geometry = layout.geometry;
  if (layout.residuals && !geometry.residuals.empty()) {
    std::vector<QLineF> spans;
    spans.reserve(geometry.residuals.size());
    for (const VerticalSpan& span : geometry.residuals)
      spans.emplace_back(span.x, span.top, span.x, span.bottom);
    painter.setPen(QPen(QColor(kResidualColor), 2.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(spans.data(), static_cast<int>(spans.size()));
  }
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QPen(QColor(kCurveColor), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  for (const std::vector<PixelPoint>& piece : geometry.curve) {
    std::vector<QPointF> points;
    points.reserve(piece.size());
    for (const PixelPoint& point : piece) points.emplace_back(point.x, point.y);
    painter.drawPolyline(points.data(), static_cast<int>(points.size()));
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(kMarkColor));
  if (geometry.marks.size() <= kMaxRoundMarks) {
    for (const PixelPoint& mark : geometry.marks)
      painter.drawEllipse(QPointF(mark.x, mark.y), kMarkRadius, kMarkRadius);
  } else {
    painter.setRenderHint(QPainter::Antialiasing, false);
    std::vector<QRectF> squares;
    squares.reserve(geometry.marks.size());
    for (const PixelPoint& mark : geometry.marks)
      squares.emplace_back(mark.x - kMarkCell / 2.0, mark.y - kMarkCell / 2.0, kMarkCell, kMarkCell);
    painter.drawRects(squares.data(), static_cast<int>(squares.size()));
  }
  painter.restore();
  PaintHeading(painter, layout);
}

void GraphCanvas::PaintHeading(QPainter& painter, const Layout& layout) const {
  const HeadingParts parts = PartsOf(*data_);
  QFont font = PixelFont(this->font());
  QFont small = font;
  small.setPixelSize(std::max(6, font.pixelSize() * 7 / 10));
  const QFontMetricsF metrics(font);
  const QFontMetricsF smallMetrics(small);
  const double width = metrics.horizontalAdvance(parts.lead) +
                       smallMetrics.horizontalAdvance(parts.exponent) + metrics.horizontalAdvance(parts.tail);
  double x = std::max(4.0, (layout.size.width() - width) / 2.0);
  const double baseline = 6.0 + metrics.ascent();
  painter.setPen(kTextColor);
  painter.setFont(font);
  painter.drawText(QPointF(x, baseline), parts.lead);
  x += metrics.horizontalAdvance(parts.lead);
  painter.setFont(small);
  painter.drawText(QPointF(x, baseline - metrics.ascent() * 0.45), parts.exponent);
  x += smallMetrics.horizontalAdvance(parts.exponent);
  painter.setFont(font);
  painter.drawText(QPointF(x, baseline), parts.tail);
}

}  // namespace peruka
