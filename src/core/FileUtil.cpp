#include "FileUtil.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "Errors.h"

namespace tw {

bool FileExists(const std::string& Path) {
  struct stat st {};
  return ::stat(Path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& Path, std::size_t MaxBytes) {
  errno = 0;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(Path.c_str(), "rb"), &std::fclose);
  if (!f) {
    throw EProjectError("Cannot open file \"" + Path + "\". " +
                        std::strerror(errno ? errno : ENOENT));
  }
  std::vector<std::uint8_t> data;
  std::uint8_t buf[65536];
  for (;;) {
    std::size_t n = std::fread(buf, 1, sizeof buf, f.get());
    if (n > 0) {
      if (data.size() + n > MaxBytes) {
        throw EProjectError("File \"" + Path + "\" is too large (more than " +
                            std::to_string(MaxBytes) + " bytes)");
      }
      data.insert(data.end(), buf, buf + n);
    }
    if (n < sizeof buf) {
      if (std::ferror(f.get())) {
        throw EProjectError("Read error in file \"" + Path + "\". " + std::strerror(errno));
      }
      break;
    }
  }
  return data;
}

bool WriteAll(int Fd, std::string_view Bytes) {
  std::size_t done = 0;
  while (done < Bytes.size()) {
    const ssize_t n = ::write(Fd, Bytes.data() + done, Bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += std::size_t(n);
  }
  return true;
}

}  // namespace tw
