// The two sides of the one-pass calculation (see stream_fit.h) and the
// batches of points that go from the reading side to the arithmetic.
#pragma once

#include <cstddef>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/held_messages.h"
#include "cli/line_reader.h"
#include "cli/outcome.h"
#include "fit/power_sums.h"

namespace peruka::cli {

inline constexpr std::size_t kBatchPoints = 4096;

// A --pairs line without a separator.
struct PairsFormatError {
  std::string name;
  std::size_t line;
};

// Points in line order, from the first point on: the values converted and,
// where the arithmetic needs them (PowerSumsBuilder::NeedsTexts), the texts.
struct PointBatch {
  struct Point {
    ConvertedPoint values;
    std::size_t textsAt = 0;  // in `texts`: the x text, then the y text
    std::size_t xLength = 0;
    std::size_t yLength = 0;
    bool plain = false;  // no texts needed (PowerSumsBuilder::NeedsTexts)
  };
  std::vector<Point> points;
  std::string texts;
  bool last = false;           // nothing follows
  std::exception_ptr failure;  // what ended the reading early, raised in its turn

  void Clear();
  std::string_view XText(const Point& point) const {
    return std::string_view(texts).substr(point.textsAt, point.xLength);
  }
  std::string_view YText(const Point& point) const {
    return std::string_view(texts).substr(point.textsAt + point.xLength, point.yLength);
  }
};

// The reading side: column files in lockstep (yLines given) or a pairs file.
class PointReader {
 public:
  PointReader(int degree, ColumnLineReader& xLines, ColumnLineReader* yLines, char decimalMark);

  // Fills `batch` (cleared first) with up to kBatchPoints points and sets
  // `last` at the end of the input. Throws ReadError or PairsFormatError.
  void Fill(PointBatch& batch);

  std::size_t XCount() const { return xCount_; }
  std::size_t YCount() const { return yCount_; }
  // The first line of each column that fails the character rule.
  const std::optional<Place>& NonNumericX() const { return nonNumericX_; }
  const std::optional<Place>& NonNumericY() const { return nonNumericY_; }

 private:
  // One point's lines into the batch, unless the check is already sure to
  // fail.
  void Take(std::string_view xLine, std::string_view yLine, PointBatch& batch);
  // The next point's lines; false at the end, when the counts are final.
  bool NextPoint(std::string_view& x, std::string_view& y);

  PowerSumsBuilder needs_;  // only asked which texts the arithmetic reads
  ColumnLineReader& xLines_;
  ColumnLineReader* yLines_;
  char decimalMark_;
  std::size_t xCount_ = 0;
  std::size_t yCount_ = 0;
  std::optional<Place> nonNumericX_;
  std::optional<Place> nonNumericY_;
};

// The arithmetic: the points of the batches in order, until the first error.
class PointArithmetic {
 public:
  explicit PointArithmetic(int degree);

  void Add(const PointBatch& batch);
  // The outcome, with the reading side's counts and places and the reports
  // made meanwhile (counted unless the outcome is a notice).
  Outcome Finish(const PointReader& reader, const HeldMessages& reports);

 private:
  int degree_;
  std::size_t points_ = 0;
  PowerSumsBuilder builder_;
  std::optional<Outcome> error_;
};

}  // namespace peruka::cli
