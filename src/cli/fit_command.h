// peruka-fit: the calculate command without a window. It reads the two
// columns from files, runs the column check, the fitting and the result text
// exactly as the calculate button does, and reports on the standard streams.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/exit_status.h"
#include "cli/line_reader.h"

namespace peruka::cli {

// Runs the command with `args` (without the program name). Standard input is
// read from `in` when a file is named "-". Everything shown to the user is
// UTF-8: the result text (lines ended by LF) goes to `out`; notices, error
// texts, "powl: DOMAIN error" reports and usage messages go to `err`, which is
// flushed before the result is written. With --format json the result, the
// notice or the error is one JSON object on `out` instead. For the length of the run the
// process-wide decimal mark (LocaleDecimalMark) is "." or the --decimal-mark
// one, whatever the locale, and the runtime message presenter is replaced.
// A line longer than `maxLineLength` bytes ends the run with kExitDataFormat;
// only tests give another limit than kMaxLineLength.
int RunFitCommand(const std::vector<std::string>& args, std::FILE* in, std::FILE* out, std::FILE* err,
                  std::size_t maxLineLength = kMaxLineLength);

// The text that --help prints.
std::string HelpText();

}  // namespace peruka::cli
