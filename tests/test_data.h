// Reading the reference tables under tests/data.
#pragma once

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace peruka::testing {

inline std::string DataPath(const std::string& name) { return std::string(PERUKA_TEST_DATA_DIR) + "/" + name; }

inline std::string ReadDataFile(const std::string& name) {
  std::ifstream in(DataPath(name), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Lines split at LF only; nothing else is removed.
inline std::vector<std::string> DataLines(const std::string& name) {
  std::vector<std::string> lines;
  const std::string text = ReadDataFile(name);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

inline std::uint64_t ParseHex64(const std::string& hex) { return std::stoull(hex, nullptr, 16); }

}  // namespace peruka::testing
