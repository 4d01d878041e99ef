// Axis ticks at numbers that read well: the step is 1, 2 or 5 times a power
// of ten, chosen so that about a target count of ticks falls in the range,
// and every tick is a whole multiple of the step.
#pragma once

#include <string>

namespace peruka {

// The step for a range `span` wide (> 0) with about `target` (>= 1) ticks:
// of 1, 2, 5 and 10 times 10^k, where 10^k <= span / target < 10^(k+1), the
// one nearest to span / target by ratio (the bounds between them are √2,
// √10 and √50).
double NiceStep(double span, int target);

struct AxisTicks {
  double step = 0.0;
  long long firstIndex = 0;  // the first tick is firstIndex · step
  int count = 0;             // ticks (firstIndex + i) · step, i = 0 .. count − 1
  int decimals = 0;          // digits after the decimal mark that tell the ticks apart

  double Value(int i) const { return static_cast<double>(firstIndex + i) * step; }
};

// The ticks of NiceStep(hi − lo, target) inside [lo, hi] (lo < hi, both
// finite); a tick off a bound by less than a millionth of a step counts as
// inside.
AxisTicks ChooseTicks(double lo, double hi, int target);

// A tick's label: fixed notation with the ticks' decimals, or, for ticks of
// 10^9 and more or steps below 10^-6, mantissa and exponent ("2.5e+12", and
// "0" for zero), with the given decimal mark; never "-0".
std::string TickLabel(const AxisTicks& ticks, double value, char decimalMark);

}  // namespace peruka
