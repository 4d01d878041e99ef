// The graph's texts for every backend, in UTF-8: the window title, and the
// heading with the degree and R² ("次数 3 の多項式  R² = 0.998765"), split
// where the exponent of R² is raised; the legend's names of the curves.
#pragma once

#include "plot/graph_data.h"
#include "plot/graph_drawing.h"

namespace peruka {

// R² with six decimals and the decimal mark.
GraphTexts GraphTextsOf(const GraphData& data, char decimalMark);

}  // namespace peruka
