// The Qt backend's text measuring for the shared label tests of
// tests/ui_rules: the layer's measure in a form's font.
#include <QFontMetrics>

#include "text_measure.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/qt/qt_draw_text.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_widget.h"

namespace peruka::testing {
namespace {

class QtTextMeasure final : public TextMeasure {
 public:
  QtTextMeasure() : font_(QtFont(TForm(Application))) {}

  TextSize Measure(std::string_view shiftJis, bool prefix) const override {
    TextFormat format;
    format.prefix = prefix;
    const QSize size = MeasureText(font_, ToQString(shiftJis), format, 5);
    return TextSize{size.width(), size.height()};
  }
  int PlainWidth(std::string_view shiftJis) const override {
    return QFontMetrics(font_).horizontalAdvance(ToQString(shiftJis));
  }
  int LineHeight() const override { return QFontMetrics(font_).height(); }

 private:
  QFont font_;
};

}  // namespace

std::unique_ptr<TextMeasure> MakeTextMeasure() { return std::make_unique<QtTextMeasure>(); }

}  // namespace peruka::testing
