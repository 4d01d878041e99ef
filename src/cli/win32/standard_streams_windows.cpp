#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <initializer_list>

#include "cli/standard_streams.h"

namespace peruka::cli {

void PrepareStandardStreams() {
  for (std::FILE* stream : {stdin, stdout, stderr}) {
    const int descriptor = _fileno(stream);
    if (descriptor >= 0) _setmode(descriptor, _O_BINARY);
  }
}

}  // namespace peruka::cli
