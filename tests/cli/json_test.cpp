// --format json: the escaping of strings, the numbers, and the object the
// command writes for each outcome.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "cli/fit_command.h"
#include "cli/json_text.h"
#include "command_runner.h"

namespace peruka::testing {
namespace {

using cli::JsonNumber;
using cli::JsonString;

struct StringCase {
  std::string text;
  std::string json;
};

void PrintTo(const StringCase& c, std::ostream* os) { *os << ::testing::PrintToString(c.text); }

class JsonStrings : public ::testing::TestWithParam<StringCase> {};

TEST_P(JsonStrings, AreQuotedEscapedAndUtf8) { EXPECT_EQ(JsonString(GetParam().text), GetParam().json); }

INSTANTIATE_TEST_SUITE_P(
    Cases, JsonStrings,
    ::testing::Values(StringCase{"", R"j("")j"}, StringCase{"'-' x", R"j("'-' x")j"},
                      StringCase{"a\"b\\c/", R"j("a\"b\\c/")j"},
                      StringCase{"\n\r\t\x01\x1F\x7F", R"j("\n\r\t\u0001\u001f\u007f")j"},
                      StringCase{std::string("1\0002", 3), R"j("1\u00002")j"},
                      StringCase{"は･😀", "\"は･😀\""},                           // well-formed: as it is
                      StringCase{"1\xFF", R"j("1\ufffd")j"},                    // not a lead byte
                      StringCase{"\xE3\x81", R"j("\ufffd\ufffd")j"},            // cut short
                      StringCase{"\xE3\x81x", R"j("\ufffd\ufffdx")j"},          // cut by an ASCII byte
                      StringCase{"\xC0\xAF", R"j("\ufffd\ufffd")j"},            // overlong
                      StringCase{"\xED\xA0\x80", R"j("\ufffd\ufffd\ufffd")j"},  // surrogate
                      StringCase{"\xF4\x90\x80\x80", R"j("\ufffd\ufffd\ufffd\ufffd")j"}  // beyond U+10FFFF
                      ),
    [](const auto& info) { return "Row" + std::to_string(info.index); });

TEST(JsonNumbers, AreTheShortestTextsThatReadBack) {
  const std::vector<std::pair<double, std::string>> cases = {
      {2.0, "2"},        {-0.0, "-0"},       {0.1, "0.1"},  {0.1 + 0.2, "0.30000000000000004"},
      {1e300, "1e+300"}, {5e-324, "5e-324"}, {-1.5, "-1.5"}};
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(JsonNumber(value), text);
    EXPECT_EQ(std::strtod(text.c_str(), nullptr), value);
  }
}

struct JsonCase {
  const char* name;
  std::vector<std::string> options;
  std::string pairs;  // standard input, read by --pairs -
  int status;
  std::string out;
  std::string err;
};

void PrintTo(const JsonCase& c, std::ostream* os) { *os << c.name; }

std::vector<JsonCase> JsonCases() {
  return {
      {"Result",
       {},
       "0\t1\n1\t3\n2\t5\n",
       cli::kExitSuccess,
       R"j({"kind":"result","degree":1,"points":3,"coefficients":[{"power":1,"value":2,)j"
       R"j("text":"2.000000000000000"},{"power":0,"value":1,"text":"1.000000000000000"}],"domain_reports":2})j"
       "\n",
       Repeat(kDomain, 2)},
      // a0 = 0.25 - 0.5 * 0.30000000000000004 after the elimination.
      {"ValueIsExactTextIsRounded",
       {"-d", "1"},
       "0\t0.1\n1\t0.4\n",
       cli::kExitSuccess,
       R"j({"kind":"result","degree":1,"points":2,"coefficients":[{"power":1,"value":0.30000000000000004,)j"
       R"j("text":"0.300000000000000"},{"power":0,"value":0.09999999999999998,"text":"0.100000000000000"}],"domain_reports":2})j"
       "\n",
       Repeat(kDomain, 2)},
      {"CommaMarkInText",
       {"--decimal-mark", ","},
       "1\t3\n2\t5\n",
       cli::kExitSuccess,
       R"j({"kind":"result","degree":1,"points":2,"coefficients":[{"power":1,"value":2,)j"
       R"j("text":"2,000000000000000"},{"power":0,"value":1,"text":"1,000000000000000"}],"domain_reports":0})j"
       "\n",
       ""},
      {"NoData",
       {},
       "",
       cli::kExitNotice,
       R"j({"kind":"notice","message":"データが入力されてないよ(･･､)","domain_reports":0})j"
       "\n",
       ""},
      {"NotNumericNamesLineAndText",
       {},
       "1\t2\n3\t\"4\\\x01\xE3\x81\xAF \n",
       cli::kExitNotice,
       R"j({"kind":"notice","message":"数字じゃないデータがあるよ(･･､)","file":"-","line":2,)j"
       R"j("text":"\"4\\\u0001は","domain_reports":0})j"
       "\n",
       ""},
      {"ShiftJisTextAsUtf8",
       {"--sjis"},
       "1\t2\n\x82\xA0\t3\n",
       cli::kExitNotice,
       R"j({"kind":"notice","message":"数字じゃないデータがあるよ(･･､)","file":"-","line":2,"text":"あ",)j"
       R"j("domain_reports":0})j"
       "\n",
       ""},
      {"Convert",
       {},
       "0\t1\n-\t2\n",
       cli::kExitError,
       R"j({"kind":"convert","message":"'-' は浮動小数点ではありません","file":"-","line":2,"text":"-",)j"
       R"j("domain_reports":2})j"
       "\n",
       Repeat(kDomain, 2)},
      {"InvalidOp",
       {},
       "3\t5\n",
       cli::kExitError,
       R"j({"kind":"invalid","message":"無効な浮動小数点操作","domain_reports":0})j"
       "\n",
       ""},
      {"Overflow",
       {"-d", "20"},
       "100000000\t1\n1\t2\n",
       cli::kExitError,
       R"j({"kind":"overflow","message":"浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ","domain_reports":0})j"
       "\n",
       ""},
      // Only the outcomes of the calculation are JSON.
      {"LineWithoutSeparatorStaysText",
       {},
       "1 2\n",
       cli::kExitDataFormat,
       "",
       At("standard input", 1) + "no tab or comma between x and y\n"},
  };
}

class JsonOutcomes : public CommandTest, public ::testing::WithParamInterface<JsonCase> {};

TEST_P(JsonOutcomes, AreOneObjectOnStandardOutput) {
  const JsonCase& c = GetParam();
  std::vector<std::string> args = c.options;
  args.insert(args.end(), {"--format", "json", "--pairs", "-"});
  const CommandRun run = RunCommand(args, c.pairs);
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.out, c.out);
  EXPECT_EQ(run.err, c.err);
}

INSTANTIATE_TEST_SUITE_P(Cases, JsonOutcomes, ::testing::ValuesIn(JsonCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// Column files: the counts, and the file as named, whatever its bytes.
TEST_F(CommandTest, JsonGivesCountsAndTheColumnFile) {
  const std::string y = File("y.txt", "1\n-\n");
  const CommandRun counts = RunCommand({"--format=json", File("x3", "1\n2\n3\n"), y});
  EXPECT_EQ(counts.status, cli::kExitNotice);
  EXPECT_EQ(counts.out,
            R"j({"kind":"notice","message":"xとyのデータ数が違うよ(･･､)","x_lines":3,"y_lines":2,)j"
            R"j("domain_reports":0})j"
            "\n");
  // A name that is not UTF-8 and holds a quote, where the file system takes
  // one: a Windows file name holds no quote, and its bytes follow the code page.
  constexpr std::string_view kOddName = "x\xFF\".txt";
#ifdef _WIN32
  const std::string x = File("x.txt", "1\n2\n");
#else
  const std::string x = File(std::string(kOddName), "1\n2\n");
#endif
  const CommandRun convert = RunCommand({"--format=json", x, y});
  EXPECT_EQ(convert.status, cli::kExitError);
  const std::string file = JsonString(y);
  EXPECT_EQ(convert.out, R"j({"kind":"convert","message":"'-' は浮動小数点ではありません","file":)j" + file +
                             R"j(,"line":2,"text":"-","domain_reports":0})j"
                             "\n");
  EXPECT_EQ(JsonString(kOddName), R"j("x\ufffd\".txt")j");
}

}  // namespace
}  // namespace peruka::testing
