// The exit statuses of peruka-fit.
#pragma once

namespace peruka::cli {

inline constexpr int kExitSuccess = 0;      // the result is on standard output
inline constexpr int kExitNotice = 1;       // the column check refused the data
inline constexpr int kExitError = 2;        // a conversion error or an arithmetic fault
inline constexpr int kExitUsage = 64;       // bad command line
inline constexpr int kExitDataFormat = 65;  // a pairs line without a separator, a line too long
inline constexpr int kExitNoInput = 66;     // an input file cannot be read
inline constexpr int kExitSoftware = 70;    // out of memory or another internal failure
inline constexpr int kExitIoError = 74;     // the result cannot be written

}  // namespace peruka::cli
