// Tables of points as spreadsheets and other programs write them, each with
// what peruka-fit --pairs makes of it (tests/cli/table_input_test.cpp).
#pragma once

#include <string>
#include <vector>

namespace peruka::testing {

struct TableCase {
  const char* name;
  std::string text;               // the file's bytes
  std::vector<std::string> args;  // peruka-fit's, after --pairs FILE
  int status;
  std::string out;
  std::string err;  // "@f" stands for the file's name
};

inline const std::vector<TableCase>& TableCases() {
  const std::string fit = "y = (2.000000000000000) x^1\n   + (1.000000000000000)\n";
  const std::string domain = "powl: DOMAIN error\npowl: DOMAIN error\n";  // x = 0
  const std::string notNumeric = "数字じゃないデータがあるよ(･･､)\n";
  static const std::vector<TableCase> cases = {
      {"CsvWithHeaderAndFourColumns",
       "name,x,weight,y\na,0,9,1\nb,1,9,3\nc,2,9,5\n",
       {"--header", "--columns", "2,4"},
       0,
       fit,
       domain},
      // Without --header the names are data, refused on their line.
      {"HeaderNotSkipped",
       "name,x,weight,y\na,0,9,1\n",
       {"--columns", "2,4"},
       1,
       "",
       "peruka-fit: @f:1: " + notNumeric},
      // Line numbers count the header: they are the file's own.
      {"LinesCountTheHeader",
       "x,y\n1,1\n2,-\n",
       {"--header"},
       2,
       "",
       "peruka-fit: @f:3: '-' は浮動小数点ではありません.\n"},
      {"SemicolonTable", "x;y\n0;1\n1;3\n2;5\n", {"--header"}, 0, fit, domain},
      // A decimal comma stays in its field; only whole numbers pass the
      // character rule with that mark, as in the window.
      {"SemicolonTableDecimalComma",
       "x;y\n0;1\n1;3\n2;5\n",
       {"--header", "--decimal-mark", ","},
       0,
       "y = (2,000000000000000) x^1\n   + (1,000000000000000)\n",
       domain},
      {"SemicolonTableDecimalCommaValue",
       "x;y\n0;1,5\n",
       {"--header", "--decimal-mark", ","},
       1,
       "",
       "peruka-fit: @f:2: " + notNumeric},
      {"QuotedFields",
       "\"x, in m\",\"say \"\"y\"\"\"\n\"0\",\"1\"\n \"1\" , \"3\"\n\"2\",5\n",
       {"--header"},
       0,
       fit,
       domain},
      {"QuotedDelimiterIsText",
       "x,y\n0,\"1,5\"\n",
       {"--header", "--format", "json"},
       1,
       "{\"kind\":\"notice\",\"message\":\"数字じゃないデータがあるよ(･･､)\",\"file\":\"@f\",\"line\":2,"
       "\"text\":\"1,5\",\"domain_reports\":0}\n",
       ""},
      {"CrLfLines", "x\ty\r\n0\t1\r\n1\t\"3\"\r\n2\t5\r\n", {"--header"}, 0, fit, domain},
      {"BlankRuns", "  0   1\n1 3 \n\t2 \t 5\n", {"--columns", "1,2"}, 0, fit, domain},
      {"BlankRunsNamed",
       "0 9 1\n1 9 3\n2 9 5\n",
       {"--delimiter", "blank", "--columns", "1,3"},
       0,
       fit,
       domain},
      // A named delimiter is not detected: this comma table has one field a line.
      {"NamedDelimiterOnly",
       "0,1\n",
       {"--delimiter", ";"},
       65,
       "",
       "peruka-fit: @f:1: no column 2: the line has 1 field (delimiter: semicolon)\n"},
      {"DelimiterNotDetectable",
       "x\n5\n",
       {"--header"},
       65,
       "",
       "peruka-fit: @f:2: cannot detect the delimiter: the line has no tab, semicolon, comma or blank "
       "between "
       "fields; name it with --delimiter\n"},
      {"DelimiterNotDetectableDecimalComma",
       "0,5\n",
       {"--columns", "1,2", "--decimal-mark", ","},
       65,
       "",
       "peruka-fit: @f:1: cannot detect the delimiter: the line has no tab, semicolon or blank between "
       "fields "
       "(the decimal mark is a comma); name it with --delimiter\n"},
      {"TooFewFields",
       "h\n0,1,2,3\n1,3\n",
       {"--header", "--columns", "1,4"},
       65,
       "",
       "peruka-fit: @f:3: no column 4: the line has 2 fields (delimiter: comma)\n"},
      {"EmptyLineHasTooFewFields",
       "0,1\n\n",
       {"--columns", "2,1"},
       65,
       "",
       "peruka-fit: @f:2: no column 2: the line has 1 field (delimiter: comma)\n"},
      {"OnlyAHeader", "x,y\n", {"--header"}, 1, "", "データが入力されてないよ(･･､)\n"},
  };
  return cases;
}

}  // namespace peruka::testing
