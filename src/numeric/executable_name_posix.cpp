// The running executable's file name, as the kernel links it.
#include <filesystem>
#include <system_error>

#include "numeric/math_error.h"

namespace peruka {

std::string ExecutableFileName() {
  static const std::string name = [] {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string("peruka") : path.filename().string();
  }();
  return name;
}

}  // namespace peruka
