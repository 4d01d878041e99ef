// Scratch files and folders for the tests, on every platform the tests run on.
#pragma once

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#ifdef _WIN32
#include <process.h>
#endif

namespace peruka::testing {

// A file open for reading and writing that is removed when it is closed.
inline std::FILE* ScratchFile() {
#ifdef _WIN32
  // The Windows C runtime's tmpfile() writes in the drive's root folder;
  // this one is in the user's temporary folder ("D": removed on close).
  static unsigned serial = 0;
  const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                     ("peruka-" + std::to_string(_getpid()) + "-" + std::to_string(++serial));
  return std::fopen(path.string().c_str(), "w+bD");
#else
  return std::tmpfile();
#endif
}

// Everything written to `file` so far.
inline std::string ReadBack(std::FILE* file) {
  std::fflush(file);
  std::rewind(file);
  std::string bytes;
  char block[4096];
  for (std::size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;) bytes.append(block, got);
  return bytes;
}

// A new, empty folder in the temporary folder, named `prefix` and a random
// number.
inline std::filesystem::path ScratchFolder(const std::string& prefix) {
  std::random_device entropy;
  for (;;) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / (prefix + std::to_string(entropy()));
    if (std::filesystem::create_directory(path)) return path;
  }
}

}  // namespace peruka::testing
