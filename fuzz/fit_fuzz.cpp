// The calculate button without its window: the column check, the fit and
// the result text over two column texts, exceptions caught as the window
// catches them (an error box for any exception of the runtime).
#include <cmath>
#include <string>

#include "fit/column.h"
#include "fit/column_check.h"
#include "fit/fit_polynomial.h"
#include "fit/result_text.h"
#include "fuzz_target.h"
#include "numeric/exceptions.h"

using namespace peruka;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Prepare();
  fuzz::Input input(data, size);
  // The degree box's item, -1 (nothing chosen: the constant alone) to 19.
  const int itemIndex = static_cast<int>(input.Byte() % 21) - 1;
  // The x column's text, a "|" (no number holds one), the y column's text.
  const std::string_view texts = input.Rest();
  const std::size_t bar = texts.find('|');
  const std::string_view xText = texts.substr(0, bar);
  const std::string_view yText = bar == std::string_view::npos ? std::string_view() : texts.substr(bar + 1);

  Column x = Column::Copying(xText);
  Column y = Column::Copying(yText);
  const std::size_t xLines = x.Count();
  const ColumnCheck check = CheckColumns(x, y);
  PERUKA_FUZZ_CHECK(x.Count() == xLines);  // the check trims, it drops nothing
  if (check != ColumnCheck::Ok) {
    PERUKA_FUZZ_CHECK(!NoticeText(check).empty());
    PERUKA_FUZZ_CHECK(fuzz::Reports() == 0);
    return 0;
  }
  PERUKA_FUZZ_CHECK(x.Count() == y.Count() && x.Count() > 0);

  try {
    const FitResult fit = FitPolynomial(itemIndex, x, y);
    fit.DeliverPendingFault();
    const std::string text = ResultText(fit);
    const int degree = itemIndex < 0 ? 0 : itemIndex + 1;
    PERUKA_FUZZ_CHECK(fit.degree == degree);
    for (int k = 0; k <= degree; ++k) PERUKA_FUZZ_CHECK(std::isfinite(fit.coefficients[k]));
    // One line a term, highest power first.
    PERUKA_FUZZ_CHECK(text.starts_with(kResultLead));
    std::size_t lines = 1;
    for (const char c : text) lines += c == '\n';
    PERUKA_FUZZ_CHECK(lines == static_cast<std::size_t>(degree) + 1);
    PERUKA_FUZZ_CHECK(text.ends_with(')'));
  } catch (const EConvertError&) {
  } catch (const EOverflow&) {
  } catch (const EInvalidOp&) {
  } catch (const Exception&) {
    PERUKA_FUZZ_CHECK(!"the fit raises only EConvertError, EOverflow and EInvalidOp");
  } catch (...) {
    PERUKA_FUZZ_CHECK(!"the fit raises only exceptions of the runtime");
  }
  // Two reports (0 to the power 0, twice) for every x of zero at most.
  PERUKA_FUZZ_CHECK(fuzz::Reports() <= 2 * x.Count());
  return 0;
}
