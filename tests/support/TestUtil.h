// Helpers shared by the tests: a private temporary folder and small file writers.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "Bitmap.h"

namespace tw::test {

class TempDir {
 public:
  TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "tw-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    FPath = tmpl;
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(FPath, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder with a trailing "/", as the program folder is given to the game.
  std::string Dir() const { return FPath.string() + "/"; }
  std::string File(const std::string& Rel) const { return (FPath / Rel).string(); }

  void Write(const std::string& Rel, const std::string& Bytes) const {
    std::filesystem::path p = FPath / Rel;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary).write(Bytes.data(), std::streamsize(Bytes.size()));
  }
  void Write(const std::string& Rel, const std::vector<std::uint8_t>& Bytes) const {
    Write(Rel, std::string(Bytes.begin(), Bytes.end()));
  }

 private:
  std::filesystem::path FPath;
};

// The whole file as text; empty when it cannot be read.
inline std::string ReadText(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A 24-bit image filled by a function of (x, y) returning a colour value.
template <class F>
TBitmap MakeBitmap24(int W, int H, F Color) {
  TBitmap b = TBitmap::Create(W, H, TPixelFormat::pf24bit);
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) {
      TColor c = Color(x, y);
      std::uint8_t* p = b.ScanLine(y) + 3 * x;
      p[0] = BlueOf(c), p[1] = GreenOf(c), p[2] = RedOf(c);
    }
  }
  return b;
}

inline TBitmap SolidBitmap24(int W, int H, TColor C) {
  return MakeBitmap24(W, H, [C](int, int) { return C; });
}

}  // namespace tw::test
