#include "Environment.h"

#include <filesystem>
#include <system_error>

namespace tw {

std::string ProgramFolder(const char* Argv0) {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) {
    exe = std::filesystem::absolute(Argv0 ? Argv0 : "", ec);
    if (ec) return "./";
  }
  std::string dir = exe.parent_path().string();
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace tw
