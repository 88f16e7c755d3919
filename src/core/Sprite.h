// A figure's image ready to be composed: premultiplied 0xAARRGGBB words, alpha 0 or 255.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "Bitmap.h"

namespace tw {

struct TSprite {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;  // Width * Height, top row first

  bool Empty() const { return Width <= 0 || Height <= 0; }
  bool Opaque(int X, int Y) const { return (Pixels[std::size_t(Y) * Width + X] >> 24) != 0; }
};

// Pixels of Transparent (when given) become fully transparent. At most MaxWidth x MaxHeight
// pixels from the top-left corner are taken.
TSprite MakeSprite(const TBitmap& Bitmap, std::optional<TColor> Transparent,
                   int MaxWidth = kMaxBitmapSide, int MaxHeight = kMaxBitmapSide);

}  // namespace tw
