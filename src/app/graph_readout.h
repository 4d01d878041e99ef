// The graph window's two read-outs, in UTF-8: the polynomial at the x the
// user types, with its intervals, and the polynomial under the cursor.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fit/exact_fit.h"
#include "plot/graph_data.h"

namespace peruka {

// For the x entry's Shift-JIS text: nothing while it is blank; the value
// line of FittedValueText (from `exact` where it is given, else the
// calculation's); or, for a text a data line could not hold, why: the
// column check's notice or the conversion's message.
std::string EntryReadout(const GraphData& data, const ExactFit* exact, std::string_view text,
                         char decimalMark);

// The x under a pixel column, written as the shortest decimal within half
// a column of its centre (so a column reads "1.37", not "1.3712804"), and
// the calculated polynomial there, the curve the graph draws.
struct CursorReading {
  std::string xText;  // with '.' as the mark
  double x = 0.0;
  double value = 0.0;
};
// The cursor stands at the centre of a pixel column of the plot area: the
// column under a pixel x, held inside the area.
double CursorColumn(const PlotArea& area, double pixelX);
// The keys that move it: by a column (with Shift by ten), or to the ends.
// From no cursor yet, Left and Right put it in the middle.
enum class CursorKey { Left, Right, Home, End };
double CursorAfterKey(const PlotArea& area, std::optional<double> cursor, CursorKey key, bool shift);

// None outside the plot area or without a drawable graph.
std::optional<CursorReading> ReadCursor(const GraphData& data, const GraphRanges& ranges,
                                        const PlotArea& area, double pixelX);
// "カーソル位置  x = 1.37  p(x) = 2.881" with the decimal mark.
std::string CursorReadout(const CursorReading& reading, char decimalMark);

}  // namespace peruka
