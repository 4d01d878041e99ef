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

class Binary : public CommandTest {
 protected:
  // Runs the binary with `args`, `input` as standard input and the process
  // environment plus `environment`.
  ProcessRun Run(const std::vector<std::string>& args, const std::string& input,
                 const std::vector<std::string>& environment = {}) {
    const std::string inPath = File("stdin", input);
    const std::string outPath = (dir_ / "stdout").string();
    const std::string errPath = (dir_ / "stderr").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
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
    run.out = ReadWhole(outPath);
    run.err = ReadWhole(errPath);
    return run;
  }
};

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
