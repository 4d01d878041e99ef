// Tables read by peruka-fit --pairs with --columns, --header and
// --delimiter: each table with its whole outcome.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/exit_status.h"
#include "command_runner.h"
#include "table_cases.h"

namespace peruka::testing {
namespace {

using TableInputTest = CommandTest;

TEST_F(TableInputTest, EachTableGivesItsOutcome) {
  for (const TableCase& c : TableCases()) {
    SCOPED_TRACE(c.name);
    const std::string file = File("table", c.text);
    std::vector<std::string> args = {"--pairs", file};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CommandRun run = RunCommand(args);
    EXPECT_EQ(run.status, c.status);
    // On standard output only JSON names the file, its backslashes escaped.
    EXPECT_EQ(run.out, Placed(c.out, "@f", Placed(file, "\\", "\\\\")));
    EXPECT_EQ(run.err, Placed(c.err, "@f", file));
  }
}

// Refused command lines: the message, and the hint after it.
TEST_F(TableInputTest, RefusedOptions) {
  const std::string file = File("table", "0,1\n");
  const std::string columns =
      "--columns takes two column numbers from 1 to 999999, parted by a comma (as in 2,4), not ";
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"--pairs", file, "--columns", "2,2"}, "--columns names column 2 twice; x and y need two columns"},
      {{"--pairs", file, "--columns", "0,2"}, columns + "'0,2'"},
      {{"--pairs", file, "--columns", "2"}, columns + "'2'"},
      {{"--pairs", file, "--columns=2,"}, columns + "'2,'"},
      {{"--pairs", file, "--columns", ",2"}, columns + "',2'"},
      {{"--pairs", file, "--columns", "1,2,3"}, columns + "'1,2,3'"},
      {{"--pairs", file, "--columns", "1, 2"}, columns + "'1, 2'"},
      {{"--pairs", file, "--columns", "1000000,1"}, columns + "'1000000,1'"},
      {{"--pairs", file, "--columns", "--header"},
       "option '--columns' needs a value; got the option '--header'"},
      {{"--pairs", file, "--delimiter", "pipe"},
       "the delimiter must be 'tab', 'comma', 'semicolon' or 'blank' (or that character), not 'pipe'"},
      {{"--header", file, file}, "--header goes with --pairs FILE"},
      {{"--delimiter", ";", file, file}, "--delimiter goes with --pairs FILE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const CommandRun run = RunCommand(c.args);
    EXPECT_EQ(run.status, cli::kExitUsage);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "peruka-fit: " + c.message + "\nTry 'peruka-fit --help' for more information.\n");
  }
}

}  // namespace
}  // namespace peruka::testing
