// peruka-fit: the calculator's calculate command for files and pipes.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/fit_command.h"
#include "cli/standard_streams.h"
#include "numeric/extended.h"

int main(int argc, char** argv) {
  peruka::EnsureExtendedPrecision();
  peruka::cli::PrepareStandardStreams();
  // Reports can come by the million (two per x of zero): buffer them; the
  // command flushes them before it writes the result.
  static char errorBuffer[1 << 16];
  std::setvbuf(stderr, errorBuffer, _IOFBF, sizeof errorBuffer);
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int status = peruka::cli::RunFitCommand(args, stdin, stdout, stderr);
  std::fflush(stderr);
  return status;
}
