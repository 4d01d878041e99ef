// Running the command in-process with its standard streams in memory, and
// scratch files for it to read.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/fit_command.h"
#include "numeric/locale_mark.h"
#include "scratch_file.h"

namespace peruka::testing {

struct CommandRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs peruka-fit with `args`; `input` is its standard input. A line longer
// than `maxLineLength` bytes is refused.
inline CommandRun RunCommand(const std::vector<std::string>& args, std::string_view input = {},
                             std::size_t maxLineLength = cli::kMaxLineLength) {
  CommandRun run;
  std::FILE* in = ScratchFile();
  std::FILE* out = ScratchFile();
  std::FILE* err = ScratchFile();
  if (in == nullptr || out == nullptr || err == nullptr) {
    ADD_FAILURE() << "no scratch files for the standard streams";
    for (std::FILE* file : {in, out, err})
      if (file != nullptr) std::fclose(file);
    return run;
  }
  if (!input.empty()) std::fwrite(input.data(), 1, input.size(), in);
  std::fflush(in);
  std::rewind(in);
  run.status = cli::RunFitCommand(args, in, out, err, maxLineLength);
  run.out = ReadBack(out);
  run.err = ReadBack(err);
  for (std::FILE* file : {in, out, err}) std::fclose(file);
  return run;
}

// A fresh directory per test for the files the command reads; the decimal
// mark is "." unless a test says otherwise.
class CommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLocaleDecimalMark('.');
    dir_ = ScratchFolder("peruka-cli-");
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  // Writes `bytes` to a file named `name` in the test's directory.
  std::string File(const std::string& name, std::string_view bytes) {
    const std::string path = (dir_ / name).string();
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  std::filesystem::path dir_;
};

// The texts the command shows, as the terminal receives them.
inline constexpr std::string_view kCountsDiffer = "xとyのデータ数が違うよ(･･､)\n";
inline constexpr std::string_view kNoData = "データが入力されてないよ(･･､)\n";
inline constexpr std::string_view kNotNumeric = "数字じゃないデータがあるよ(･･､)\n";
inline constexpr std::string_view kInvalidOp = "無効な浮動小数点操作.\n";
inline constexpr std::string_view kOverflow = "浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ.\n";
inline constexpr std::string_view kTooLong = "結果が 4096 文字以上あります.\n";
inline constexpr std::string_view kDomain = "powl: DOMAIN error\n";

// Why a folder named as an input cannot be read: Linux opens it and fails
// the reading, the Windows C runtime refuses to open it.
#ifdef _WIN32
inline constexpr std::string_view kFolderReadError = "Permission denied";
#else
inline constexpr std::string_view kFolderReadError = "Is a directory";
#endif

inline std::string NotFloat(std::string_view text) {
  std::string message(1, '\'');
  message.append(text).append("' は浮動小数点ではありません.\n");
  return message;
}

// The notice for columns of different lengths, with their counts.
inline std::string CountsDiffer(std::size_t x, std::size_t y) {
  const auto lines = [](std::size_t n) { return std::to_string(n) + (n == 1 ? " line" : " lines"); };
  std::string notice(kCountsDiffer.substr(0, kCountsDiffer.size() - 1));
  return notice + " (x: " + lines(x) + ", y: " + lines(y) + ")\n";
}

// The place that a message names: "peruka-fit: NAME:LINE: ". Expected texts
// write a token such as "@x" for NAME; Placed fills in the file.
inline std::string At(std::string_view token, std::size_t line) {
  return "peruka-fit: " + std::string(token) + ":" + std::to_string(line) + ": ";
}

inline std::string Placed(std::string text, std::string_view token, std::string_view name) {
  for (std::size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + name.size()))
    text.replace(at, token.size(), name);
  return text;
}

inline std::string Repeat(std::string_view text, std::size_t times) {
  std::string all;
  all.reserve(text.size() * times);
  for (std::size_t i = 0; i < times; ++i) all += text;
  return all;
}

// The result of the worked example (0, 1), (1, 3), (2, 5) at degree 1.
inline constexpr std::string_view kWorkedExample = "y = (2.000000000000000) x^1\n   + (1.000000000000000)\n";

}  // namespace peruka::testing
