// Tables of points as spreadsheets and other programs write them, each with
// what peruka-fit --pairs makes of it (tests/cli/table_input_test.cpp) and
// what the window's pairs paste makes of the same text
// (tests/app/pasted_table_test.cpp).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace peruka::testing {

// The window reads the table with the locale's decimal mark `mark`, finds
// the header itself and asks for the columns of a wider table.
struct WindowPaste {
  char mark = '.';
  std::vector<std::string> names = {};  // UTF-8, as the dialog lists them; empty: not asked
  std::size_t pickX = 0;                // what the user picks there, from 0
  std::size_t pickY = 1;
  std::vector<std::string> x = {};  // the lines appended
  std::vector<std::string> y = {};
  std::size_t badLine = 0;     // the line the notice names, nothing appended
  std::size_t headerLine = 0;  // the line the note says was skipped
};

struct TableCase {
  const char* name;
  std::string text;               // the file's bytes
  std::vector<std::string> args;  // peruka-fit's, after --pairs FILE
  int status;
  std::string out;
  std::string err;  // "@f" stands for the file's name
  WindowPaste paste;
};

inline const std::vector<TableCase>& TableCases() {
  const std::string fit = "y = (2.000000000000000) x^1\n   + (1.000000000000000)\n";
  const std::string domain = "powl: DOMAIN error\npowl: DOMAIN error\n";  // x = 0
  const std::string notNumeric = "数字じゃないデータがあるよ(･･､)\n";
  // The worked example's points under a header.
  const WindowPaste fitUnderHeader{.x = {"0", "1", "2"}, .y = {"1", "3", "5"}, .headerLine = 1};
  static const std::vector<TableCase> cases = {
      {"CsvWithHeaderAndFourColumns",
       "name,x,weight,y\na,0,9,1\nb,1,9,3\nc,2,9,5\n",
       {"--header", "--columns", "2,4"},
       0,
       fit,
       domain,
       {.names = {"name", "x", "weight", "y"},
        .pickX = 1,
        .pickY = 3,
        .x = {"0", "1", "2"},
        .y = {"1", "3", "5"},
        .headerLine = 1}},
      // Without --header the names are data, refused on their line; the
      // window finds the header itself.
      {"HeaderNotSkipped",
       "name,x,weight,y\na,0,9,1\n",
       {"--columns", "2,4"},
       1,
       "",
       "peruka-fit: @f:1: " + notNumeric,
       {.names = {"name", "x", "weight", "y"},
        .pickX = 1,
        .pickY = 3,
        .x = {"0"},
        .y = {"1"},
        .headerLine = 1}},
      // Line numbers count the header: they are the file's own.
      {"LinesCountTheHeader",
       "x,y\n1,1\n2,-\n",
       {"--header"},
       2,
       "",
       "peruka-fit: @f:3: '-' は浮動小数点ではありません.\n",
       {.x = {"1", "2"}, .y = {"1", "-"}, .headerLine = 1}},
      {"SemicolonTable", "x;y\n0;1\n1;3\n2;5\n", {"--header"}, 0, fit, domain, fitUnderHeader},
      // A decimal comma stays in its field; only whole numbers pass the
      // character rule with that mark, as in the window.
      {"SemicolonTableDecimalComma",
       "x;y\n0;1\n1;3\n2;5\n",
       {"--header", "--decimal-mark", ","},
       0,
       "y = (2,000000000000000) x^1\n   + (1,000000000000000)\n",
       domain,
       {.mark = ',', .x = {"0", "1", "2"}, .y = {"1", "3", "5"}, .headerLine = 1}},
      {"SemicolonTableDecimalCommaValue",
       "x;y\n0;1,5\n",
       {"--header", "--decimal-mark", ","},
       1,
       "",
       "peruka-fit: @f:2: " + notNumeric,
       {.mark = ',', .x = {"0"}, .y = {"1,5"}, .headerLine = 1}},
      {"QuotedFields",
       "\"x, in m\",\"say \"\"y\"\"\"\n\"0\",\"1\"\n \"1\" , \"3\"\n\"2\",5\n",
       {"--header"},
       0,
       fit,
       domain,
       fitUnderHeader},
      {"QuotedDelimiterIsText",
       "x,y\n0,\"1,5\"\n",
       {"--header", "--format", "json"},
       1,
       "{\"kind\":\"notice\",\"message\":\"数字じゃないデータがあるよ(･･､)\",\"file\":\"@f\",\"line\":2,"
       "\"text\":\"1,5\",\"domain_reports\":0}\n",
       "",
       {.x = {"0"}, .y = {"1,5"}, .headerLine = 1}},
      {"CrLfLines", "x\ty\r\n0\t1\r\n1\t\"3\"\r\n2\t5\r\n", {"--header"}, 0, fit, domain, fitUnderHeader},
      {"BlankRuns", "  0   1\n1 3 \n\t2 \t 5\n", {"--columns", "1,2"}, 0, fit, domain, {.badLine = 3}},
      {"BlankRunsNamed",
       "0 9 1\n1 9 3\n2 9 5\n",
       {"--delimiter", "blank", "--columns", "1,3"},
       0,
       fit,
       domain,
       {.names = {"列 1", "列 2", "列 3"},
        .pickX = 0,
        .pickY = 2,
        .x = {"0", "1", "2"},
        .y = {"1", "3", "5"}}},
      // A named delimiter is not detected: this comma table has one field a line.
      {"NamedDelimiterOnly",
       "0,1\n",
       {"--delimiter", ";"},
       65,
       "",
       "peruka-fit: @f:1: no column 2: the line has 1 field (delimiter: semicolon)\n",
       {.x = {"0"}, .y = {"1"}}},
      {"DelimiterNotDetectable",
       "x\n5\n",
       {"--header"},
       65,
       "",
       "peruka-fit: @f:2: cannot detect the delimiter: the line has no tab, semicolon, comma or blank "
       "between "
       "fields; name it with --delimiter\n",
       {.badLine = 1}},
      {"DelimiterNotDetectableDecimalComma",
       "0,5\n",
       {"--columns", "1,2", "--decimal-mark", ","},
       65,
       "",
       "peruka-fit: @f:1: cannot detect the delimiter: the line has no tab, semicolon or blank between "
       "fields "
       "(the decimal mark is a comma); name it with --delimiter\n",
       {.mark = ',', .badLine = 1}},
      {"TooFewFields",
       "h\n0,1,2,3\n1,3\n",
       {"--header", "--columns", "1,4"},
       65,
       "",
       "peruka-fit: @f:3: no column 4: the line has 2 fields (delimiter: comma)\n",
       {.badLine = 1}},
      {"EmptyLineHasTooFewFields",
       "0,1\n\n",
       {"--columns", "2,1"},
       65,
       "",
       "peruka-fit: @f:2: no column 2: the line has 1 field (delimiter: comma)\n",
       {.x = {"0"}, .y = {"1"}}},
      {"RaggedTable",
       "a,b,c\n1,2,3\n4,5\n",
       {"--header", "--columns", "1,3"},
       65,
       "",
       "peruka-fit: @f:3: no column 3: the line has 2 fields (delimiter: comma)\n",
       {.badLine = 3}},
      {"OnlyAHeader", "x,y\n", {"--header"}, 1, "", "データが入力されてないよ(･･､)\n", {.headerLine = 1}},
  };
  return cases;
}

}  // namespace peruka::testing
