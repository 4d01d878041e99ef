#include "app/qt/graph_canvas.h"

#include <QFocusEvent>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <cmath>
#include <type_traits>
#include <utility>
#include <vector>

#include "app/graph_readout.h"
#include "app/graph_texts.h"
#include "numeric/locale_mark.h"
#include "plot/svg_writer.h"

namespace peruka {

namespace {

// The font in pixels, so that an image and an SVG document measure alike.
QFont PixelFont(const QFont& font) {
  QFont pixelFont(font);
  if (font.pixelSize() <= 0) pixelFont.setPixelSize(QFontInfo(font).pixelSize());
  return pixelFont;
}

QFont AtPixelSize(const QFont& font, int pixelSize) {
  QFont sized(font);
  sized.setPixelSize(pixelSize);
  return sized;
}

class QtTextMetrics final : public TextMetrics {
 public:
  explicit QtTextMetrics(const QFont& font) : font_(font) {}
  double Width(const std::string& utf8, int pixelSize) const override {
    return QFontMetricsF(AtPixelSize(font_, pixelSize)).horizontalAdvance(QString::fromStdString(utf8));
  }
  double Ascent(int pixelSize) const override {
    return QFontMetricsF(AtPixelSize(font_, pixelSize)).ascent();
  }
  double Height(int pixelSize) const override {
    return QFontMetricsF(AtPixelSize(font_, pixelSize)).height();
  }

 private:
  QFont font_;
};

QColor ColorOf(Rgb rgb) { return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | rgb)); }

Qt::PenCapStyle CapOf(LineCap cap) {
  switch (cap) {
    case LineCap::kFlat:
      return Qt::FlatCap;
    case LineCap::kSquare:
      return Qt::SquareCap;
    case LineCap::kRound:
      return Qt::RoundCap;
  }
  return Qt::FlatCap;
}

QRectF RectOf(const DrawingRect& r) { return QRectF(r.left, r.top, r.width, r.height); }

}  // namespace

void PaintDrawing(QPainter& painter, const Drawing& drawing, const QFont& font) {
  for (const DrawingItem& item : drawing.items) {
    std::visit(
        [&](const auto& primitive) {
          using Item = std::decay_t<decltype(primitive)>;
          if constexpr (std::is_same_v<Item, FilledRect>) {
            painter.fillRect(RectOf(primitive.rect), ColorOf(primitive.color));
          } else if constexpr (std::is_same_v<Item, LineSegments>) {
            std::vector<QLineF> lines;
            lines.reserve(primitive.ends.size() / 2);
            for (std::size_t i = 0; i + 1 < primitive.ends.size(); i += 2)
              lines.emplace_back(primitive.ends[i].x, primitive.ends[i].y, primitive.ends[i + 1].x,
                                 primitive.ends[i + 1].y);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(
                QPen(ColorOf(primitive.color), primitive.width, Qt::SolidLine, CapOf(primitive.cap)));
            painter.drawLines(lines.data(), static_cast<int>(lines.size()));
          } else if constexpr (std::is_same_v<Item, StrokedRect>) {
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(QPen(ColorOf(primitive.color), primitive.width));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(RectOf(primitive.rect));
          } else if constexpr (std::is_same_v<Item, SmoothPolyline>) {
            std::vector<QPointF> points;
            points.reserve(primitive.points.size());
            for (const DrawingPoint& point : primitive.points) points.emplace_back(point.x, point.y);
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(
                QPen(ColorOf(primitive.color), primitive.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPolyline(points.data(), static_cast<int>(points.size()));
          } else if constexpr (std::is_same_v<Item, Dots>) {
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(Qt::NoPen);
            painter.setBrush(ColorOf(primitive.color));
            for (const DrawingPoint& centre : primitive.centres)
              painter.drawEllipse(QPointF(centre.x, centre.y), primitive.radius, primitive.radius);
          } else if constexpr (std::is_same_v<Item, Squares>) {
            std::vector<QRectF> squares;
            squares.reserve(primitive.squares.size());
            for (const DrawingRect& square : primitive.squares) squares.push_back(RectOf(square));
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(Qt::NoPen);
            painter.setBrush(ColorOf(primitive.color));
            painter.drawRects(squares.data(), static_cast<int>(squares.size()));
          } else if constexpr (std::is_same_v<Item, TextRun>) {
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setFont(AtPixelSize(font, primitive.pixelSize));
            painter.setPen(ColorOf(primitive.color));
            painter.drawText(QPointF(primitive.origin.x, primitive.origin.y),
                             QString::fromStdString(primitive.utf8));
          } else if constexpr (std::is_same_v<Item, ClipBegin>) {
            painter.save();
            painter.setClipRect(RectOf(primitive.rect));
          } else if constexpr (std::is_same_v<Item, ClipEnd>) {
            painter.restore();
          }
        },
        item);
  }
}

GraphCanvas::GraphCanvas(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

void GraphCanvas::SetData(std::shared_ptr<const GraphData> graph) {
  data_ = std::move(graph);
  exact_.reset();
  bandFit_.reset();
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

void GraphCanvas::SetExactCurve(std::shared_ptr<const FitResult> exact) {
  exact_ = std::move(exact);
  cached_.reset();
  update();
}

void GraphCanvas::SetExactShown(bool shown) {
  if (shown == exactShown_) return;
  exactShown_ = shown;
  cached_.reset();
  update();
}

void GraphCanvas::SetBandFit(std::shared_ptr<const ExactFit> exact) {
  bandFit_ = std::move(exact);
  cached_.reset();
  update();
}

void GraphCanvas::SetBandsShown(bool mean, bool prediction) {
  if (mean == meanBand_ && prediction == predictionBand_) return;
  meanBand_ = mean;
  predictionBand_ = prediction;
  cached_.reset();
  update();
}

QString GraphCanvas::Heading() const {
  if (!data_) return {};
  return QString::fromStdString(GraphTextsOf(*data_, LocaleDecimalMark()).heading);
}

GraphPicture GraphCanvas::LayOut(QSize size) const {
  const QFont font = PixelFont(this->font());
  const GraphTexts texts = data_ ? GraphTextsOf(*data_, LocaleDecimalMark()) : GraphTexts{};
  GraphPicture picture =
      DrawGraph(data_.get(), size.width(), size.height(), residuals_, texts, QtTextMetrics(font),
                font.pixelSize(), LocaleDecimalMark(), exactShown_ ? exact_.get() : nullptr,
                BandChoice{bandFit_.get(), meanBand_, predictionBand_});
  picture.drawing.fontFamily = QFontInfo(font).family().toStdString();
  return picture;
}

GraphCanvas::Frame GraphCanvas::FrameAt(QSize size) const {
  const GraphPicture picture = LayOut(size);
  return Frame{picture.area, picture.ranges};
}

GraphCanvas::Frame GraphCanvas::CurrentFrame() const { return Frame{Kept().area, Kept().ranges}; }

const GraphPicture& GraphCanvas::Kept() const {
  if (!cached_ || cached_->drawing.width != width() || cached_->drawing.height != height())
    cached_ = LayOut(size());
  return *cached_;
}

void GraphCanvas::paintEvent(QPaintEvent*) {
  const GraphPicture& picture = Kept();
  QPainter painter(this);
  PaintDrawing(painter, picture.drawing, PixelFont(font()));
  if (cursorX_) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor::fromRgb(static_cast<QRgb>(0xFF000000u | kFrameColor)), 1.0, Qt::DotLine));
    painter.drawLine(QLineF(*cursorX_, picture.area.top, *cursorX_, picture.area.top + picture.area.height));
  }
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

void GraphCanvas::MoveCursor(std::optional<double> x) {
  if (x == cursorX_) return;
  cursorX_ = x;
  update();
  if (cursorMoved_) cursorMoved_();
}

void GraphCanvas::mouseMoveEvent(QMouseEvent* event) {
  const PlotArea& area = Kept().area;
  const double x = event->position().x();
  const double y = event->position().y();
  const bool inside =
      data_ && x >= area.left && x < area.left + area.width && y >= area.top && y < area.top + area.height;
  MoveCursor(inside ? std::optional<double>(CursorColumn(area, x)) : std::nullopt);
}

void GraphCanvas::leaveEvent(QEvent*) {
  if (!hasFocus()) MoveCursor(std::nullopt);
}

void GraphCanvas::keyPressEvent(QKeyEvent* event) {
  std::optional<CursorKey> key;
  switch (event->key()) {
    case Qt::Key_Left:
      key = CursorKey::Left;
      break;
    case Qt::Key_Right:
      key = CursorKey::Right;
      break;
    case Qt::Key_Home:
      key = CursorKey::Home;
      break;
    case Qt::Key_End:
      key = CursorKey::End;
      break;
    default:
      break;
  }
  if (!data_ || !key) return QWidget::keyPressEvent(event);
  MoveCursor(CursorAfterKey(Kept().area, cursorX_, *key, (event->modifiers() & Qt::ShiftModifier) != 0));
}

void GraphCanvas::focusOutEvent(QFocusEvent* event) {
  MoveCursor(std::nullopt);
  QWidget::focusOutEvent(event);
}

QImage GraphCanvas::RenderImage(QSize size) const {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  PaintDrawing(painter, LayOut(size).drawing, PixelFont(font()));
  return image;
}

QByteArray GraphCanvas::RenderSvg(QSize size) const {
  return QByteArray::fromStdString(WriteSvg(LayOut(size).drawing));
}

}  // namespace peruka
