#include "cli/options.h"

#include <algorithm>
#include <optional>

#include "fit/power_sums.h"

namespace peruka::cli {

namespace {

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
  // An option name where the value should be is a forgotten value, not a
  // value: "--pairs --format json data.tsv". A file of such a name can
  // still be given as --pairs=--name.
  const std::string_view next = args[i + 1];
  if (next.size() > 2 && next.starts_with("--")) {
    const std::string got = "; got the option " + Quoted(next);
    throw UsageError{longName == "--pairs" ? "--pairs needs a file name" + got
                                           : "option " + Quoted(arg) + " needs a value" + got};
  }
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

// --columns X,Y: two column numbers from 1, as fields from 0. The same
// column twice is refused: y = x is never a fit anyone means to make.
void ParseColumns(const std::string& text, PairsLayout& layout) {
  std::size_t numbers[2] = {0, 0};
  std::size_t at = 0;
  bool good = true;
  for (std::size_t& number : numbers) {
    if (&number != numbers && (at >= text.size() || text[at++] != ',')) good = false;
    const std::size_t start = at;
    while (good && at < text.size() && text[at] >= '0' && text[at] <= '9' && at - start < 6)
      number = number * 10 + static_cast<std::size_t>(text[at++] - '0');
    if (at == start || number == 0) good = false;
  }
  if (!good || at != text.size()) {
    std::string message =
        "--columns takes two column numbers from 1 to 999999, parted by a comma (as in 2,4), "
        "not ";
    throw UsageError{message.append(Quoted(text))};
  }
  if (numbers[0] == numbers[1]) {
    std::string message = "--columns names column ";
    throw UsageError{message.append(std::to_string(numbers[0])).append(" twice; x and y need two columns")};
  }
  layout.table = true;
  layout.xField = numbers[0] - 1;
  layout.yField = numbers[1] - 1;
}

void ParseDelimiter(const std::string& text, PairsLayout& layout) {
  layout.delimiter = FieldDelimiterNamed(text);
  if (!layout.delimiter) {
    std::string message =
        "the delimiter must be 'tab', 'comma', 'semicolon' or 'blank' (or that character), not ";
    throw UsageError{message.append(Quoted(text))};
  }
  layout.table = true;
}

OutputFormat ParseFormat(const std::string& text) {
  if (text == "text") return OutputFormat::Text;
  if (text == "json") return OutputFormat::Json;
  throw UsageError{"the format must be 'text' or 'json', not " + Quoted(text)};
}

}  // namespace

std::string Quoted(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted.append(1, '\'').append(text).append(1, '\'');
  return quoted;
}

Information InformationAskedFor(const std::vector<std::string>& args) {
  Information asked = Information::None;
  for (const std::string& arg : args) {
    if (arg == "--") break;
    if (arg == "--help" || arg == "-h") return Information::Help;
    if (arg == "--version") asked = Information::Version;
  }
  return asked;
}

Options ParseArguments(const std::vector<std::string>& args) {
  Options options;
  bool optionsEnded = false;
  std::string_view tableOption;  // the last of --columns, --delimiter and --header
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
    } else if (TakeValue(args, i, "", "--columns", value)) {
      ParseColumns(value, options.layout);
      tableOption = "--columns";
    } else if (TakeValue(args, i, "", "--delimiter", value)) {
      ParseDelimiter(value, options.layout);
      tableOption = "--delimiter";
    } else if (arg == "--header") {
      options.layout.skippedLines = 1;
      options.layout.table = true;
      tableOption = "--header";
    } else if (TakeValue(args, i, "", "--decimal-mark", value)) {
      options.decimalMark = ParseDecimalMark(value);
    } else if (TakeValue(args, i, "", "--equation", value)) {
      options.equation = EquationFormNamed(value);
      if (!options.equation)
        throw UsageError{"the equation form must be 'plain', 'latex', 'spreadsheet', 'c' or 'python', not " +
                         Quoted(value)};
    } else if (TakeValue(args, i, "", "--at-file", value)) {
      if (!options.atFile.empty()) throw UsageError{"--at-file may be given only once"};
      options.atFile = value;
    } else if (TakeValue(args, i, "", "--at", value)) {
      options.at.push_back(value);
    } else if (TakeValue(args, i, "", "--format", value)) {
      options.format = ParseFormat(value);
    } else if (arg == "--sjis") {
      options.shiftJis = true;
    } else if (arg == "--stats") {
      options.stats = true;
    } else if (arg == "--exact") {
      options.exact = true;
    } else {
      throw UsageError{"unknown option " + Quoted(arg)};
    }
  }
  if (options.atFile == kStandardInputName &&
      (options.pairsFile == kStandardInputName ||
       (!options.pairs &&
        std::find(options.files.begin(), options.files.end(), kStandardInputName) != options.files.end())))
    throw UsageError{"standard input ('-') cannot be both the data and the --at-file"};
  if (!tableOption.empty() && !options.pairs) {
    std::string message(tableOption);
    throw UsageError{message.append(" goes with --pairs FILE")};
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

}  // namespace peruka::cli
