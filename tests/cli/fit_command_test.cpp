// The command end to end in-process: what reaches standard output and
// standard error, byte for byte, and the exit status.
#include "cli/fit_command.h"

#include <gtest/gtest.h>

#include "command_runner.h"
#include "numeric/locale_mark.h"
#include "version.h"

namespace peruka::testing {
namespace {

using cli::kExitDataFormat;
using cli::kExitError;
using cli::kExitNoInput;
using cli::kExitNotice;
using cli::kExitSuccess;
using cli::kExitUsage;

struct ColumnCase {
  const char* name;
  std::vector<std::string> options;  // before the two files
  std::string x;
  std::string y;
  int status;
  std::string out;
  std::string err;
};

// Failures name the case, not its bytes.
void PrintTo(const ColumnCase& c, std::ostream* os) { *os << c.name; }

const std::string kLong4999 = "1" + std::string(4999, '0');  // 10^4999: beyond the extended range
const std::string kSmallDigits = "0." + std::string(4934, '1');

std::vector<ColumnCase> ColumnCases() {
  return {
      {"WorkedExample",
       {"-d", "1"},
       "0\n1\n2\n",
       "1\n3\n5\n",
       kExitSuccess,
       std::string(kWorkedExample),
       Repeat(kDomain, 2)},
      {"DegreeDefaultsToOne",
       {},
       "0\n1\n2\n",
       "1\n3\n5\n",
       kExitSuccess,
       std::string(kWorkedExample),
       Repeat(kDomain, 2)},
      {"CrLfLinesAndNoLastBreak",
       {},
       "0\r\n1\r\n2",
       "1\r\n3\r\n5\r\n",
       kExitSuccess,
       std::string(kWorkedExample),
       Repeat(kDomain, 2)},
      {"BlanksAndControlBytesTrimmed",
       {},
       " 0 \n\t1\n2\x01\n",
       "1\n 3\n5 \n",
       kExitSuccess,
       std::string(kWorkedExample),
       Repeat(kDomain, 2)},
      {"NoZeroNoBoxes",
       {"-d", "1"},
       "1\n2\n",
       "3\n5\n",
       kExitSuccess,
       "y = (2.000000000000000) x^1\n   + (1.000000000000000)\n",
       ""},
      {"NegativeCoefficient",
       {"-d", "1"},
       "1\n2\n3\n",
       "-1\n-3\n-5\n",
       kExitSuccess,
       "y = (-2.000000000000000) x^1\n   + (1.000000000000000)\n",
       ""},
      {"CountsDiffer", {}, "1\n2\n3\n", "1\n2\n", kExitNotice, "", CountsDiffer(3, 2)},
      {"CountsDifferBeforeAnyCheckOfText", {}, "a\n", "", kExitNotice, "", CountsDiffer(1, 0)},
      {"BothEmpty", {}, "", "", kExitNotice, "", std::string(kNoData)},
      {"OnlyLineBreakIsOneEmptyLine", {}, "\n", "\n", kExitError, "", At("@x", 1) + NotFloat("")},
      {"ExponentIsNotNumeric",
       {},
       "1e3\n2\n",
       "1\n2\n",
       kExitNotice,
       "",
       At("@x", 1) + std::string(kNotNumeric)},
      {"CommaIsNotNumeric",
       {},
       "1,5\n2\n",
       "1\n2\n",
       kExitNotice,
       "",
       At("@x", 1) + std::string(kNotNumeric)},
      {"NotNumericInY", {}, "1\n2\n", "1\n 2x \n", kExitNotice, "", At("@y", 2) + std::string(kNotNumeric)},
      // The rule runs over the x column, then the y column.
      {"NotNumericXBeforeY",
       {},
       "1\n2\n3a\n",
       "1b\n2\n3\n",
       kExitNotice,
       "",
       At("@x", 3) + std::string(kNotNumeric)},
      {"EmptyLineInMiddle", {}, "1\n\n3\n", "1\n2\n3\n", kExitError, "", At("@x", 2) + NotFloat("")},
      {"BlankLineBecomesEmpty", {}, "1\n   \n3\n", "1\n2\n3\n", kExitError, "", At("@x", 2) + NotFloat("")},
      {"LastLineOfBlanksIsStillAPoint",
       {},
       "1\n2\n   \n",
       "1\n2\n3\n",
       kExitError,
       "",
       At("@x", 3) + NotFloat("")},
      {"MinusAlone", {}, "1\n-\n", "1\n2\n", kExitError, "", At("@x", 2) + NotFloat("-")},
      {"PointAndMinusPointAreZero",
       {},
       ".\n-.\n1\n",
       "1\n1\n3\n",
       kExitSuccess,
       "y = (2.000000000000000) x^1\n   + (1.000000000000000)\n",
       Repeat(kDomain, 4)},
      // Conversions run point by point, x before y: point 0's y is named, not point 1's x.
      {"FirstRefusedTextInOrderIsNamed", {}, "1\n-\n", "\n2\n", kExitError, "", At("@y", 1) + NotFloat("")},
      {"XBeforeYOfSamePoint", {}, "-\n1\n", "\n2\n", kExitError, "", At("@x", 1) + NotFloat("-")},
      // The two boxes of x = 0 (S[0], then R[0]) come before its y text is converted.
      {"BoxesOfZeroComeBeforeItsBadY",
       {},
       "0\n1\n",
       "-\n2\n",
       kExitError,
       "",
       Repeat(kDomain, 2) + At("@y", 1) + NotFloat("-")},
      {"NoBoxesOfLaterPointAfterError", {}, "1\n0\n", "-\n2\n", kExitError, "", At("@y", 1) + NotFloat("-")},
      {"BoxesOfEarlierPointsThenError",
       {},
       "0\n0\n-\n",
       "1\n2\n3\n",
       kExitError,
       "",
       Repeat(kDomain, 4) + At("@x", 3) + NotFloat("-")},
      {"SinglePointIsInvalidOperation", {}, "3\n", "5\n", kExitError, "", std::string(kInvalidOp)},
      {"TwoPointsAtDegreeTwo", {"-d", "2"}, "1\n2\n", "1\n4\n", kExitError, "", std::string(kInvalidOp)},
      {"BoxesThenFault",
       {},
       "0\n0\n",
       "1\n2\n",
       kExitError,
       "",
       Repeat(kDomain, 4) + std::string(kInvalidOp)},
      {"PowerSumOverflow", {"-d", "20"}, "100000000\n1\n", "1\n2\n", kExitError, "", std::string(kOverflow)},
      {"ValueBeyondDouble",
       {},
       "1" + std::string(309, '0') + "\n1\n",
       "1\n2\n",
       kExitError,
       "",
       std::string(kOverflow)},
      // Lines are read whole: cut at 4096 bytes this would be 10^4095 and overflow instead.
      {"LongLineReadWhole",
       {},
       kLong4999 + "\n1\n",
       "1\n2\n",
       kExitError,
       "",
       At("@x", 1) + std::string(kTooLong)},
      {"LongFailingTextHasShortMessage",
       {},
       kSmallDigits + "\n1\n",
       "1\n2\n",
       kExitError,
       "",
       At("@x", 1) + std::string(kTooLong)},
      {"FullWidthDigitsAreNotNumeric",
       {},
       "１\n2\n",
       "1\n2\n",
       kExitNotice,
       "",
       At("@x", 1) + std::string(kNotNumeric)},
      {"InvalidUtf8IsNotNumeric",
       {},
       "1\xFF\n2\n",
       "1\n2\n",
       kExitNotice,
       "",
       At("@x", 1) + std::string(kNotNumeric)},
      {"ByteOrderMarkDropped",
       {},
       "\xEF\xBB\xBF"
       "0\n1\n2\n",
       "\xEF\xBB\xBF"
       "1\n3\n5\n",
       kExitSuccess,
       std::string(kWorkedExample),
       Repeat(kDomain, 2)},
      // NUL bytes stay in the texts: at an end they are trimmed, inside they fail the rule.
      {"NulAtEndTrimmed",
       {},
       std::string("0\0\n1\n2\n", 7),
       "1\n3\n5\n",
       kExitSuccess,
       std::string(kWorkedExample),
       Repeat(kDomain, 2)},
      {"NulInsideKept",
       {},
       std::string("1\0002\n1\n", 6),
       "1\n2\n",
       kExitNotice,
       "",
       At("@x", 1) + std::string(kNotNumeric)},
      {"CommaMarkPrintsComma",
       {"--decimal-mark", ","},
       "0\n1\n2\n",
       "1\n3\n5\n",
       kExitSuccess,
       "y = (2,000000000000000) x^1\n   + (1,000000000000000)\n",
       Repeat(kDomain, 2)},
      {"CommaMarkRefusesPoint",
       {"--decimal-mark", ","},
       "1.5\n2\n",
       "1\n2\n",
       kExitError,
       "",
       At("@x", 1) + NotFloat("1.5")},
      {"CommaMarkStillFailsCommaText",
       {"--decimal-mark=,"},
       "1,5\n2\n",
       "1\n2\n",
       kExitNotice,
       "",
       At("@x", 1) + std::string(kNotNumeric)},
  };
}

class ColumnFiles : public CommandTest, public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(ColumnFiles, GivesStatusOutputAndErrors) {
  const ColumnCase& c = GetParam();
  std::vector<std::string> args = c.options;
  const std::string x = File("x.txt", c.x);
  const std::string y = File("y.txt", c.y);
  args.insert(args.end(), {x, y});
  const CommandRun run = RunCommand(args);
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.out, c.out);
  EXPECT_EQ(run.err, Placed(Placed(c.err, "@x", x), "@y", y));
}

TEST_P(ColumnFiles, ReadsEitherColumnFromStandardInput) {
  const ColumnCase& c = GetParam();
  std::vector<std::string> args = c.options;
  const std::string y = File("y.txt", c.y);
  args.insert(args.end(), {"-", y});
  const CommandRun run = RunCommand(args, c.x);
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.out, c.out);
  EXPECT_EQ(run.err, Placed(Placed(c.err, "@x", "standard input"), "@y", y));
}

INSTANTIATE_TEST_SUITE_P(Cases, ColumnFiles, ::testing::ValuesIn(ColumnCases()),
                         [](const auto& info) { return std::string(info.param.name); });

struct PairsCase {
  const char* name;
  std::vector<std::string> options;
  std::string pairs;
  int status;
  std::string out;
  std::string err;
};

// Failures name the case, not its bytes.
void PrintTo(const PairsCase& c, std::ostream* os) { *os << c.name; }

std::vector<PairsCase> PairsCases() {
  const std::string noSeparator = "no tab or comma between x and y\n";
  return {
      {"Tabs", {}, "0\t1\n1\t3\n2\t5\n", kExitSuccess, std::string(kWorkedExample), Repeat(kDomain, 2)},
      {"Commas", {}, "0,1\n1,3\n2,5\n", kExitSuccess, std::string(kWorkedExample), Repeat(kDomain, 2)},
      {"MixedAndCrLf",
       {},
       "0\t1\r\n1,3\r\n2\t5",
       kExitSuccess,
       std::string(kWorkedExample),
       Repeat(kDomain, 2)},
      {"TabBeforeComma", {}, "0\t1\n1,5\t3\n2\t5\n", kExitNotice, "", At("@p", 2) + std::string(kNotNumeric)},
      {"FirstTabSeparates",
       {},
       "0\t1\t\n1\t3\n2\t5\n",
       kExitSuccess,
       std::string(kWorkedExample),
       Repeat(kDomain, 2)},
      {"FurtherTabInsideY", {}, "0\t1\t2\n1\t3\n", kExitNotice, "", At("@p", 1) + std::string(kNotNumeric)},
      {"BlanksAroundValues",
       {},
       " 0 \t 1 \n1 , 3\n2\t5 \n",
       kExitSuccess,
       std::string(kWorkedExample),
       Repeat(kDomain, 2)},
      {"EmptyY", {}, "1\t\n2\t3\n", kExitError, "", At("@p", 1) + NotFloat("")},
      {"Empty", {}, "", kExitNotice, "", std::string(kNoData)},
      {"LineWithoutSeparator", {}, "0\t1\n1 3\n2\t5\n", kExitDataFormat, "", At("@p", 2) + noSeparator},
      {"EmptyLineInMiddle", {}, "0\t1\n\n2\t5\n", kExitDataFormat, "", At("@p", 2) + noSeparator},
      {"SecondEmptyLineAtEnd", {}, "0\t1\n2\t5\n\n", kExitDataFormat, "", At("@p", 3) + noSeparator},
      {"CrAloneIsEmptyLine", {}, "0\t1\n\r\n", kExitDataFormat, "", At("@p", 2) + noSeparator},
      {"CommaMarkTakesOnlyTabs",
       {"--decimal-mark", ","},
       "0\t1\n1,5\t3\n2,5\n",
       kExitDataFormat,
       "",
       At("@p", 3) + "no tab between x and y (the decimal mark is a comma)\n"},
      {"CommaMarkPoint",
       {"--decimal-mark", ","},
       "1\t1,5\n2\t2,5\n",
       kExitNotice,
       "",
       At("@p", 1) + std::string(kNotNumeric)},
      {"ShiftJisInput",
       {"--sjis"},
       "0\t1\n1\t3\n\x82\x51\t5\n",
       kExitNotice,
       "",
       At("@p", 3) + std::string(kNotNumeric)},
      {"NulInY",
       {},
       std::string("0\t1\0\n1\t3\n2\t5\n", 13),
       kExitSuccess,
       std::string(kWorkedExample),
       Repeat(kDomain, 2)},
      {"ZeroesAcrossPoints",
       {},
       "0\t1\n0\t2\n-0\t3\n",
       kExitError,
       "",
       Repeat(kDomain, 6) + std::string(kInvalidOp)},
  };
}

class PairsFile : public CommandTest, public ::testing::WithParamInterface<PairsCase> {};

TEST_P(PairsFile, FromStandardInput) {
  const PairsCase& c = GetParam();
  std::vector<std::string> args = c.options;
  args.insert(args.end(), {"--pairs", "-"});
  const CommandRun run = RunCommand(args, c.pairs);
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.out, c.out);
  EXPECT_EQ(run.err, Placed(c.err, "@p", "standard input"));
}

TEST_P(PairsFile, FromAFileGivesTheSameButNamesTheFile) {
  const PairsCase& c = GetParam();
  const std::string path = File("points.tsv", c.pairs);
  std::vector<std::string> args = c.options;
  args.push_back("--pairs=" + path);
  const CommandRun run = RunCommand(args);
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.out, c.out);
  EXPECT_EQ(run.err, Placed(c.err, "@p", path));
}

INSTANTIATE_TEST_SUITE_P(Cases, PairsFile, ::testing::ValuesIn(PairsCases()),
                         [](const auto& info) { return std::string(info.param.name); });

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
  std::string message;  // after "peruka-fit: "
};

// Failures name the case, not its bytes.
void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }

std::string MarkRefused(const std::string& mark) {
  return "the decimal mark must be one ASCII character other than a digit, '+', '-', 'e', 'E', a blank or "
         "a control character, not '" +
         mark + "'";
}

std::vector<UsageCase> UsageCases() {
  return {
      {"NoArguments", {}, "expected an x file and a y file (or --pairs FILE), got 0 files"},
      {"OneFile", {"x"}, "expected an x file and a y file (or --pairs FILE), got 1 file"},
      {"ThreeFiles", {"x", "y", "z"}, "expected an x file and a y file (or --pairs FILE), got 3 files"},
      {"DegreeMissing", {"x", "y", "-d"}, "option '-d' needs a value"},
      {"LongDegreeMissing", {"x", "y", "--degree"}, "option '--degree' needs a value"},
      {"DegreeZero", {"-d", "0", "x", "y"}, "the degree must be a whole number from 1 to 20, not '0'"},
      {"DegreeTwentyOne", {"-d21", "x", "y"}, "the degree must be a whole number from 1 to 20, not '21'"},
      {"DegreeNegative", {"-d", "-1", "x", "y"}, "the degree must be a whole number from 1 to 20, not '-1'"},
      {"DegreeFraction",
       {"--degree=1.5", "x", "y"},
       "the degree must be a whole number from 1 to 20, not '1.5'"},
      {"DegreeEmpty", {"--degree=", "x", "y"}, "the degree must be a whole number from 1 to 20, not ''"},
      {"DegreeHuge",
       {"-d", "99999999999", "x", "y"},
       "the degree must be a whole number from 1 to 20, not '99999999999'"},
      {"UnknownOption", {"--bogus", "x", "y"}, "unknown option '--bogus'"},
      {"UnknownShortOption", {"-x", "x", "y"}, "unknown option '-x'"},
      {"StandardInputTwice",
       {"-", "-"},
       "standard input ('-') can stand for only one of the two column files"},
      {"PairsWithFile", {"--pairs", "p", "y"}, "--pairs reads one file; unexpected argument 'y'"},
      {"PairsTwice", {"--pairs", "p", "--pairs", "q"}, "--pairs may be given only once"},
      {"PairsMissing", {"--pairs"}, "option '--pairs' needs a value"},
      {"PairsGivenAnOption",
       {"--pairs", "--format", "json", "data.tsv"},
       "--pairs needs a file name; got the option '--format'"},
      {"FormatGivenAnOption",
       {"--format", "--stats", "x", "y"},
       "option '--format' needs a value; got the option '--stats'"},
      {"MarkTwoCharacters", {"--decimal-mark", "ab", "x", "y"}, MarkRefused("ab")},
      {"MarkBlank", {"--decimal-mark", " ", "x", "y"}, MarkRefused(" ")},
      {"MarkEmpty", {"--decimal-mark=", "x", "y"}, MarkRefused("")},
      {"MarkFullWidth", {"--decimal-mark", "，", "x", "y"}, MarkRefused("，")},
      {"MarkWithoutShiftJisForm", {"--decimal-mark", "é", "x", "y"}, MarkRefused("é")},
      // One byte in Shift-JIS, but not ASCII.
      {"MarkHalfWidthKatakana", {"--decimal-mark", "ｰ", "x", "y"}, MarkRefused("ｰ")},
      {"MarkDigit", {"--decimal-mark", "0", "x", "y"}, MarkRefused("0")},
      {"MarkPlus", {"--decimal-mark", "+", "x", "y"}, MarkRefused("+")},
      {"MarkMinus", {"--decimal-mark=-", "x", "y"}, MarkRefused("-")},
      {"MarkSmallE", {"--decimal-mark", "e", "x", "y"}, MarkRefused("e")},
      {"MarkCapitalE", {"--decimal-mark", "E", "x", "y"}, MarkRefused("E")},
      {"MarkTab", {"--decimal-mark", "\t", "x", "y"}, MarkRefused("\t")},
      {"MarkDelete", {"--decimal-mark", "\x7F", "x", "y"}, MarkRefused("\x7F")},
      {"MarkHighByte", {"--decimal-mark", "\xB0", "x", "y"}, MarkRefused("\xB0")},
      {"FormatUnknown", {"--format", "xml", "x", "y"}, "the format must be 'text' or 'json', not 'xml'"},
      {"FormatMissing", {"x", "y", "--format"}, "option '--format' needs a value"},
      {"EquationUnknown",
       {"--equation", "tex", "x", "y"},
       "the equation form must be 'plain', 'latex', 'spreadsheet', 'c' or 'python', not 'tex'"},
      {"HelpAfterDoubleDash",
       {"--", "--help"},
       "expected an x file and a y file (or --pairs FILE), got 1 file"},
  };
}

class Usage : public CommandTest, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(Usage, ExitsWith64AndSaysWhy) {
  const CommandRun run = RunCommand(GetParam().args);
  EXPECT_EQ(run.status, kExitUsage);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "peruka-fit: " + GetParam().message + "\nTry 'peruka-fit --help' for more information.\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, Usage, ::testing::ValuesIn(UsageCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandTest, OptionFormsAndOrderDoNotMatter) {
  const std::string x = File("x", "1\n2\n3\n");
  const std::string y = File("y", "1\n4\n8\n");
  const CommandRun reference = RunCommand({"-d", "2", x, y});
  ASSERT_EQ(reference.status, kExitSuccess);
  const std::string& expected = reference.out;
  ASSERT_EQ(expected.rfind("y = (", 0), 0u) << expected;
  ASSERT_NE(expected.find(") x^2\n"), std::string::npos) << expected;
  for (const auto& args : std::vector<std::vector<std::string>>{{"-d2", x, y},
                                                                {"--degree", "2", x, y},
                                                                {"--degree=2", x, y},
                                                                {x, "-d", "2", y},
                                                                {x, y, "-d", "02"},
                                                                {"-d", "7", x, y, "-d", "2"},
                                                                {"-d", "2", "--", x, y}}) {
    const CommandRun run = RunCommand(args);
    EXPECT_EQ(run.status, kExitSuccess) << ::testing::PrintToString(args);
    EXPECT_EQ(run.out, expected) << ::testing::PrintToString(args);
    EXPECT_EQ(run.err, "");
  }
}

TEST_F(CommandTest, DoubleDashLetsAFileLookLikeAnOption) {
  const std::string x = File("-d", "0\n1\n2\n");
  const std::string y = File("y", "1\n3\n5\n");
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir_);
  const CommandRun run = RunCommand({"--", "-d", "y"});
  std::filesystem::current_path(previous);
  EXPECT_EQ(run.status, kExitSuccess);
  EXPECT_EQ(run.out, kWorkedExample);
}

TEST_F(CommandTest, MissingFileExitsWith66) {
  const std::string y = File("y", "1\n");
  const std::string missing = (dir_ / "missing.txt").string();
  const CommandRun run = RunCommand({missing, y});
  EXPECT_EQ(run.status, kExitNoInput);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "peruka-fit: cannot read '" + missing + "': No such file or directory\n");
}

TEST_F(CommandTest, DirectoryExitsWith66) {
  const std::string x = File("x", "1\n");
  const CommandRun run = RunCommand({x, dir_.string()});
  EXPECT_EQ(run.status, kExitNoInput);
  EXPECT_EQ(run.err,
            "peruka-fit: cannot read '" + dir_.string() + "': " + std::string(kFolderReadError) + "\n");
}

TEST_F(CommandTest, MissingPairsFileExitsWith66) {
  const std::string missing = (dir_ / "none").string();
  const CommandRun run = RunCommand({"--pairs", missing});
  EXPECT_EQ(run.status, kExitNoInput);
  EXPECT_EQ(run.err, "peruka-fit: cannot read '" + missing + "': No such file or directory\n");
}

TEST_F(CommandTest, HelpWinsOverEverythingElse) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"--help"}, {"-h"}, {"--bogus", "--help"}, {"-d", "99", "--help"}, {"--version", "--help"}}) {
    const CommandRun run = RunCommand(args);
    EXPECT_EQ(run.status, kExitSuccess) << ::testing::PrintToString(args);
    EXPECT_EQ(run.out, cli::HelpText());
    EXPECT_EQ(run.err, "");
  }
  EXPECT_NE(cli::HelpText().find("Usage: peruka-fit"), std::string::npos);
  EXPECT_NE(cli::HelpText().find("(default 1)"), std::string::npos);
  EXPECT_NE(cli::HelpText().find("(default \".\", whatever the\n"), std::string::npos);
  EXPECT_NE(cli::HelpText().find("admits whole numbers only"), std::string::npos);
}

TEST_F(CommandTest, VersionPrintsNameAndVersion) {
  const CommandRun run = RunCommand({"--version"});
  EXPECT_EQ(run.status, kExitSuccess);
  EXPECT_EQ(run.out, "peruka-fit " + std::string(kVersion) + "\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(CommandTest, DecimalMarkOverrideEndsWithTheRun) {
  SetLocaleDecimalMark('.');
  RunCommand({"--decimal-mark", ",", "--pairs", "-"}, "0\t1\n1\t3\n2\t5\n");
  EXPECT_EQ(LocaleDecimalMark(), '.');
}

// Data files are written with ".": the process's mark (the locale's in the
// window) does not reach the command.
TEST_F(CommandTest, MarkIsAPointWhateverTheProcessMark) {
  SetLocaleDecimalMark(',');
  const CommandRun run = RunCommand({"--pairs", "-"}, "0,1\n1,3\n2.0,5.0\n");
  EXPECT_EQ(run.status, kExitSuccess);
  EXPECT_EQ(run.out, "y = (2.000000000000000) x^1\n   + (1.000000000000000)\n");
  EXPECT_EQ(LocaleDecimalMark(), ',');
  SetLocaleDecimalMark('.');
}

}  // namespace
}  // namespace peruka::testing
