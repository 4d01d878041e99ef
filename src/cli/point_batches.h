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
#include "cli/pairs.h"
#include "fit/exact_power_sums.h"
#include "fit/power_sums.h"

namespace peruka::cli {

inline constexpr std::size_t kBatchPoints = 4096;

// Which fits the pass makes: the calculation as the window makes it, that
// and the exact fit of the same texts (ExactPowerSums), or the exact fit
// alone. The exact fit reads every point's texts; it takes only points
// whose texts convert, so its errors are the conversion's, in the same
// order.
enum class FitRoutes { Described, DescribedAndExact, Exact };

// A --pairs line without a separator; as a table, a first data line without
// a delimiter to detect, or a line without the field of a column.
struct PairsFormatError {
  enum class Kind { NoSeparator, NoDelimiter, TooFewFields };
  std::string name;
  std::size_t line;
  Kind kind = Kind::NoSeparator;
  std::size_t fields = 0;                          // TooFewFields: the line's fields,
  std::size_t column = 0;                          // the column missing (from 1)
  FieldDelimiter delimiter = FieldDelimiter::Tab;  // and the delimiter
};

// Points in line order, from the first point on: the values converted and,
// where the arithmetic needs them (PowerSumsBuilder::NeedsTexts), the texts.
struct PointBatch {
  struct Point {
    ConvertedPoint values;
    std::size_t textsAt = 0;  // in `texts`: the x text, then the y text
    std::size_t xLength = 0;
    std::size_t yLength = 0;
    bool plain = false;     // no texts needed (PowerSumsBuilder::NeedsTexts)
    bool hasTexts = false;  // the texts are in the batch
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

// The reading side: column files in lockstep (yLines given) or a pairs file
// laid out as `layout` says.
class PointReader {
 public:
  // With `allTexts` every point's texts go into the batch, not only those
  // the arithmetic of the calculation reads.
  PointReader(int degree, ColumnLineReader& xLines, ColumnLineReader* yLines, char decimalMark,
              bool allTexts = false, const PairsLayout& layout = {});

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
  // A table line's two fields (PairsLayout::table).
  void PickFields(std::string_view line, std::string_view& x, std::string_view& y);

  PowerSumsBuilder needs_;  // only asked which texts the arithmetic reads
  ColumnLineReader& xLines_;
  ColumnLineReader* yLines_;
  char decimalMark_;
  bool allTexts_;
  PairsLayout layout_;
  std::optional<FieldPicker> picker_;  // a table's, once its delimiter is known
  std::size_t skipped_ = 0;            // the lines before the first point
  std::size_t xCount_ = 0;
  std::size_t yCount_ = 0;
  std::optional<Place> nonNumericX_;
  std::optional<Place> nonNumericY_;
};

// The arithmetic: the points of the batches in order, until the first error.
class PointArithmetic {
 public:
  // The texts the exact fit reads are written with `decimalMark`; with an
  // exact route the batches must hold every point's texts. The first point
  // is on the line after `skippedLines`.
  explicit PointArithmetic(int degree, FitRoutes routes = FitRoutes::Described, char decimalMark = '.',
                           std::size_t skippedLines = 0);

  void Add(const PointBatch& batch);
  // The outcome, with the reading side's counts and places and the reports
  // made meanwhile (counted unless the outcome is a notice). With an exact
  // route it holds the exact fit; with FitRoutes::Exact the result is the
  // exact polynomial, or a notice when it is not unique.
  Outcome Finish(const PointReader& reader, const HeldMessages& reports);

 private:
  // The described arithmetic of one point; false after an error.
  bool AddDescribed(const PointBatch& batch, const PointBatch::Point& point, std::size_t line);
  // The conversion error of a point whose texts do not both convert.
  void SetConversionError(const PointBatch& batch, const PointBatch::Point& point, std::size_t line);
  // The exact polynomial as the result (FitRoutes::Exact).
  void SetExactResult(Outcome& outcome) const;

  int degree_;
  FitRoutes routes_;
  char decimalMark_;
  std::size_t line_;  // the line of the last point taken
  PowerSumsBuilder builder_;
  std::optional<ExactPowerSums> exact_;
  std::optional<Outcome> error_;
};

}  // namespace peruka::cli
