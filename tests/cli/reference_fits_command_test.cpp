// The reference fits of tests/data/fits.txt through the whole command: its
// output must be the reference text, its errors the reports and message the
// window would show, in order.
#include <gtest/gtest.h>

#include <cstdlib>
// GCC 12 reports a false "may be used uninitialized" inside <regex> when
// optimising; the header is not ours.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <regex>
#pragma GCC diagnostic pop
#include <string>
#include <vector>

#include "cli/fit_command.h"
#include "command_runner.h"
#include "fit/column.h"
#include "numeric/format_fixed.h"
#include "test_data.h"
#include "text/trim.h"

namespace peruka::testing {
namespace {

struct ReferenceFit {
  std::size_t line = 0;
  int degree = 0;
  std::string pairs;
  std::string expected;  // the result text, or "ERR <kind> [<text>]"
  int domainBoxes = 0;
};

std::vector<ReferenceFit> LoadReferenceFits() {
  std::vector<ReferenceFit> fits;
  const auto lines = DataLines("fits.txt");
  std::size_t i = 0;
  while (i < lines.size()) {
    if (lines[i].empty()) {
      ++i;
      continue;
    }
    ReferenceFit fit;
    fit.line = i + 1;
    fit.degree = std::stoi(lines[i].substr(std::string("DEGREE ").size()));
    for (++i; lines[i] != "EXPECT"; ++i) fit.pairs += lines[i] + "\n";
    for (++i; lines[i].rfind("DOMAINBOXES ", 0) != 0; ++i) fit.expected += lines[i] + "\n";
    fit.domainBoxes = std::stoi(lines[i].substr(std::string("DOMAINBOXES ").size()));
    ++i;
    fits.push_back(std::move(fit));
  }
  return fits;
}

// The line of the first point with an x or y text equal to `text`. A
// refused text is refused wherever it stands, so the first one refused in
// the order of the calculation is on that line.
std::size_t LineHolding(const std::string& pairs, std::string_view text) {
  std::size_t number = 0;
  std::size_t found = 0;
  ForEachLine(pairs, [&](std::string_view line) {
    ++number;
    const std::size_t tab = line.find('\t');
    const bool holds = TrimmedView(line.substr(0, tab)) == text || TrimmedView(line.substr(tab + 1)) == text;
    if (holds) found = number;
    return !holds;
  });
  return found;
}

// What the command prints on standard error for a reference error line.
std::string ErrorText(const std::string& expected, const std::string& pairs) {
  const std::string kind = expected.substr(4, expected.size() - 5);  // without "ERR " and the LF
  if (kind == "invalid") return std::string(kInvalidOp);
  if (kind == "overflow" || kind == "overflow-last") return std::string(kOverflow);
  if (kind.rfind("convert", 0) == 0) {
    const std::string text = kind.size() > 8 ? kind.substr(8) : "";
    return At("standard input", LineHolding(pairs, text)) + NotFloat(text);
  }
  ADD_FAILURE() << "unknown reference error " << expected;
  return {};
}

class ReferenceFitsCommand : public CommandTest {};

TEST_F(ReferenceFitsCommand, EveryCaseGivesTheReferenceOutput) {
  const std::vector<ReferenceFit> fits = LoadReferenceFits();
  ASSERT_GT(fits.size(), 50u);
  int failures = 0;
  for (const ReferenceFit& fit : fits) {
    const CommandRun run = RunCommand({"-d", std::to_string(fit.degree), "--pairs", "-"}, fit.pairs);
    const std::string boxes = Repeat(kDomain, static_cast<std::size_t>(fit.domainBoxes));
    const bool isError = fit.expected.rfind("ERR ", 0) == 0;
    const int status = isError ? cli::kExitError : cli::kExitSuccess;
    const std::string out = isError ? "" : fit.expected;
    const std::string err = isError ? boxes + ErrorText(fit.expected, fit.pairs) : boxes;
    if ((run.status != status || run.out != out || run.err != err) && ++failures <= 5) {
      ADD_FAILURE() << "case at line " << fit.line << ": status " << run.status << "\nout:\n"
                    << run.out << "expected:\n"
                    << out << "err:\n"
                    << run.err.substr(0, 400) << "expected:\n"
                    << err.substr(0, 400);
    }
  }
  EXPECT_EQ(failures, 0);
}

std::vector<std::string> AllMatches(const std::string& text, const std::regex& pattern) {
  std::vector<std::string> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator(); ++it)
    found.push_back((*it)[1].str());
  return found;
}

// --format json against the text on every reference case: the same status
// and reports; each coefficient's text is the result text's, and its value
// is a double with that text; an error is of the reference's kind.
TEST_F(ReferenceFitsCommand, JsonAgreesWithTheText) {
  static const std::regex kTermText(R"(\(([^)]*)\))");
  static const std::regex kJsonText(R"j("text":"([^"]*)")j");
  static const std::regex kJsonValue(R"j("value":([^,]*),)j");
  int failures = 0;
  for (const ReferenceFit& fit : LoadReferenceFits()) {
    const std::vector<std::string> args = {"-d", std::to_string(fit.degree), "--pairs", "-"};
    std::vector<std::string> jsonArgs = args;
    jsonArgs.insert(jsonArgs.begin(), "--format=json");
    const CommandRun text = RunCommand(args, fit.pairs);
    const CommandRun json = RunCommand(jsonArgs, fit.pairs);
    const std::string reports = ",\"domain_reports\":" + std::to_string(fit.domainBoxes) + "}\n";
    bool same = json.status == text.status &&
                json.err.size() == std::string(kDomain).size() * fit.domainBoxes &&
                json.out.ends_with(reports);
    if (text.status == cli::kExitSuccess) {
      const std::vector<std::string> terms = AllMatches(text.out, kTermText);
      const std::vector<std::string> texts = AllMatches(json.out, kJsonText);
      const std::vector<std::string> values = AllMatches(json.out, kJsonValue);
      same = same && texts == terms && values.size() == terms.size();
      for (std::size_t k = 0; same && k < values.size(); ++k)
        same = FormatFixed(std::strtod(values[k].c_str(), nullptr), 15, 15) == terms[k];
    } else {
      std::string kind = fit.expected.substr(4, fit.expected.find_first_of(" -\n", 4) - 4);
      if (kind == "overflow-last") kind = "overflow";
      same = same && json.out.starts_with("{\"kind\":\"" + kind + "\",");
    }
    if (!same && ++failures <= 5)
      ADD_FAILURE() << "case at line " << fit.line << "\ntext:\n" << text.out << "json:\n" << json.out;
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace peruka::testing
