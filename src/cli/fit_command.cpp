#include "cli/fit_command.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <new>
#include <string_view>
#include <utility>

#include "cli/evaluations.h"
#include "cli/held_messages.h"
#include "cli/line_reader.h"
#include "cli/options.h"
#include "cli/outcome.h"
#include "cli/report.h"
#include "cli/stream_fit.h"
#include "fit/fit_quality.h"
#include "numeric/locale_mark.h"
#include "version.h"

namespace peruka::cli {

namespace {

// A named input opened for reading, or standard input for "-".
class InputFile {
 public:
  InputFile(const std::string& name, std::FILE* in) : stream_(in) {
    if (name == kStandardInputName) return;
    stream_ = std::fopen(name.c_str(), "rb");
    if (stream_ == nullptr) throw ReadError{name, errno, {}};
    owned_ = true;
  }
  ~InputFile() {
    if (owned_) std::fclose(stream_);
  }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  std::FILE* Stream() const { return stream_; }

 private:
  std::FILE* stream_;
  bool owned_ = false;
};

std::string DisplayName(const std::string& name) {
  return name == kStandardInputName ? std::string("standard input") : Quoted(name);
}

// Sets the decimal mark for one run and puts the previous one back.
class DecimalMarkScope {
 public:
  explicit DecimalMarkScope(char mark) : previous_(LocaleDecimalMark()) { SetLocaleDecimalMark(mark); }
  ~DecimalMarkScope() { SetLocaleDecimalMark(previous_); }
  DecimalMarkScope(const DecimalMarkScope&) = delete;
  DecimalMarkScope& operator=(const DecimalMarkScope&) = delete;

 private:
  char previous_;
};

// Why a --pairs line cannot be cut (without the place or the line break).
std::string PairsFormatText(const PairsFormatError& bad, char decimalMark) {
  std::string text;
  switch (bad.kind) {
    case PairsFormatError::Kind::NoSeparator:
      text = decimalMark == ',' ? "no tab between x and y (the decimal mark is a comma)"
                                : "no tab or comma between x and y";
      break;
    case PairsFormatError::Kind::NoDelimiter:
      text = "cannot detect the delimiter: the line has no tab, semicolon";
      text.append(decimalMark == ',' ? " or blank between fields (the decimal mark is a comma)"
                                     : ", comma or blank between fields")
          .append("; name it with --delimiter");
      break;
    case PairsFormatError::Kind::TooFewFields:
      text = "no column ";
      text.append(std::to_string(bad.column))
          .append(": the line has ")
          .append(std::to_string(bad.fields))
          .append(bad.fields == 1 ? " field" : " fields")
          .append(" (delimiter: ")
          .append(FieldDelimiterName(bad.delimiter))
          .append(")");
      break;
  }
  return text;
}

// One pass over the input (see stream_fit.h); then the reports, each
// "powl: DOMAIN error" a line on `err`, unless the check refused the
// columns, and the outcome.
int Calculate(const Options& options, std::size_t maxLineLength, std::FILE* in, std::FILE* out,
              std::FILE* err) {
  const DecimalMarkScope markScope(options.decimalMark);
  HeldMessages reports;
  Outcome outcome;
  InputNames names;
  KeptPoints kept;
  KeptPoints* const keep = options.stats ? &kept : nullptr;
  // The values at new x are checked before the data are read.
  std::vector<AtPoint> atPoints;
  try {
    atPoints = ReadAtPoints(options, in, maxLineLength);
  } catch (const AtPointError& refused) {
    return Report(refused.outcome, {refused.name, refused.name}, options.format, out, err);
  }
  const bool evaluate = !options.at.empty() || !options.atFile.empty();
  const FitRoutes routes = options.exact               ? FitRoutes::Exact
                           : options.stats || evaluate ? FitRoutes::DescribedAndExact
                                                       : FitRoutes::Described;
  if (options.pairs) {
    names = {options.pairsFile, options.pairsFile};
    const InputFile file(options.pairsFile, in);
    ColumnLineReader lines(file.Stream(), options.pairsFile, options.shiftJis, kReadBlockSize, maxLineLength);
    try {
      outcome = StreamPairs(options.degree, lines, LocaleDecimalMark(), reports, PassThreads::Two, keep,
                            routes, options.layout);
    } catch (const PairsFormatError& bad) {
      Write(err, LocationPrefix(bad.name, bad.line) + PairsFormatText(bad, LocaleDecimalMark()) + "\n");
      return kExitDataFormat;
    }
  } else {
    names = {options.files[0], options.files[1]};
    const InputFile xFile(options.files[0], in);
    const InputFile yFile(options.files[1], in);
    ColumnLineReader xLines(xFile.Stream(), options.files[0], options.shiftJis, kReadBlockSize,
                            maxLineLength);
    ColumnLineReader yLines(yFile.Stream(), options.files[1], options.shiftJis, kReadBlockSize,
                            maxLineLength);
    outcome = StreamColumns(options.degree, xLines, yLines, reports, PassThreads::Two, keep, routes);
  }
  if (outcome.kind != OutcomeKind::Notice) reports.WriteLines(err);
  ResultExtras extras{nullptr, evaluate ? &atPoints : nullptr, options.equation};
  if (keep == nullptr || outcome.kind != OutcomeKind::Result)
    return Report(outcome, names, options.format, out, err, extras);
  const FitQuality stats = MeasureFit(outcome.fit, kept.x, kept.y);
  extras.stats = &stats;
  return Report(outcome, names, options.format, out, err, extras);
}

}  // namespace

std::string HelpText() {
  return R"help(Usage: peruka-fit [-d N] [OPTION]... XFILE YFILE
       peruka-fit [-d N] [OPTION]... --pairs FILE
Fit a least-squares polynomial of degree N to points (x, y) and print it,
exactly as the calculator window's calculate button does.

  -d, --degree N        degree of the polynomial, 1 to 20 (default 1)
      --pairs FILE      read one point per line: x, a tab, y; or x, a comma, y
                        when the line has no tab and the decimal mark is not a
                        comma. Text after the first separator is the y value.
                        A line without a separator, an empty one included, is
                        an error.
      --columns X,Y     read the --pairs FILE as a table (see below) and take
                        x from its column X and y from its column Y, counted
                        from 1 (default 1,2); X and Y differ
      --header          read the --pairs FILE as a table whose first line
                        names its columns, and skip that line (line numbers
                        still count it)
      --delimiter C     read the --pairs FILE as a table whose fields are
                        parted by C: "tab", "comma", "semicolon" or "blank"
                        (a run of blanks and tabs), or that character itself
      --sjis            the input is Shift-JIS (code page 932), not UTF-8
      --decimal-mark C  use C as the decimal mark (default ".", whatever the
                        locale). C is one ASCII character other than a digit,
                        "+", "-", "e", "E", a blank or a control character.
                        With any mark but ".", such as ",", the character rule
                        admits whole numbers only, as the window does in a
                        locale with such a mark: a value holding "," is
                        refused by the rule, and one holding "." by the
                        conversion.
      --format F        "text" (the default): the window's texts, as below;
                        "json": one JSON object on standard output instead
      --stats           after a result, also the fit's quality figures and
                        the exact fit's (see below). Keeps the converted
                        points in memory, 16 bytes a point, for a second
                        look after the fit
      --exact           print the exact least-squares polynomial of the
                        decimal values as typed instead: every coefficient
                        the exact rational solution rounded once to the
                        nearest double, in the same layout. A notice (exit
                        1) when x has fewer than N + 1 distinct values, as
                        the polynomial is then not unique. No power
                        function is used, so no "powl: DOMAIN error" report
      --equation F      print the polynomial in the form F instead of the
                        result text: "plain" (y = 1.5x^2 − 0.25x + 3),
                        "latex", "spreadsheet" (a formula over the cell A2),
                        "c" or "python" (a function p(x) in Horner's form,
                        evaluated in doubles); every number the shortest
                        text that reads back as the same double
      --at X            after the result, the polynomial's value at X with the
                        95% intervals of the fitted mean and of a new
                        observation (repeatable); X is checked and converted
                        as a data value is, and a refused one is named as
                        "--at:I" (the I-th --at)
      --at-file F       the same for every line of F ("-": standard input,
                        unless the data come from there)
  -h, --help            show this help and exit
      --version         show the version and exit
      --                end of options

XFILE and YFILE hold one value per line, as the calculator's two column boxes
do. Lines end with LF or CR LF; a last line break does not start another
line; lines are taken whole, up to 1 GiB each. A FILE of "-" is standard
input (for one of the two column files at most). UTF-8 input loses a leading
byte-order mark, and a character with no Shift-JIS form becomes "?".
Output is UTF-8.

A table (--columns, --header or --delimiter) has fields parted by one
delimiter. Unless --delimiter names it, the first line after the header
says which: a tab, else a semicolon, else a comma (unless the decimal mark
is a comma), else a run of blanks; a line with none of them is an error. A
field may be quoted as spreadsheets write it ("1,5", "say ""x"""): inside
the quotes a delimiter is text and a doubled quote is one quote. Other
columns are not read; a line without the column asked for is an error.

Exit status:
  0   the fitted polynomial is on standard output, one term per line
  1   the columns were refused; the notice is on standard error
  2   a value could not be converted, or the arithmetic faulted; the error
      message, ended by ".", is on standard error and nothing on standard output
  64  bad command line
  65  a --pairs line has no separator, a table line lacks a column asked for
      or has no delimiter to detect, or a line is longer than 1 GiB (the
      line is named)
  66  an input file cannot be opened or read
  70  internal failure, such as running out of memory
  74  the result cannot be written
Each "powl: DOMAIN error" report of the power function (two for every x equal
to 0) is one line on standard error, in order; the calculation goes on.

Where a line is at fault, the message begins "peruka-fit: FILE:LINE: " (FILE
as named, "standard input" for "-"; LINE counted from 1) and goes on with the
window's text: a value that the conversion refuses, and the first line that
is not a plain decimal number. The notice for columns of different lengths
ends with both counts: " (x: 3 lines, y: 2 lines)".

With --format json, exit statuses 0, 1 and 2 write one JSON object, on one
line, on standard output and nothing on standard error but the reports;
the other statuses write their message on standard error as in text mode.
Its members, in this order, those in brackets only where they apply:
  "kind"            "result", "notice", "convert", "invalid" or "overflow"
  for "result":
  "degree"          the degree N
  "points"          the number of points
  ["exact"]         true, with --exact
  "coefficients"    highest power first, each {"power": k, "value": the
                    coefficient as the shortest decimal number that reads back
                    as the same double, "text": its 15-decimal text as the
                    window shows it}; with --stats also "exact" (the exact
                    coefficient), "trusted_digits" (of "value"; not with
                    --exact), "standard_error" and "interval" ([lower,
                    upper], 95%), null where undefined
  ["equation"]      with --equation: the text it prints
  ["evaluations"]   with --at or --at-file: [{"x": the text, "value",
                    "from": "exact" or "calculated", "mean_interval",
                    "prediction_interval"}, ...], the intervals [lower,
                    upper] or null
  ["stats"]         with --stats: {"r_squared", "adjusted_r_squared",
                    "residual_standard_error", "max_abs_residual",
                    "max_residual_point", "condition_number",
                    "condition_warning"}, each a number, null where it is
                    undefined (or the condition number infinite), the point
                    counted from 1 like lines, the warning true or false
  ["exact_fit"]     with --stats: {"unique", and when true
                    "residual_sum_of_squares", "r_squared",
                    "adjusted_r_squared", "residual_standard_deviation",
                    "t_quantile", "low_trust": [{"power", "digits"}, ...]}
  otherwise:
  "message"         the notice or error text (without the error's ".")
  ["file", "line", "text"]  where the fault is: FILE as named ("-" for
                    standard input), the line counted from 1, the line's text
  ["x_lines", "y_lines"]    the two counts, when they differ
  and always:
  "domain_reports"  the number of "powl: DOMAIN error" reports
Strings are UTF-8; a byte of a name that is not UTF-8 becomes U+FFFD.

With --stats, in text mode a block follows the result on standard error:
決定係数 R² = 1 - SSres/SStot (undefined when every y is the same),
自由度調整済み決定係数 = 1 - (1 - R²)(m - 1)/(m - N - 1) and 残差標準誤差 =
sqrt(SSres/(m - N - 1)) (both undefined unless m > N + 1), 最大絶対残差
(点 I) with I counted from 1 like lines, and 正規方程式の条件数, the 1-norm
condition number of the normal matrix estimated in extended precision.
Residuals use the printed coefficients (as doubles) on the converted points;
m is the number of points.
With --at, each line reads "p(X) = V" and where V comes from: the exact
fit's coefficients (厳密解), or the calculation's (計算結果) when the exact
polynomial is not unique; V is Horner's rule in extended precision. Then the
95% interval of the mean, V ± t·sqrt(s²·vᵀA⁻¹v) with v = (1, X, ..., X^N),
and of a new observation, V ± t·sqrt(s²·(1 + vᵀA⁻¹v)), from the exact fit.
A second block gives the exact fit: the least-squares polynomial of the
decimal values as typed, from the normal equations in integers, solved
exactly. Per power: the exact coefficient, how many significant digits of the
printed one agree with it (正しい桁数, 0 to 17), the standard error
sqrt(s²·(A⁻¹)kk) with s² = SSres/(m - N - 1) and the 95% interval with
Student's t for m - N - 1 degrees of freedom; then R², the adjusted R², the
residual standard deviation s and SSres of the exact polynomial. Each figure
is exact until it is rounded once to a double. A warning names every printed
coefficient with fewer than 6 correct digits, and says when the condition
number is above 1e12.
)help";
}

int RunFitCommand(const std::vector<std::string>& args, std::FILE* in, std::FILE* out, std::FILE* err,
                  std::size_t maxLineLength) {
  try {
    if (const Information asked = InformationAskedFor(args); asked != Information::None) {
      Write(out, asked == Information::Help ? HelpText()
                                            : std::string(kProgram) + " " + std::string(kVersion) + "\n");
      if (std::fflush(out) == 0 && !std::ferror(out)) return kExitSuccess;
      Write(err, std::string(kProgram) + ": cannot write to standard output: " + std::strerror(errno) + "\n");
      return kExitIoError;
    }
    const Options options = ParseArguments(args);
    return Calculate(options, maxLineLength, in, out, err);
  } catch (const UsageError& usage) {
    Write(err, std::string(kProgram) + ": " + usage.message + "\nTry '" + std::string(kProgram) +
                   " --help' for more information.\n");
    return kExitUsage;
  } catch (const ReadError& input) {
    Write(err, std::string(kProgram) + ": cannot read " + DisplayName(input.name) + ": " +
                   (input.reason.empty() ? std::string(std::strerror(input.error)) : input.reason) + "\n");
    return kExitNoInput;
  } catch (const LineTooLongError& line) {
    Write(err, LocationPrefix(line.name, line.line) + "line longer than " + SizeText(line.limit) + "\n");
    return kExitDataFormat;
  } catch (const std::bad_alloc&) {
    Write(err, std::string(kProgram) + ": out of memory\n");
    return kExitSoftware;
  } catch (const std::exception& failure) {
    Write(err, std::string(kProgram) + ": internal error: " + failure.what() + "\n");
    return kExitSoftware;
  }
}

}  // namespace peruka::cli
