// The built peruka-fit binary, run as a user runs it: real standard streams,
// real exit statuses, and the locale from the environment.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "command_runner.h"
#include "version.h"

extern char** environ;

namespace peruka::testing {
namespace {

struct ProcessRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadWhole(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// What a standard stream of the binary is: a scratch file (the input, or
// what the test reads back), closed, or a device that is always full.
enum class Stream { File, Closed, Full };

class Binary : public CommandTest {
 protected:
  // Runs the binary with `args`, `input` as standard input and the process
  // environment plus `environment`.
  ProcessRun Run(const std::vector<std::string>& args, const std::string& input,
                 const std::vector<std::string>& environment = {}, Stream in = Stream::File,
                 Stream out = Stream::File) {
    const std::string inPath = File("stdin", input);
    const std::string outPath = (dir_ / "stdout").string();
    const std::string errPath = (dir_ / "stderr").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (in == Stream::Closed)
      posix_spawn_file_actions_addclose(&actions, 0);
    else
      posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    if (out == Stream::Closed)
      posix_spawn_file_actions_addclose(&actions, 1);
    else
      posix_spawn_file_actions_addopen(&actions, 1, out == Stream::Full ? "/dev/full" : outPath.c_str(),
                                       O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

    std::vector<std::string> argStrings = {PERUKA_FIT_PATH};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argStrings) argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<std::string> envStrings;
    for (char** e = environ; *e != nullptr; ++e) {
      const std::string entry = *e;
      if (entry.rfind("LC_", 0) != 0 && entry.rfind("LANG", 0) != 0) envStrings.push_back(entry);
    }
    envStrings.insert(envStrings.end(), environment.begin(), environment.end());
    std::vector<char*> envp;
    for (std::string& e : envStrings) envp.push_back(e.data());
    envp.push_back(nullptr);

    ProcessRun run;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, PERUKA_FIT_PATH, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
      ADD_FAILURE() << "cannot start " << PERUKA_FIT_PATH << ": " << std::strerror(spawned);
      return run;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status)) << "the command did not exit normally";
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (out == Stream::File) run.out = ReadWhole(outPath);
    run.err = ReadWhole(errPath);
    return run;
  }
};

// Inputs and streams that must end in a clear message and a documented
// status, never a crash, a hang or memory without bound. Long lines are
// judged in-process against a limit of 64 bytes; the rest runs the binary
// with its standard streams as a shell sets them up.
enum class Way { InProcess, Binary, ClosedInput, FullOutput, ClosedOutput };

struct HostileCase {
  const char* what;
  Way way;
  std::string args;  // split at spaces; "@dir" is the test's directory, "@x" a file holding `input`
  std::string input;
  int status;
  std::string err;  // with "@dir" and "@x" as in `args`
};

constexpr std::size_t kSmallLineLimit = 64;
const std::string kLine64 = "3\t" + std::string(62, '4');
const std::string kTooLong = "line longer than 64 bytes\n";
const std::string kFull = "peruka-fit: cannot write the result: No space left on device\n";

const std::vector<HostileCase> kHostileCases = {
    {"endless line", Way::InProcess, "--pairs -", std::string(100000, '7'), 65,
     At("standard input", 1) + kTooLong},
    {"longest line taken, CR LF", Way::InProcess, "--pairs -", "1\t2\n" + kLine64 + "\r\n", 0, ""},
    {"one byte too many", Way::InProcess, "--pairs -", "1\t2\n" + kLine64 + "4\r\n", 65,
     At("standard input", 2) + kTooLong},
    {"last line too long", Way::InProcess, "--pairs -", "1\t2\n" + kLine64 + "4", 65,
     At("standard input", 2) + kTooLong},
    {"column file line", Way::InProcess, "@x -", "1\n2\n" + std::string(100, '5') + "\n", 65,
     At("@x", 3) + kTooLong},
    {"NUL bytes", Way::Binary, "--pairs -", std::string("1\t2\n3\t4\0 5\n", 11), 1,
     At("standard input", 2) + std::string(kNotNumeric)},
    {"only NUL bytes", Way::Binary, "--pairs -", std::string(4096, '\0'), 65,
     At("standard input", 1) + "no tab or comma between x and y\n"},
    {"invalid UTF-8", Way::Binary, "--pairs -", "1\t2\n\xC3\x28\t\xFF\xFE\n", 1,
     At("standard input", 2) + std::string(kNotNumeric)},
    {"closed standard input", Way::ClosedInput, "--pairs -", "", 66,
     "peruka-fit: cannot read standard input: Bad file descriptor\n"},
    {"directory as input", Way::Binary, "--pairs @dir", "", 66,
     "peruka-fit: cannot read '@dir': Is a directory\n"},
    {"full standard output", Way::FullOutput, "--pairs -", "0\t1\n1\t3\n2\t5\n", 74,
     Repeat(kDomain, 2) + kFull},
    {"full standard output, JSON", Way::FullOutput, "--format json --pairs -", "1\t3\n2\t5\n", 74, kFull},
    {"closed standard output", Way::ClosedOutput, "--pairs -", "0\t1\n1\t3\n2\t5\n", 74,
     Repeat(kDomain, 2) + "peruka-fit: cannot write the result: Bad file descriptor\n"},
};

TEST_F(Binary, HostileInputsAndStreamsEndCleanly) {
  for (const HostileCase& c : kHostileCases) {
    const std::string x = File("x", c.input);
    const auto placed = [&](const std::string& text) {
      return Placed(Placed(text, "@dir", dir_.string()), "@x", x);
    };
    std::vector<std::string> args;
    std::istringstream words(c.args);
    for (std::string word; words >> word;) args.push_back(placed(word));
    int status = -1;
    std::string err;
    if (c.way == Way::InProcess) {
      const CommandRun run = RunCommand(args, c.input, kSmallLineLimit);
      status = run.status;
      err = run.err;
    } else {
      const ProcessRun run = Run(args, c.input, {}, c.way == Way::ClosedInput ? Stream::Closed : Stream::File,
                                 c.way == Way::FullOutput     ? Stream::Full
                                 : c.way == Way::ClosedOutput ? Stream::Closed
                                                              : Stream::File);
      status = run.status;
      err = run.err;
    }
    EXPECT_EQ(status, c.status) << c.what;
    EXPECT_EQ(err, placed(c.err)) << c.what;
  }
}

TEST_F(Binary, FitsPairsFromStandardInput) {
  const ProcessRun run = Run({"-d", "1", "--pairs", "-"}, "0\t1\r\n1\t3\r\n2\t5\r\n", {"LC_ALL=C"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, kWorkedExample);
  EXPECT_EQ(run.err, Repeat(kDomain, 2));
}

TEST_F(Binary, ReportsThenErrorAndNothingOnStandardOutput) {
  const std::string x = File("x", "0\n-\n");
  const ProcessRun run = Run({x, "-"}, "1\n2\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, Repeat(kDomain, 2) + At(x, 2) + NotFloat("-"));
}

TEST_F(Binary, NoticeExitsWithOne) {
  const ProcessRun run = Run({"--pairs", "-"}, "");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, kNoData);
}

TEST_F(Binary, UsageAndFileErrors) {
  EXPECT_EQ(Run({"-d", "0", "a", "b"}, "").status, 64);
  EXPECT_EQ(Run({"--pairs", "-"}, "1 2\n").status, 65);
  const ProcessRun missing = Run({"--pairs", (dir_ / "none").string()}, "");
  EXPECT_EQ(missing.status, 66);
  EXPECT_EQ(missing.err,
            "peruka-fit: cannot read '" + (dir_ / "none").string() + "': No such file or directory\n");
}

TEST_F(Binary, VersionAndHelp) {
  const ProcessRun version = Run({"--version"}, "");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "peruka-fit " + std::string(kVersion) + "\n");
  const ProcessRun help = Run({"--help"}, "");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out, cli::HelpText());
}

TEST_F(Binary, DecimalMarkOptionShapesInputAndOutput) {
  const ProcessRun run = Run({"--decimal-mark", ",", "--pairs", "-"}, "0\t1\n1\t3\n2\t5\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "y = (2,000000000000000) x^1\n   + (1,000000000000000)\n");
}

}  // namespace
}  // namespace peruka::testing
