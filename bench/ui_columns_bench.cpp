// The column boxes at 10^5 lines: pasting them, reading every line, and the
// calculate command at degree 20 (column check, fitting, result text).
// Run: build/<dir>/bench/peruka_ui_bench (headless by default).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QString>
#include <cstdio>

#include "app/mainunit.h"
#include "numeric/extended.h"
#include "numeric/locale_mark.h"
#include "ui/application.h"
#include "ui/message_box.h"
#include "ui/qt/qt_modal_box.h"
#include "ui/qt/qt_widget.h"
#include "ui/window_layer.h"
#include "ui_bench_support.h"

namespace peruka {
namespace {

constexpr int kLines = 100000;

// x from 0.00001 to 1 (no zero: it would show the power function's boxes),
// y a smooth function of it with some noise in the last digits.
QString Column(bool x) {
  QString text;
  text.reserve(kLines * 20);
  for (int i = 1; i <= kLines; ++i) {
    const double v = i * 1e-5;
    const double value = x ? v : 3.0 * v * v - 2.0 * v + 0.5 + ((i * 7919) % 13) * 1e-9;
    text += QString::number(value, 'f', x ? 5 : 12);
    text += u'\n';
  }
  return text;
}

const QString& XColumn() {
  static const QString text = Column(true);
  return text;
}

const QString& YColumn() {
  static const QString text = Column(false);
  return text;
}

// Pasting: the text goes in through the edit's own insertion, as Ctrl+V does.
void Paste(TMemo* memo, const QString& text) {
  QtEdit(memo)->setFocus();
  QtEdit(memo)->insertPlainText(text);
  QApplication::processEvents();
}

void BM_PasteBothColumns(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    TMainForm* form = NewMainForm();
    state.ResumeTiming();
    Paste(form->XData, XColumn());
    Paste(form->YData, YColumn());
    benchmark::DoNotOptimize(form->XData->Lines()->Count());
  }
  state.SetItemsProcessed(state.iterations() * 2 * kLines);
}
BENCHMARK(BM_PasteBothColumns)->Unit(benchmark::kMillisecond);

void BM_ReadEveryLine(benchmark::State& state) {
  TMainForm* form = NewMainForm();
  Paste(form->XData, XColumn());
  for (auto _ : state) {
    TMemoStrings& lines = *form->XData->Lines();
    std::size_t bytes = 0;
    const int count = lines.Count();
    for (int i = 0; i < count; ++i) bytes += lines.Get(i).size();
    benchmark::DoNotOptimize(bytes);
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_ReadEveryLine)->Unit(benchmark::kMillisecond);

// The calculate button at degree 20 on 10^5 pasted lines per column, until
// the result label and the window height are set.
void BM_CalculateDegree20(benchmark::State& state) {
  TMainForm* form = NewMainForm();
  Paste(form->XData, XColumn());
  Paste(form->YData, YColumn());
  form->Jisuu->SetItemIndex(19);
  for (auto _ : state) {
    form->CalcBtnClick(form->CalcBtn);
    QApplication::processEvents();
  }
  if (form->Answer->Caption().rfind("y = (", 0) != 0) state.SkipWithError("no result text");
}
BENCHMARK(BM_CalculateDegree20)->Unit(benchmark::kMillisecond);

// The same with blanks around every value, so the check rewrites every line.
void BM_CalculateDegree20Trimming(benchmark::State& state) {
  TMainForm* form = NewMainForm();
  form->Jisuu->SetItemIndex(19);
  QString x = XColumn();
  x.replace(u'\n', QStringLiteral(" \n "));
  x.chop(1);  // no blank line after the last value
  for (auto _ : state) {
    state.PauseTiming();
    QtEdit(form->XData)->setPlainText(QString());
    QtEdit(form->YData)->setPlainText(QString());
    Paste(form->XData, x);
    Paste(form->YData, YColumn());
    state.ResumeTiming();
    form->CalcBtnClick(form->CalcBtn);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_CalculateDegree20Trimming)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace peruka

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  peruka::EnsureExtendedPrecision();
  peruka::LoadLocaleSettings();
  peruka::InstallRuntimeMessageBox();
  peruka::WindowLayer windowLayer(argc, argv);
  // Any box that comes up (none should) is reported and closed at once.
  peruka::SetModalBoxHook([](QWidget* box) {
    if (auto* message = qobject_cast<QMessageBox*>(box))
      std::fprintf(stderr, "box: %s\n", message->text().toUtf8().constData());
    box->close();
  });
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
