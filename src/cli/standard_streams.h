// What the process does to its standard streams before the command runs,
// where the platform's defaults differ from what the command needs.
#pragma once

namespace peruka::cli {

// Makes standard input, output and error byte streams: on Windows they are
// put in binary mode, so no CR is added before LF, no CR LF is read as LF
// and Ctrl-Z ends nothing; elsewhere they already are. A write to a pipe
// whose reader has gone ends the process with SIGPIPE on POSIX systems, as
// for any program; Windows has no such signal, so there the write fails (with
// an error such as EINVAL from the C runtime) and the command
// reports that the result cannot be written, with exit status 74.
void PrepareStandardStreams();

}  // namespace peruka::cli
