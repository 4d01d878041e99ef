// The built peruka-fit binary, run as a user runs it: real standard streams,
// real exit statuses, and the locale from the environment.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;
#endif

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "command_runner.h"
#include "version.h"

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

// Whether a child's stream can be set up so on this platform: Windows has no
// device that is always full, and a child started there without a standard
// handle has no C stream at all rather than a closed descriptor.
bool CanSetUp(Stream stream) {
#ifdef _WIN32
  return stream == Stream::File;
#else
  static_cast<void>(stream);
  return true;
#endif
}

// The words that start the binary: an emulator's first where the tests run
// under one (PERUKA_FIT_EMULATOR, its words separated by blanks).
std::vector<std::string> CommandWords(const std::vector<std::string>& args) {
  std::vector<std::string> words;
  std::istringstream emulator(PERUKA_FIT_EMULATOR);
  for (std::string word; emulator >> word;) words.push_back(word);
  words.push_back(PERUKA_FIT_PATH);
  words.insert(words.end(), args.begin(), args.end());
  return words;
}

#ifdef _WIN32
// One word of a command line as the C runtime splits it again.
std::string Quoted(const std::string& word) {
  if (!word.empty() && word.find_first_of(" \t\"") == std::string::npos) return word;
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : word) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, '\\');
  return quoted + "\"";
}

// Runs the words with the three files as standard streams and returns the
// exit status. The environment is the test's own: on Windows it does not
// choose the decimal mark.
int RunAndWait(const std::vector<std::string>& words, const std::string& inPath, const std::string& outPath,
               const std::string& errPath, const std::vector<std::string>&) {
  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  const auto open = [&](const std::string& path, bool write) {
    return CreateFileA(path.c_str(), write ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       &inherited, write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = open(inPath, false);
  startup.hStdOutput = open(outPath, true);
  startup.hStdError = open(errPath, true);
  std::string commandLine;
  for (const std::string& word : words) commandLine += (commandLine.empty() ? "" : " ") + Quoted(word);
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &process);
  for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) CloseHandle(handle);
  if (!started) {
    ADD_FAILURE() << "cannot start " << commandLine << ": error " << GetLastError();
    return -1;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(status);
}
#else
// Runs the words with the streams set up as asked, the process environment
// without its locale variables plus `environment`, and returns the exit
// status.
int RunAndWait(const std::vector<std::string>& words, const std::string& inPath, const std::string& outPath,
               const std::string& errPath, const std::vector<std::string>& environment, Stream in,
               Stream out) {
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

  std::vector<std::string> argStrings = words;
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

  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    ADD_FAILURE() << "cannot start " << argv[0] << ": " << std::strerror(spawned);
    return -1;
  }
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status)) << "the command did not exit normally";
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

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
    ProcessRun run;
#ifdef _WIN32
    static_cast<void>(in);
    run.status = RunAndWait(CommandWords(args), inPath, outPath, errPath, environment);
#else
    run.status = RunAndWait(CommandWords(args), inPath, outPath, errPath, environment, in, out);
#endif
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
     "peruka-fit: cannot read '@dir': " + std::string(kFolderReadError) + "\n"},
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
      const Stream in = c.way == Way::ClosedInput ? Stream::Closed : Stream::File;
      const Stream out = c.way == Way::FullOutput     ? Stream::Full
                         : c.way == Way::ClosedOutput ? Stream::Closed
                                                      : Stream::File;
      if (!CanSetUp(in) || !CanSetUp(out)) {
        std::printf("not run here: %s (this platform cannot set up such a stream)\n", c.what);
        continue;
      }
      const ProcessRun run = Run(args, c.input, {}, in, out);
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
