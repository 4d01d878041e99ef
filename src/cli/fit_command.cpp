#include "cli/fit_command.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <new>
#include <optional>
#include <string_view>
#include <utility>

#include "cli/input_text.h"
#include "cli/pairs.h"
#include "fit/column_check.h"
#include "fit/fit_polynomial.h"
#include "fit/result_text.h"
#include "numeric/exceptions.h"
#include "numeric/locale_mark.h"
#include "numeric/math_error.h"
#include "text/shift_jis.h"
#include "version.h"

namespace peruka::cli {

namespace {

constexpr std::string_view kProgram = "peruka-fit";
constexpr std::string_view kStandardInputName = "-";

struct Options {
  int degree = kDefaultDegree;
  bool pairs = false;
  std::string pairsFile;
  bool shiftJis = false;
  char decimalMark = '.';  // whatever the locale: data files are written with "."
  std::vector<std::string> files;
};

struct UsageError {
  std::string message;
};

void Write(std::FILE* stream, std::string_view text) {
  if (!text.empty()) std::fwrite(text.data(), 1, text.size(), stream);
}

std::string Quoted(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted.append(1, '\'').append(text).append(1, '\'');
  return quoted;
}

// "-d N", "-dN", "--degree N" and "--degree=N" (likewise for every option
// with a value). Returns true when args[i] is the option; `value` receives
// its value and `i` moves past a separate value.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, std::string_view shortName,
               std::string_view longName, std::string& value) {
  const std::string_view arg = args[i];
  std::optional<std::string_view> inlineValue;
  if (!shortName.empty() && arg.starts_with(shortName)) {
    if (arg.size() > shortName.size()) inlineValue = arg.substr(shortName.size());
  } else if (arg.starts_with(longName) && arg.size() > longName.size() && arg[longName.size()] == '=') {
    inlineValue = arg.substr(longName.size() + 1);
  } else if (arg != longName) {
    return false;
  }
  if (inlineValue) {
    value = std::string(*inlineValue);
    return true;
  }
  if (i + 1 >= args.size()) throw UsageError{"option " + Quoted(arg) + " needs a value"};
  value = args[++i];
  return true;
}

int ParseDegree(const std::string& text) {
  int value = 0;
  bool digits = !text.empty() && text.size() <= 3;
  for (char c : text) {
    if (c < '0' || c > '9') digits = false;
    if (digits) value = value * 10 + (c - '0');
  }
  if (!digits || value < kMinDegree || value > kMaxDegree)
    throw UsageError{"the degree must be a whole number from 1 to 20, not " + Quoted(text)};
  return value;
}

// The mark is one printable ASCII byte that cannot be part of a number's
// other syntax: no digit, sign, exponent letter or blank. Anything else
// (a control byte, a byte of a longer UTF-8 character) is refused.
char ParseDecimalMark(const std::string& text) {
  const auto byte = text.size() == 1 ? static_cast<unsigned char>(text[0]) : 0;
  const bool printable = byte > 0x20 && byte < 0x7F;
  const bool partOfNumbers =
      (byte >= '0' && byte <= '9') || byte == '+' || byte == '-' || byte == 'e' || byte == 'E';
  if (!printable || partOfNumbers)
    throw UsageError{
        "the decimal mark must be one ASCII character other than a digit, '+', '-', 'e', 'E', a blank "
        "or a control character, not " +
        Quoted(text)};
  return static_cast<char>(byte);
}

// Returns true when --help or --version was asked for (and answered).
bool AnswerInformation(const std::vector<std::string>& args, std::FILE* out) {
  bool version = false;
  for (const std::string& arg : args) {
    if (arg == "--") break;
    if (arg == "--help" || arg == "-h") {
      Write(out, HelpText());
      return true;
    }
    if (arg == "--version") version = true;
  }
  if (version) Write(out, std::string(kProgram) + " " + std::string(kVersion) + "\n");
  return version;
}

Options ParseArguments(const std::vector<std::string>& args) {
  Options options;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string value;
    if (optionsEnded || arg == kStandardInputName || arg.empty() || arg[0] != '-') {
      options.files.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (TakeValue(args, i, "-d", "--degree", value)) {
      options.degree = ParseDegree(value);
    } else if (TakeValue(args, i, "", "--pairs", value)) {
      if (options.pairs) throw UsageError{"--pairs may be given only once"};
      options.pairs = true;
      options.pairsFile = value;
    } else if (TakeValue(args, i, "", "--decimal-mark", value)) {
      options.decimalMark = ParseDecimalMark(value);
    } else if (arg == "--sjis") {
      options.shiftJis = true;
    } else {
      throw UsageError{"unknown option " + Quoted(arg)};
    }
  }
  if (options.pairs) {
    if (!options.files.empty())
      throw UsageError{"--pairs reads one file; unexpected argument " + Quoted(options.files.front())};
  } else {
    if (options.files.size() != 2)
      throw UsageError{"expected an x file and a y file (or --pairs FILE), got " +
                       std::to_string(options.files.size()) + " file" +
                       (options.files.size() == 1 ? "" : "s")};
    if (options.files[0] == kStandardInputName && options.files[1] == kStandardInputName)
      throw UsageError{"standard input ('-') can stand for only one of the two column files"};
  }
  return options;
}

// A file that cannot be read, with its errno.
struct InputError {
  std::string name;
  int error;
};

InputText ReadInput(const std::string& name, std::FILE* in, bool shiftJis) {
  InputText input;
  const int error =
      name == kStandardInputName ? InputText::FromStream(in, input) : InputText::FromFile(name, input);
  if (error != 0) throw InputError{name, error};
  return ToColumnText(std::move(input), shiftJis);
}

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

// Each runtime message box ("powl: DOMAIN error") becomes one line on the
// error stream, in the order the calculation raises them.
class MessageLinesScope {
 public:
  explicit MessageLinesScope(std::FILE* err)
      : previous_(SetRuntimeMessagePresenter([err](std::string_view text, std::string_view) {
          Write(err, ShiftJisToUtf8(text));
          Write(err, "\n");
        })) {}
  ~MessageLinesScope() { SetRuntimeMessagePresenter(std::move(previous_)); }
  MessageLinesScope(const MessageLinesScope&) = delete;
  MessageLinesScope& operator=(const MessageLinesScope&) = delete;

 private:
  RuntimeMessagePresenter previous_;
};

int Calculate(const Options& options, std::FILE* in, std::FILE* out, std::FILE* err) {
  const DecimalMarkScope markScope(options.decimalMark);
  // The inputs outlive the columns, which view them: the pairs file, or the
  // x file and the y file.
  InputText firstInput;
  InputText secondInput;
  Column xColumn;
  Column yColumn;
  if (options.pairs) {
    firstInput = ReadInput(options.pairsFile, in, options.shiftJis);
    const std::size_t badLine = SplitPairs(firstInput.View(), LocaleDecimalMark(), xColumn, yColumn);
    if (badLine != 0) {
      const std::string_view between = LocaleDecimalMark() == ','
                                           ? "no tab between x and y (the decimal mark is a comma)"
                                           : "no tab or comma between x and y";
      Write(err, std::string(kProgram) + ": " + DisplayName(options.pairsFile) + ", line " +
                     std::to_string(badLine) + ": " + std::string(between) + "\n");
      return kExitDataFormat;
    }
  } else {
    firstInput = ReadInput(options.files[0], in, options.shiftJis);
    secondInput = ReadInput(options.files[1], in, options.shiftJis);
    xColumn = Column::Viewing(firstInput.View());
    yColumn = Column::Viewing(secondInput.View());
  }

  const MessageLinesScope messageScope(err);
  std::string result;
  try {
    const ColumnCheck check = CheckColumns(xColumn, yColumn);
    if (check != ColumnCheck::Ok) {
      Write(err, ShiftJisToUtf8(NoticeText(check)) + "\n");
      return kExitNotice;
    }
    const FitResult fit = FitPolynomial(options.degree - 1, xColumn, yColumn);
    fit.DeliverPendingFault();
    result = ShiftJisToUtf8(ResultText(fit));
  } catch (const Exception& error) {
    // The error box: the message and a full stop.
    Write(err, ShiftJisToUtf8(error.Message()) + ".\n");
    return kExitError;
  }
  std::fflush(err);
  result += '\n';
  Write(out, result);
  if (std::fflush(out) != 0 || std::ferror(out)) {
    Write(err, std::string(kProgram) + ": cannot write the result: " + std::strerror(errno) + "\n");
    return kExitIoError;
  }
  return kExitSuccess;
}

}  // namespace

std::string HelpText() {
  return R"(Usage: peruka-fit [-d N] [OPTION]... XFILE YFILE
       peruka-fit [-d N] [OPTION]... --pairs FILE
Fit a least-squares polynomial of degree N to points (x, y) and print it,
exactly as the calculator window's calculate button does.

  -d, --degree N        degree of the polynomial, 1 to 20 (default 1)
      --pairs FILE      read one point per line: x, a tab, y; or x, a comma, y
                        when the line has no tab and the decimal mark is not a
                        comma. Text after the first separator is the y value.
                        A line without a separator, an empty one included, is
                        an error.
      --sjis            the input is Shift-JIS (code page 932), not UTF-8
      --decimal-mark C  use C as the decimal mark (default ".", whatever the
                        locale). C is one ASCII character other than a digit,
                        "+", "-", "e", "E", a blank or a control character.
                        With any mark but ".", such as ",", the character rule
                        admits whole numbers only, as the window does in a
                        locale with such a mark: a value holding "," is
                        refused by the rule, and one holding "." by the
                        conversion.
  -h, --help            show this help and exit
      --version         show the version and exit
      --                end of options

XFILE and YFILE hold one value per line, as the calculator's two column boxes
do. Lines end with LF or CR LF; a last line break does not start another
line; lines are taken whole, whatever their length. A FILE of "-" is
standard input (for one of the two column files at most). UTF-8 input loses a
leading byte-order mark, and a character with no Shift-JIS form becomes "?".
Output is UTF-8.

Exit status:
  0   the fitted polynomial is on standard output, one term per line
  1   the columns were refused; the notice is on standard error
  2   a value could not be converted, or the arithmetic faulted; the error
      message, ended by ".", is on standard error and nothing on standard output
  64  bad command line
  65  a --pairs line has no separator (the line is named)
  66  an input file cannot be read
  70  internal failure, such as running out of memory
  74  the result cannot be written
Each "powl: DOMAIN error" report of the power function (two for every x equal
to 0) is one line on standard error, in order; the calculation goes on.
)";
}

int RunFitCommand(const std::vector<std::string>& args, std::FILE* in, std::FILE* out, std::FILE* err) {
  try {
    if (AnswerInformation(args, out)) {
      if (std::fflush(out) == 0 && !std::ferror(out)) return kExitSuccess;
      Write(err, std::string(kProgram) + ": cannot write to standard output: " + std::strerror(errno) + "\n");
      return kExitIoError;
    }
    const Options options = ParseArguments(args);
    return Calculate(options, in, out, err);
  } catch (const UsageError& usage) {
    Write(err, std::string(kProgram) + ": " + usage.message + "\nTry '" + std::string(kProgram) +
                   " --help' for more information.\n");
    return kExitUsage;
  } catch (const InputError& input) {
    Write(err, std::string(kProgram) + ": cannot read " + DisplayName(input.name) + ": " +
                   std::strerror(input.error) + "\n");
    return kExitNoInput;
  } catch (const std::bad_alloc&) {
    Write(err, std::string(kProgram) + ": out of memory\n");
    return kExitSoftware;
  } catch (const std::exception& failure) {
    Write(err, std::string(kProgram) + ": internal error: " + failure.what() + "\n");
    return kExitSoftware;
  }
}

}  // namespace peruka::cli
