#include "cli/stream_fit.h"

#include <condition_variable>
#include <mutex>
#include <thread>

#include "cli/point_batches.h"
#include "numeric/extended.h"
#include "numeric/locale_mark.h"

namespace peruka::cli {

namespace {

// The reading side on a thread of its own, one batch ahead of the
// arithmetic: two batches take turns, one being filled while the other is
// added up. A failure of the reading travels in its batch.
class ReadAhead {
 public:
  explicit ReadAhead(PointReader& reader) : reader_(reader), worker_([this] { Work(); }) {}
  ~ReadAhead() {
    {
      const std::lock_guard lock(mutex_);
      stop_ = true;
    }
    changed_.notify_all();
    worker_.join();
  }
  ReadAhead(const ReadAhead&) = delete;
  ReadAhead& operator=(const ReadAhead&) = delete;

  // The next batch, once it is filled.
  const PointBatch& Take() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return filled_[next_]; });
    return batches_[next_];
  }
  // Hands the batch that Take gave back for filling.
  void Release() {
    {
      const std::lock_guard lock(mutex_);
      filled_[next_] = false;
    }
    changed_.notify_all();
    next_ ^= 1;
  }

 private:
  void Work() {
    EnsureExtendedPrecision();  // as the main thread converts
    for (int i = 0;; i ^= 1) {
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stop_ || !filled_[i]; });
        if (stop_) return;
      }
      PointBatch& batch = batches_[i];
      try {
        reader_.Fill(batch);
      } catch (...) {
        batch.failure = std::current_exception();
        batch.last = true;
      }
      const bool last = batch.last;
      {
        const std::lock_guard lock(mutex_);
        filled_[i] = true;
      }
      changed_.notify_all();
      if (last) return;
    }
  }

  PointReader& reader_;
  PointBatch batches_[2];
  bool filled_[2] = {false, false};
  int next_ = 0;  // the batch the arithmetic takes next
  bool stop_ = false;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::thread worker_;  // last: starts once the rest is built
};

// A batch's converted values. A text that did not convert ends the pass in
// its error, so the kept points of such a pass are never measured.
void Keep(const PointBatch& batch, KeptPoints* kept) {
  if (kept == nullptr) return;
  for (const PointBatch::Point& point : batch.points) {
    kept->x.push_back(point.values.x);
    kept->y.push_back(point.values.y);
  }
}

Outcome RunPass(int degree, PointReader& reader, HeldMessages& reports, PassThreads threads, KeptPoints* kept,
                FitRoutes routes, std::size_t skippedLines = 0) {
  PointArithmetic arithmetic(degree, routes, LocaleDecimalMark(), skippedLines);
  const HoldMessagesScope hold(reports);
  if (threads == PassThreads::One) {
    PointBatch batch;
    do {
      reader.Fill(batch);
      arithmetic.Add(batch);
      Keep(batch, kept);
    } while (!batch.last);
  } else {
    ReadAhead ahead(reader);
    for (bool last = false; !last; ahead.Release()) {
      const PointBatch& batch = ahead.Take();
      if (batch.failure) std::rethrow_exception(batch.failure);
      arithmetic.Add(batch);
      Keep(batch, kept);
      last = batch.last;
    }
  }  // the reading thread has ended: its counts and places are final
  return arithmetic.Finish(reader, reports);
}

}  // namespace

Outcome StreamColumns(int degree, ColumnLineReader& xLines, ColumnLineReader& yLines, HeldMessages& reports,
                      PassThreads threads, KeptPoints* kept, FitRoutes routes) {
  PointReader reader(degree, xLines, &yLines, '.', routes != FitRoutes::Described);
  return RunPass(degree, reader, reports, threads, kept, routes);
}

Outcome StreamPairs(int degree, ColumnLineReader& lines, char decimalMark, HeldMessages& reports,
                    PassThreads threads, KeptPoints* kept, FitRoutes routes, const PairsLayout& layout) {
  PointReader reader(degree, lines, nullptr, decimalMark, routes != FitRoutes::Described, layout);
  return RunPass(degree, reader, reports, threads, kept, routes, layout.skippedLines);
}

}  // namespace peruka::cli
