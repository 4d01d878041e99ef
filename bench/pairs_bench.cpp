// Bringing 10^5 (x, y) pairs into the window: the columns' paste command and
// a dropped file, each into a fresh window, until the columns hold them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include "ui/qt/qt_widget.h"
#include "ui_bench_support.h"

namespace peruka {
namespace {

constexpr int kPairs = 100000;

QByteArray PairLines() {
  QByteArray text;
  for (int i = 1; i <= kPairs; ++i) {
    const double x = i * 1e-5;
    text += QByteArray::number(x, 'f', 5) + '\t' + QByteArray::number(3.0 * x * x - 2.0 * x + 0.5, 'f', 12) +
            '\n';
  }
  return text;
}

void CheckCounts(benchmark::State& state, TMainForm* form) {
  if (form->XData->Lines()->Count() != kPairs || form->YData->Lines()->Count() != kPairs)
    state.SkipWithError("the columns do not hold every pair");
}

void BM_PastePairs(benchmark::State& state) {
  QGuiApplication::clipboard()->setText(QString::fromLatin1(PairLines()));
  TMainForm* form = nullptr;
  for (auto _ : state) {
    state.PauseTiming();
    form = NewMainForm();
    state.ResumeTiming();
    form->PastePairs(form->XData);
    QApplication::processEvents();
  }
  CheckCounts(state, form);
  state.SetItemsProcessed(state.iterations() * kPairs);
}
BENCHMARK(BM_PastePairs)->Unit(benchmark::kMillisecond);

void BM_DropFile(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("pairs.txt"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(PairLines()) < 0) state.SkipWithError("no file");
  file.close();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  TMainForm* form = nullptr;
  for (auto _ : state) {
    state.PauseTiming();
    form = NewMainForm();
    state.ResumeTiming();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(QtWidget(form), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(QtWidget(form), &drop);
    QApplication::processEvents();
  }
  CheckCounts(state, form);
  state.SetItemsProcessed(state.iterations() * kPairs);
}
BENCHMARK(BM_DropFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace peruka
