// A drawing as an SVG 1.1 document (UTF-8), the same picture the backends
// paint: numbers in the shortest form that reads back exactly, texts
// escaped, clipping as clip paths.
#pragma once

#include <string>

#include "plot/drawing.h"

namespace peruka {

std::string WriteSvg(const Drawing& drawing);

}  // namespace peruka
