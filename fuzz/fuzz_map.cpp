// Map text of any bytes: the loader must stay inside the grid, the frame and its figures.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Game.h"

using namespace tw;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static const TBitmap kTile = [] {
    TBitmap b = TBitmap::Create(32, 32, TPixelFormat::pf24bit);
    return b;
  }();
  TGame game("/nonexistent-tollywinder/", {});
  game.CreateKeeper();
  game.ApplyMapText(std::string_view(reinterpret_cast<const char*>(Data), Size), kTile, kTile);
  for (int i = 0; i < 4; ++i) {
    std::uint16_t key = std::uint16_t(37 + (Size + std::size_t(i)) % 4);
    game.FormKeyDown(key);
  }
  return 0;
}
