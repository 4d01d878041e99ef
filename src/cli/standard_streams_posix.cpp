#include "cli/standard_streams.h"

namespace peruka::cli {

void PrepareStandardStreams() {}

}  // namespace peruka::cli
