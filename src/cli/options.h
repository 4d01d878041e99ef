// The command line of peruka-fit.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/pairs.h"
#include "fit/equation_text.h"

namespace peruka::cli {

inline constexpr std::string_view kProgram = "peruka-fit";
inline constexpr std::string_view kStandardInputName = "-";
inline constexpr int kDefaultDegree = 1;

enum class OutputFormat { Text, Json };

struct Options {
  int degree = kDefaultDegree;
  bool pairs = false;
  std::string pairsFile;
  PairsLayout layout;  // --header, --columns X,Y and --delimiter C
  bool shiftJis = false;
  char decimalMark = '.';  // whatever the locale: data files are written with "."
  OutputFormat format = OutputFormat::Text;
  bool stats = false;                    // --stats: the fit's quality figures after the result
  bool exact = false;                    // --exact: the exact least-squares polynomial instead
  std::vector<std::string> at;           // --at X, in order
  std::string atFile;                    // --at-file F
  std::optional<EquationForm> equation;  // --equation F
  std::vector<std::string> files;
};

// A command line that cannot be run; the message says why.
struct UsageError {
  std::string message;
};

// Throws UsageError.
Options ParseArguments(const std::vector<std::string>& args);

// What --help and --version ask for: the first --help (or -h) before "--"
// wins over everything else, then --version.
enum class Information { None, Help, Version };
Information InformationAskedFor(const std::vector<std::string>& args);

// 'text', quoted for a message.
std::string Quoted(std::string_view text);

}  // namespace peruka::cli
